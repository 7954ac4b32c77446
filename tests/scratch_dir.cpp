#include "tests/scratch_dir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  const testing::TestInfo* test =
      testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "scratch";
  if (test) {
    name += std::string("_") + test->test_suite_name() + "_" + test->name();
  }
  std::replace(name.begin(), name.end(), '/', '_');
  const auto stamp =
      std::chrono::steady_clock::now().time_since_epoch().count();
  m_strPath =
      (fs::current_path() / (name + "_" + std::to_string(stamp))).string();
  fs::remove_all(m_strPath);
  fs::create_directories(m_strPath);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::permissions(m_strPath, fs::perms::owner_all, fs::perm_options::add,
                  ignored);
  fs::remove_all(m_strPath, ignored);
}

std::string ScratchDir::Path(const std::string& name) const {
  // Plain bytes: a name in a two-byte code page must reach the system as is.
  return m_strPath + "/" + name;
}

// C stdio, which takes names in the ANSI code page as the program does.
std::string ReadBytes(const std::string& path) {
  std::string bytes;
  if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
      bytes.append(buffer, n);
    }
    std::fclose(in);
  }
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, out) << path;
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  ASSERT_EQ(0, std::fclose(out)) << path;
  ASSERT_TRUE(written) << path;
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(path, ignored);
}

std::string ListDir(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const std::string& n : names) {
    joined += n + "\n";
  }
  return joined;
}
