#include "framework/file.h"

#include <string>

#include <gtest/gtest.h>

#include "framework/replace_file.h"
#include "tests/scratch_dir.h"

namespace {

using namespace std::string_literals;

constexpr unsigned kLogMode =
    CFile::modeWrite | CFile::shareDenyWrite | CFile::modeCreate;
constexpr unsigned kMasterMode = CFile::modeRead | CFile::shareDenyRead;

TEST(FileTest, WritesAndReadsEveryByte) {
  ScratchDir dir;
  const std::string name = dir.Path("f");
  const std::string withNul = "a\0b"s;
  const std::string_view pieces[] = {withNul, "", "\r\n\xff"};
  {
    CFile file;
    ASSERT_TRUE(file.Open(name, kLogMode));
    ASSERT_TRUE(file.Write(pieces, std::size(pieces)));
    ASSERT_TRUE(file.Close());
  }
  CFile file;
  ASSERT_TRUE(file.Open(name, kMasterMode));
  std::uint64_t length = 0;
  ASSERT_TRUE(file.GetLength(&length));
  EXPECT_EQ(6u, length);
  char buffer[16];
  std::size_t got = 0;
  ASSERT_TRUE(file.Read(buffer, sizeof buffer, &got));
  EXPECT_EQ("a\0b\r\n\xff"s, std::string(buffer, got));
}

TEST(FileTest, CreateEmptiesAnExistingFile) {
  ScratchDir dir;
  WriteBytes(dir.Path("f"), "old content");
  CFile file;
  ASSERT_TRUE(file.Open(dir.Path("f"), kLogMode));
  ASSERT_TRUE(file.Write("new"));
  ASSERT_TRUE(file.Close());
  EXPECT_EQ("new", ReadBytes(dir.Path("f")));
}

TEST(FileTest, OpensThatFailChangeNothing) {
  ScratchDir dir;
  WriteBytes(dir.Path("f"), "kept");
  CFile reader;
  EXPECT_FALSE(reader.Open(dir.Path("missing"), kMasterMode));
  EXPECT_FALSE(reader.Open(dir.path(), kMasterMode));  // a directory
  CFile writer;
  EXPECT_FALSE(writer.Open(dir.Path("no/such/dir/f"), kLogMode));
  EXPECT_FALSE(writer.Open(dir.path(), kLogMode));
  EXPECT_FALSE(FileExists(dir.Path("missing")));
}

TEST(FileTest, AWriterKeepsOtherWritersOutButLetsReadersIn) {
  ScratchDir dir;
  CFile log;
  ASSERT_TRUE(log.Open(dir.Path("run.log"), kLogMode));
  ASSERT_TRUE(log.Write("[LOG]\r\n"));
  CFile second;
  EXPECT_FALSE(second.Open(dir.Path("run.log"), kLogMode));
  EXPECT_EQ("[LOG]\r\n", ReadBytes(dir.Path("run.log")));  // not emptied
  CFile reader;
  ASSERT_TRUE(reader.Open(dir.Path("run.log"), kMasterMode));
  char buffer[16];
  std::size_t got = 0;
  ASSERT_TRUE(reader.Read(buffer, sizeof buffer, &got));
  EXPECT_EQ("[LOG]\r\n", std::string(buffer, got));
  ASSERT_TRUE(reader.Close());  // on Windows it keeps other readers out
  CReplaceFile output;
  EXPECT_FALSE(output.Open(dir.Path("run.log")));
  EXPECT_EQ("[LOG]\r\n", ReadBytes(dir.Path("run.log")));
}

TEST(ReplaceFileTest, ReplacesTheWholeContentAndLeavesNothingBeside) {
  ScratchDir dir;
  WriteBytes(dir.Path("out.cnt"), "a much longer old content\r\n");
  CReplaceFile output;
  ASSERT_TRUE(output.Open(dir.Path("out.cnt")));
  const std::string withNul = "\0x"s;
  const std::string_view pieces[] = {"new\r\n", "", withNul};
  ASSERT_TRUE(output.Replace(pieces, std::size(pieces)));
  EXPECT_EQ("new\r\n\0x"s, ReadBytes(dir.Path("out.cnt")));
  EXPECT_EQ("out.cnt\n", ListDir(dir.path()));
}

TEST(ReplaceFileTest, CreatesAMissingFile) {
  ScratchDir dir;
  CReplaceFile output;
  ASSERT_TRUE(output.Open(dir.Path("new.cnt")));
  const std::string_view content = "x\n";
  ASSERT_TRUE(output.Replace(&content, 1));
  EXPECT_EQ("x\n", ReadBytes(dir.Path("new.cnt")));
  EXPECT_EQ("new.cnt\n", ListDir(dir.path()));
}

TEST(ReplaceFileTest, RefusesWhatCannotBeWritten) {
  ScratchDir dir;
  CReplaceFile missingDir;
  EXPECT_FALSE(missingDir.Open(dir.Path("no/such/out.cnt")));
  CReplaceFile directory;
  EXPECT_FALSE(directory.Open(dir.path()));
  EXPECT_EQ("", ListDir(dir.path()));
}

TEST(ReplaceFileTest, AnOpenWithoutReplaceLeavesNoNewFile) {
  ScratchDir dir;
  WriteBytes(dir.Path("old.cnt"), "old");
  {
    CReplaceFile fresh;
    ASSERT_TRUE(fresh.Open(dir.Path("new.cnt")));
    CReplaceFile existing;
    ASSERT_TRUE(existing.Open(dir.Path("old.cnt")));
  }
  EXPECT_EQ("old.cnt\n", ListDir(dir.path()));
  EXPECT_EQ("old", ReadBytes(dir.Path("old.cnt")));
}

}  // namespace
