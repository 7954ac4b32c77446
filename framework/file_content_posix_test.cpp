#include "framework/file_content.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/scratch_dir.h"

namespace {

constexpr unsigned kMasterMode = CFile::modeRead | CFile::shareDenyRead;

TEST(FileContentPosixTest, AFileShortenedMeanwhileIsNoLongerIntact) {
  ScratchDir dir;
  const std::string name = dir.Path("m");
  WriteBytes(name, std::string(1 << 20, 'x'));
  CFileContent content;
  ASSERT_EQ(CFileContent::kRead, content.Load(name, kMasterMode));
  ASSERT_TRUE(content.Intact());
  ASSERT_EQ(0, truncate(name.c_str(), 4096));
  // Past the new end the bytes read as zeros instead of killing the process.
  const std::string_view bytes = content.Bytes();
  EXPECT_EQ('x', bytes[100]);
  EXPECT_EQ('\0', bytes[bytes.size() - 1]);
  EXPECT_FALSE(content.Intact());
}

TEST(FileContentPosixTest, APipeIsReadToItsEnd) {
  int fds[2];
  ASSERT_EQ(0, pipe(fds));
  const std::string bytes(200000, 'p');
  const pid_t writer = fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    close(fds[0]);
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fds[1], bytes.data() + done, bytes.size() - done);
      if (n <= 0) {
        _exit(1);
      }
      done += static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  close(fds[1]);
  CFileContent content;
  EXPECT_EQ(CFileContent::kRead,
            content.Load("/dev/fd/" + std::to_string(fds[0]), kMasterMode));
  close(fds[0]);
  EXPECT_EQ(bytes, content.Bytes());
}

}  // namespace
