#include "tests/scratch_dir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
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
