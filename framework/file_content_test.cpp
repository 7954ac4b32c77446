#include "framework/file_content.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/scratch_dir.h"

namespace {

using namespace std::string_literals;

constexpr unsigned kMasterMode = CFile::modeRead | CFile::shareDenyRead;

TEST(FileContentTest, HoldsEveryByteOfTheFile) {
  const std::string kContents[] = {"", "x", ":Base a\0b\r\n"s,
                                   std::string(300000, '\n')};
  for (const std::string& bytes : kContents) {
    SCOPED_TRACE(bytes.size());
    ScratchDir dir;
    WriteBytes(dir.Path("m"), bytes);
    CFileContent content;
    ASSERT_EQ(CFileContent::kRead, content.Load(dir.Path("m"), kMasterMode));
    EXPECT_EQ(bytes, content.Bytes());
    EXPECT_TRUE(content.Intact());
  }
}

TEST(FileContentTest, MissingFilesAndDirectoriesAreNotOpened) {
  ScratchDir dir;
  CFileContent missing;
  EXPECT_EQ(CFileContent::kNotOpened,
            missing.Load(dir.Path("none"), kMasterMode));
  CFileContent directory;
  EXPECT_EQ(CFileContent::kNotOpened, directory.Load(dir.path(), kMasterMode));
}

}  // namespace
