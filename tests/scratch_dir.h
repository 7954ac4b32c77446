#pragma once

#include <string>

// A fresh, empty directory under the working directory for one test,
// removed with everything in it when the test ends.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of `name` inside the directory.
  std::string Path(const std::string& name) const;
  const std::string& path() const { return m_strPath; }

 private:
  std::string m_strPath;
};

// Whole-file helpers for tests; binary, so every byte is kept.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Names in `dir`, sorted, so a stray file shows in a comparison.
std::string ListDir(const std::string& dir);
