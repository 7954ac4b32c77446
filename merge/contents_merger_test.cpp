#include "merge/contents_merger.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/lead_byte_tables.h"
#include "tests/scratch_dir.h"

namespace {

using namespace std::string_literals;

const LeadByteTable& kShiftJis = Cp932();

bool CreateDirectory(const std::string& path) {
  return std::filesystem::create_directory(path);
}

TEST(DeriveModuleNameTest, FromLastBackslashToFirstDot) {
  struct Case {
    std::string input;
    std::string single;
    std::string dbcs;  // Shift-JIS
  };
  const Case kCases[] = {
      {"C:\\Help\\Motor.hlp", "Motor", "Motor"},
      {"Motor", "Motor", "Motor"},
      {"Motor.old.hlp", "Motor", "Motor"},
      {"C:\\Help.old\\Motor.hlp", "", ""},  // the dot comes first
      {"C:/Help/Motor.hlp", "C:/Help/Motor", "C:/Help/Motor"},
      {"C:\\Help\\", "", ""},
      {".hlp", "", ""},
      {"\\", "", ""},
      // 0x95 0x5C is one character whose trail byte is a backslash.
      {"\x95\\.hlp", "", "\x95\\"},
      {"C:\\\x95\\\\M.hlp", "M", "M"},
      {"\x95.x.hlp", "\x95", "\x95.x"},  // and 0x95 0x2E one with a dot
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.input));
    EXPECT_EQ(c.single, DeriveModuleName(c.input, nullptr));
    EXPECT_EQ(c.dbcs, DeriveModuleName(c.input, &kShiftJis));
  }
}

TEST(ContentsMergerTest, ContainsLineFindsOnlyWholeLineEndings) {
  struct Case {
    std::string data;
    std::string text;
    int expected;
  };
  const Case kCases[] = {
      {":Index M=M.hlp\r\n", ":Index M=M.hlp\r\n", 1},
      {"x :Index M=M.hlp\r\n", ":Index M=M.hlp\r\n", 1},
      {":Index M=M.hlp\n", ":Index M=M.hlp\r\n", 0},  // a bare LF differs
      {":Index M=M.hlp\r\n", ":Index M=M.hlp\r\n\0"s, 1},
      {":Index M=M.hlp\r\nx", ":Index M=M.hlp\r\n", 1},
      {"\0:Index M=M.hlp\r\n"s, ":Index M=M.hlp\r\n", 0},
      {"", ":Index M=M.hlp\r\n", 0},
      {"abc", "", 0},  // no complete line at all
      {"abc\n", "", 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.data));
    CContentsMerger merger;
    EXPECT_EQ(c.expected,
              merger.ContainsLine(c.data.data(), c.data.size(), c.text));
  }
}

// One merge over a master file in a scratch directory.
struct MergeRun {
  int outcome = -1;
  std::string output;
  std::string log;
};

std::string Header(const ScratchDir& dir, const std::string& input,
                   const std::string& section) {
  return "[LOG]\r\nInputFile=" + input +
         "\r\nOutputFile=" + dir.Path("Out.cnt") +
         "\r\nMergeFile=" + dir.Path("Master.cnt") +
         "\r\nFindString=" + section + "\r\n";
}

MergeRun RunMerge(const ScratchDir& dir, const std::string& master,
                  const std::string& input, const std::string& section,
                  const LeadByteTable* lead) {
  WriteBytes(dir.Path("Master.cnt"), master);
  MergeRun run;
  {
    CContentsMerger merger;
    merger.SetLeadBytes(lead);
    run.outcome =
        merger.Merge(dir.Path("Out.cnt"), input, dir.Path("Master.cnt"),
                     section, dir.Path("run.log"));
  }
  run.output = ReadBytes(dir.Path("Out.cnt"));
  run.log = ReadBytes(dir.Path("run.log"));
  return run;
}

const char kMotorLines[] =
    "AddLine1=:Index Motor=Motor.hlp\r\n\r\n"
    "AddLine2=:include Motor.cnt\r\n\r\n";

TEST(ContentsMergerTest, InsertsEachLineOnceAfterTheLineThatCallsForIt) {
  struct Case {
    const char* name;
    std::string master;
    std::string section;
    std::string output;
    std::string rows;  // after rows 7 and 8
  };
  const Case kCases[] = {
      {"worked example", ":Base M.hlp\r\n1 Drives\r\n2 A=a\r\n", "Drives",
       ":Base M.hlp\r\n:Index Motor=Motor.hlp\r\n1 Drives\r\n"
       ":include Motor.cnt\r\n2 A=a\r\n",
       "Add_BaseLine=:Base M.hlp\r\nAdd_Base=TRUE\r\n"
       "Add_SectionLine=1 Drives\r\nAdd_Section=TRUE\r\n"},
      {"LF endings stay, inserted lines end with CR LF",
       ":Base M.hlp\n1 Drives\n", "Drives",
       ":Base M.hlp\n:Index Motor=Motor.hlp\r\n1 Drives\n"
       ":include Motor.cnt\r\n",
       "Add_BaseLine=:Base M.hlp\nAdd_Base=TRUE\r\n"
       "Add_SectionLine=1 Drives\nAdd_Section=TRUE\r\n"},
      {"empty master", "", "Drives", "", ""},
      {"last line without LF is never examined", "1 Drives\n:Base M.hlp",
       "Drives", "1 Drives\n:include Motor.cnt\r\n:Base M.hlp",
       "Add_SectionLine=1 Drives\nAdd_Section=TRUE\r\n"},
      {"only the first base line", ":Base A\n:Base B\n", "zz",
       ":Base A\n:Index Motor=Motor.hlp\r\n:Base B\n",
       "Add_BaseLine=:Base A\nAdd_Base=TRUE\r\n"},
      {"near misses do not count", ":Base\n:base x\n:Bas e\n", "",
       ":Base\n:include Motor.cnt\r\n:base x\n:Bas e\n",
       "Add_SectionLine=:Base\nAdd_Section=TRUE\r\n"},
      {"a NUL hides what follows it", "x\0:Base M\n:Base N\0\n"s, "zz",
       "x\0:Base M\n:Base N\0\n:Index Motor=Motor.hlp\r\n"s,
       "Add_BaseLine=:Base N\0\nAdd_Base=TRUE\r\n"s},
      {"one line calls for both", ":Base Drives\r\nx\r\n", "Drives",
       ":Base Drives\r\n:Index Motor=Motor.hlp\r\n:include Motor.cnt\r\nx\r\n",
       "Add_BaseLine=:Base Drives\r\nAdd_Base=TRUE\r\n"
       "Add_SectionLine=:Base Drives\r\nAdd_Section=TRUE\r\n"},
      {"section before base", "1 Drives\r\n:Base M\r\n", "Drives",
       "1 Drives\r\n:include Motor.cnt\r\n:Base M\r\n"
       ":Index Motor=Motor.hlp\r\n",
       "Add_SectionLine=1 Drives\r\nAdd_Section=TRUE\r\n"
       "Add_BaseLine=:Base M\r\nAdd_Base=TRUE\r\n"},
      {"empty section follows the first line", "a\nb\n", "",
       "a\n:include Motor.cnt\r\nb\n",
       "Add_SectionLine=a\nAdd_Section=TRUE\r\n"},
      {"index line already there",
       ":Base M\r\n:Index Motor=Motor.hlp\r\n1 Drives\r\n", "Drives",
       ":Base M\r\n:Index Motor=Motor.hlp\r\n1 Drives\r\n"
       ":include Motor.cnt\r\n",
       "Found=:Index Motor=Motor.hlp\r\n\r\n"
       "FoundInLine=:Index Motor=Motor.hlp\r\n"
       "Add_SectionLine=1 Drives\r\nAdd_Section=TRUE\r\n"},
      {"every holder is logged, index before include",
       ":include Motor.cnt\r\nx:Index Motor=Motor.hlp\r\n"
       ":Index Motor=Motor.hlp\r\n",
       "",
       ":include Motor.cnt\r\nx:Index Motor=Motor.hlp\r\n"
       ":Index Motor=Motor.hlp\r\n",
       "Found=:Index Motor=Motor.hlp\r\n\r\n"
       "FoundInLine=x:Index Motor=Motor.hlp\r\n"
       "Found=:Index Motor=Motor.hlp\r\n\r\n"
       "FoundInLine=:Index Motor=Motor.hlp\r\n"
       "Found=:include Motor.cnt\r\n\r\n"
       "FoundInLine=:include Motor.cnt\r\n"},
      {"a line with a bare LF is not recognised",
       ":Base M\n:Index Motor=Motor.hlp\n", "zz",
       ":Base M\n:Index Motor=Motor.hlp\r\n:Index Motor=Motor.hlp\n",
       "Add_BaseLine=:Base M\nAdd_Base=TRUE\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    const MergeRun run =
        RunMerge(dir, c.master, "C:\\Help\\Motor.hlp", c.section, nullptr);
    EXPECT_EQ(kOutputWritten, run.outcome);
    EXPECT_EQ(c.output, run.output);
    EXPECT_EQ(
        Header(dir, "C:\\Help\\Motor.hlp", c.section) + kMotorLines + c.rows,
        run.log);
  }
}

TEST(ContentsMergerTest, TwoByteCharactersChangeModuleNameAndMatches) {
  // 0x95 0x5C: a character with a backslash trail; 0x83 0x41 one with "A".
  const std::string master =
      ":Base M\r\n\x83"
      "Ab\r\nAb\r\n";
  const std::string input = "C:\\\x95\\.hlp";
  struct Case {
    const LeadByteTable* lead;
    std::string output;
  };
  const Case kCases[] = {
      {nullptr,
       ":Base M\r\n:Index =.hlp\r\n\x83"
       "Ab\r\n:include .cnt\r\nAb\r\n"},
      {&kShiftJis,
       ":Base M\r\n:Index \x95\\=\x95\\.hlp\r\n\x83"
       "Ab\r\nAb\r\n"
       ":include \x95\\.cnt\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.lead ? "Shift-JIS" : "single byte");
    ScratchDir dir;
    const MergeRun run = RunMerge(dir, master, input, "Ab", c.lead);
    EXPECT_EQ(kOutputWritten, run.outcome);
    EXPECT_EQ(c.output, run.output);
  }
}

TEST(ContentsMergerTest, EmptyModuleNameGivesEmptyLines) {
  ScratchDir dir;
  const MergeRun run = RunMerge(dir, ":Base M\r\nS\r\n",
                                "C:\\Help.old\\Motor.hlp", "S", nullptr);
  EXPECT_EQ(":Base M\r\n:Index =.hlp\r\nS\r\n:include .cnt\r\n", run.output);
  EXPECT_NE(std::string::npos,
            run.log.find("AddLine1=:Index =.hlp\r\n\r\nAddLine2=:include "
                         ".cnt\r\n\r\n"));
}

TEST(ContentsMergerTest, FilesThatCannotBeOpenedEndTheRun) {
  struct Case {
    const char* name;
    std::string merge;
    std::string output;
    std::string log;
    int outcome;
    std::string lastEntry;  // "" when no log is expected
  };
  const Case kCases[] = {
      {"missing merge file", "none.cnt", "Out.cnt", "run.log",
       kMergeFileNotOpened,
       "FindString=S\r\nERROR=Failed to open file [{dir}/none.cnt]\r\n"},
      {"merge file is a directory", "sub", "Out.cnt", "run.log",
       kMergeFileNotOpened,
       "FindString=S\r\nERROR=Failed to open file [{dir}/sub]\r\n"},
      {"output in a missing directory", "Master.cnt", "none/Out.cnt", "run.log",
       kOutputNotOpened,
       "Add_Base=TRUE\r\nERROR=Failed to open file [{dir}/none/Out.cnt]\r\n"},
      {"output is a directory", "Master.cnt", "sub", "run.log",
       kOutputNotOpened,
       "Add_Base=TRUE\r\nERROR=Failed to open file [{dir}/sub]\r\n"},
      {"output is the open run log", "Master.cnt", "run.log", "run.log",
       kOutputNotOpened,
       "Add_Base=TRUE\r\nERROR=Failed to open file [{dir}/run.log]\r\n"},
      {"log in a missing directory", "Master.cnt", "Out.cnt", "none/run.log",
       kOutputWritten, ""},
      {"log is a directory", "Master.cnt", "Out.cnt", "sub", kOutputWritten,
       ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteBytes(dir.Path("Master.cnt"), ":Base M\r\n");
    ASSERT_TRUE(CreateDirectory(dir.Path("sub")));
    int outcome;
    {
      CContentsMerger merger;
      outcome = merger.Merge(dir.Path(c.output), "M.hlp", dir.Path(c.merge),
                             "S", dir.Path(c.log));
    }
    EXPECT_EQ(c.outcome, outcome);
    const bool written = c.outcome == kOutputWritten;
    EXPECT_EQ(written, FileExists(dir.Path("Out.cnt")));
    if (written) {
      EXPECT_EQ(":Base M\r\n:Index M=M.hlp\r\n",
                ReadBytes(dir.Path("Out.cnt")));
    }
    if (c.lastEntry.empty()) {
      EXPECT_EQ("Master.cnt\nOut.cnt\nsub\n", ListDir(dir.path()));
      continue;
    }
    std::string last = c.lastEntry;
    last.replace(last.find("{dir}"), 5, dir.path());
    const std::string log = ReadBytes(dir.Path("run.log"));
    ASSERT_GE(log.size(), last.size());
    EXPECT_EQ(last, log.substr(log.size() - last.size()));
  }
}

TEST(ContentsMergerTest, WithoutALogTheMergeStillRuns) {
  ScratchDir dir;
  WriteBytes(dir.Path("Master.cnt"), ":Base M\r\n");
  CContentsMerger merger;
  EXPECT_EQ(kOutputWritten, merger.Merge(dir.Path("Out.cnt"), "M.hlp",
                                         dir.Path("Master.cnt"), "", ""));
  EXPECT_EQ(":Base M\r\n:Index M=M.hlp\r\n:include M.cnt\r\n",
            ReadBytes(dir.Path("Out.cnt")));
  EXPECT_EQ("Master.cnt\nOut.cnt\n", ListDir(dir.path()));
}

TEST(ContentsMergerTest, AnExistingLogIsRewrittenNotAppended) {
  ScratchDir dir;
  WriteBytes(dir.Path("run.log"), std::string(4096, 'x'));
  const MergeRun run = RunMerge(dir, "", "Motor", "", nullptr);
  EXPECT_EQ(Header(dir, "Motor", "") + kMotorLines, run.log);
}

TEST(ContentsMergerTest, OutputMayNameTheMasterFile) {
  ScratchDir dir;
  WriteBytes(dir.Path("Master.cnt"), ":Base M\n1 S\n");
  CContentsMerger merger;
  EXPECT_EQ(kOutputWritten, merger.Merge(dir.Path("Master.cnt"), "M",
                                         dir.Path("Master.cnt"), "S", ""));
  EXPECT_EQ(":Base M\n:Index M=M.hlp\r\n1 S\n:include M.cnt\r\n",
            ReadBytes(dir.Path("Master.cnt")));
}

TEST(ContentsMergerTest, MergeFileNamedLikeTheLogReadsTheLogSoFar) {
  ScratchDir dir;
  const std::string log = dir.Path("run.log");
  CContentsMerger merger;
  EXPECT_EQ(kOutputWritten,
            merger.Merge(dir.Path("Out.cnt"), "M", log, "FindString", log));
  const std::string header =
      "[LOG]\r\nInputFile=M\r\nOutputFile=" + dir.Path("Out.cnt") +
      "\r\nMergeFile=" + log + "\r\n";
  EXPECT_EQ(header + "FindString=FindString\r\n:include M.cnt\r\n",
            ReadBytes(dir.Path("Out.cnt")));
}

}  // namespace
