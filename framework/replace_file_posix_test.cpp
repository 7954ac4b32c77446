#include "framework/replace_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/scratch_dir.h"

namespace {

TEST(ReplaceFilePosixTest, KeepsPermissionBits) {
  ScratchDir dir;
  const std::string name = dir.Path("out.cnt");
  WriteBytes(name, "old");
  ASSERT_EQ(0, chmod(name.c_str(), 0640));
  CReplaceFile output;
  ASSERT_TRUE(output.Open(name));
  const std::string_view content = "new";
  ASSERT_TRUE(output.Replace(&content, 1));
  struct stat info;
  ASSERT_EQ(0, stat(name.c_str(), &info));
  EXPECT_EQ(0640u, info.st_mode & 07777);
  EXPECT_EQ("new", ReadBytes(name));
}

TEST(ReplaceFilePosixTest, ReplacesTheTargetOfASymbolicLink) {
  ScratchDir dir;
  WriteBytes(dir.Path("real.cnt"), "old");
  ASSERT_EQ(0, symlink("real.cnt", dir.Path("link.cnt").c_str()));
  CReplaceFile output;
  ASSERT_TRUE(output.Open(dir.Path("link.cnt")));
  const std::string_view content = "new";
  ASSERT_TRUE(output.Replace(&content, 1));
  struct stat info;
  ASSERT_EQ(0, lstat(dir.Path("link.cnt").c_str(), &info));
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ("new", ReadBytes(dir.Path("real.cnt")));
}

// A file-size limit makes every write past it fail, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    signal(SIGXFSZ, m_oldHandler);
  }

 private:
  rlimit m_saved;
  void (*m_oldHandler)(int);
};

TEST(ReplaceFilePosixTest, AFailedWriteKeepsTheOldContent) {
  ScratchDir dir;
  const std::string name = dir.Path("out.cnt");
  WriteBytes(name, "old content");
  const std::string big(1 << 20, 'x');
  bool replaced = true;
  {
    FileSizeLimit limit(64 * 1024);
    CReplaceFile output;
    ASSERT_TRUE(output.Open(name));
    const std::string_view pieces[] = {"head\n", big};
    replaced = output.Replace(pieces, 2);
  }
  EXPECT_FALSE(replaced);
  EXPECT_EQ("old content", ReadBytes(name));
  EXPECT_EQ("out.cnt\n", ListDir(dir.path()));
}

TEST(ReplaceFilePosixTest, AFailedWriteToANewFileLeavesNoFile) {
  ScratchDir dir;
  const std::string big(1 << 20, 'x');
  bool replaced = true;
  {
    FileSizeLimit limit(64 * 1024);
    CReplaceFile output;
    ASSERT_TRUE(output.Open(dir.Path("new.cnt")));
    const std::string_view content = big;
    replaced = output.Replace(&content, 1);
  }
  EXPECT_FALSE(replaced);
  EXPECT_EQ("", ListDir(dir.path()));
}

TEST(ReplaceFilePosixTest, ADeviceIsWrittenDirectly) {
  CReplaceFile sink;
  ASSERT_TRUE(sink.Open("/dev/null"));
  const std::string_view content = "x";
  EXPECT_TRUE(sink.Replace(&content, 1));
  CReplaceFile full;
  ASSERT_TRUE(full.Open("/dev/full"));
  EXPECT_FALSE(full.Replace(&content, 1));
}

}  // namespace
