#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file.h"

// The whole content of one file, read to its end; only bytes actually read
// are ever seen. Where the system allows, a regular file is mapped instead of
// copied, and its ranges can then be copied file to file without passing
// through memory. Owns the file, and the memory, until destroyed.
class CFileContent {
 public:
  enum Result { kRead, kNotOpened, kFailed };

  CFileContent();
  ~CFileContent();
  CFileContent(const CFileContent&) = delete;
  CFileContent& operator=(const CFileContent&) = delete;

  // Opens `name` with `flags` and takes in everything it holds. kFailed: a
  // read, close or memory failure after the open.
  Result Load(const std::string& name, unsigned flags);
  std::string_view Bytes() const { return {m_pData, m_nSize}; }
  // False once the file shrank under a mapping while it was in use; the
  // bytes past its new end then read as zeros and must not be trusted.
  bool Intact() const;
  // Bytes [begin, end), where reading them is cheap: a mapped file's pages
  // are slow to touch the first time, so they come through a small buffer
  // that is reused and stays in the cache. Valid until the next call.
  std::string_view Window(std::size_t begin, std::size_t end);
  // The open file behind a mapping, for copying its ranges; null otherwise.
  const CFile* MappedFile() const { return m_bMapped ? &m_file : nullptr; }

 private:
  bool Map();  // false: not mapped, read instead
  void Unmap();
  bool ReadToEnd();

  CFile m_file;
  const char* m_pData = nullptr;
  std::size_t m_nSize = 0;
  bool m_bMapped = false;
  std::unique_ptr<char[]> m_buffer;
  std::vector<char> m_window;
};
