#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A byte-exact file handle: no text translation, what is read is exactly
// what was written. Every operation reports failure as a value. The sharing
// flags follow the Windows share modes; on POSIX a file opened for writing
// with shareDenyWrite takes an exclusive lock before anything is truncated,
// so a second such open of the same file fails as it does on Windows.
class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0,
    modeWrite = 0x1,
    shareDenyWrite = 0x20,  // others may read only
    shareDenyRead = 0x30,   // others may write only
    modeCreate = 0x1000,    // create the file or empty an existing one
  };

  CFile();
  ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Fails without touching the file when it is missing, is a directory, or
  // is held by another writer.
  bool Open(const std::string& name, unsigned flags);
  bool IsOpen() const;
  // The size of a regular file; false for a pipe or device, whose length is
  // unknown until its end is read.
  bool GetLength(std::uint64_t* length) const;
  // Reads up to `count` bytes, fewer only at the end of the file.
  bool Read(char* buffer, std::size_t count, std::size_t* got);
  // Writes every byte of the pieces, in order, or fails.
  bool Write(const std::string_view* pieces, std::size_t count);
  bool Write(std::string_view bytes) { return Write(&bytes, 1); }
  bool Close();
  // The system's handle (a file descriptor on POSIX), for the file layer's
  // own use.
  std::intptr_t Handle() const { return m_hFile; }

 private:
  std::intptr_t m_hFile;
};
