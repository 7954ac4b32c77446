#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class CFileContent;

// Gives a file new content without ever leaving it truncated or half
// written: the content goes to a new file beside it, is flushed, and takes
// the old one's place in one step. Where no file can be created beside it
// (a directory that forbids it) the file is rewritten in place; a device or
// pipe is written directly. Owns the temporary file and removes it on every
// failure.
class CReplaceFile {
 public:
  CReplaceFile();
  ~CReplaceFile();
  CReplaceFile(const CReplaceFile&) = delete;
  CReplaceFile& operator=(const CReplaceFile&) = delete;

  // Checks that `name` can be written: its directory exists, it is not a
  // directory, not read-only, and not held by a writer (the run log
  // included). Holds the file from here on; nothing is written yet.
  bool Open(const std::string& name);
  // Writes the pieces, in order, as the file's whole new content. Pieces that
  // lie in `source` may be copied straight from its file. On failure the file
  // is as it was before Open.
  bool Replace(const std::string_view* pieces, std::size_t count,
               const CFileContent* source = nullptr);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_pImpl;
};
