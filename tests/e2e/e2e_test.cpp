#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/code_page.h"
#include "tests/e2e/e2e.h"
#include "tests/reference_merge.h"

namespace {

using Args = std::vector<std::string>;

TEST(E2eTest, WorkedExampleIsExactToTheByte) {
  ScratchDir dir;
  WriteBytes(dir.Path("Master.cnt"),
             ReadBytes(TOCSPLICE_EXAMPLES "/Master.cnt"));
  ASSERT_EQ(0, RunTocsplice(
                   dir, {"-s", "-i", "C:\\Help\\Motor.hlp", "-a", "Master.cnt",
                         "-f", "Drives", "-l", "run.log", "Out.cnt"}));
  EXPECT_EQ(
      ":Base Master.hlp>main\r\n"
      ":Index Motor=Motor.hlp\r\n"
      ":Title Machine Help\r\n"
      "1 Getting Started\r\n"
      "2 Introduction=intro\r\n"
      "2 Installing the Machine=install\r\n"
      "1 Drives\r\n"
      ":include Motor.cnt\r\n"
      "2 Overview of Drives=drv_overview\r\n"
      "2 Connecting a Drive=drv_connect\r\n"
      "1 Troubleshooting\r\n"
      "2 Error Messages=errors\r\n",
      ReadBytes(dir.Path("Out.cnt")));
  EXPECT_EQ(
      "[LOG]\r\n"
      "InputFile=C:\\Help\\Motor.hlp\r\n"
      "OutputFile=Out.cnt\r\n"
      "MergeFile=Master.cnt\r\n"
      "FindString=Drives\r\n"
      "AddLine1=:Index Motor=Motor.hlp\r\n\r\n"
      "AddLine2=:include Motor.cnt\r\n\r\n"
      "Add_BaseLine=:Base Master.hlp>main\r\n"
      "Add_Base=TRUE\r\n"
      "Add_SectionLine=1 Drives\r\n"
      "Add_Section=TRUE\r\n",
      ReadBytes(dir.Path("run.log")));
  EXPECT_EQ("Master.cnt\nOut.cnt\nrun.log\n", ListDir(dir.path()));
}

TEST(E2eTest, CorpusMastersMatchTheReading) {
  struct Case {
    const char* fixture;
    const char* input;
    const char* section;
  };
  const Case kCases[] = {
      {"cbooks.cnt", "C:\\WATCOM\\BINNT\\clib.hlp", ""},  // both present
      {"cbooks.cnt", "newmod.hlp", "C/C++ Bookshelf"},
      {"xds.cnt", "xm.hlp", "XDS Family"},    // ":Include" is another line
      {"LeakyBin.cnt", "Leaky.hlp", "Help"},  // no LF at the end
      {"Indy10.cnt", "IndyExtra.hlp", "Indy.Sockets"},
      {"Indy10.cnt", "X.hlp", "no such section"},
      {"vidsend2.cnt", "C:\\a.b\\Video.hlp", "Menu"},  // empty module name
      {"tstcon32.cnt", "tstcon32", "'"},
      {"T42.cnt", "T42.hlp", "Options"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.fixture) + " " + c.input);
    ScratchDir dir;
    CopyFixture(c.fixture, dir, "Master.cnt");
    const std::string master = ReadBytes(dir.Path("Master.cnt"));
    ASSERT_EQ(0,
              RunTocsplice(dir, {"-s", "-i", c.input, "-a", "Master.cnt", "-f",
                                 c.section, "-l", "run.log", "Out.cnt"}));
    const ReferenceResult expected = ReferenceMerge(master, c.input, c.section);
    EXPECT_EQ(expected.output, ReadBytes(dir.Path("Out.cnt")));
    EXPECT_EQ(LogHeader(c.input, "Out.cnt", "Master.cnt", c.section) +
                  expected.entries,
              ReadBytes(dir.Path("run.log")));
    EXPECT_EQ(master, ReadBytes(dir.Path("Master.cnt")));
  }
}

// Merges `master` with Big.hlp and "Far Section" and compares output and log
// with the plain reading of the rules.
void ExpectMergeMatchesTheReading(const std::string& master) {
  ScratchDir dir;
  WriteBytes(dir.Path("M.cnt"), master);
  ASSERT_EQ(0, RunTocsplice(dir, {"-s", "-i", "Big.hlp", "-a", "M.cnt", "-f",
                                  "Far Section", "-l", "run.log", "Out.cnt"}));
  const ReferenceResult expected =
      ReferenceMerge(master, "Big.hlp", "Far Section");
  EXPECT_EQ(expected.output, ReadBytes(dir.Path("Out.cnt")));
  EXPECT_EQ(LogHeader("Big.hlp", "Out.cnt", "M.cnt", "Far Section") +
                expected.entries,
            ReadBytes(dir.Path("run.log")));
}

TEST(E2eTest, LargeMasterMatchesTheReading) {
  // Megabytes of lines with the holders of both lines spread over them, more
  // include holders than are kept waiting, a base line and a section far in.
  std::string master = ":include Big.cnt\r\n";
  for (int i = 0; i < 60000; ++i) {
    master +=
        "2 Topic " + std::to_string(i) + "=t" + std::to_string(i) + "\r\n";
    if (i % 7 == 3) {
      master += "x:include Big.cnt\r\n";
    }
    if (i % 9000 == 5) {
      master += ":Index Big=Big.hlp\r\n";
    }
    if (i == 40000) {
      master += ":Base Big.hlp\r\n1 Far Section\r\n";
    }
  }
  ExpectMergeMatchesTheReading(master);
  // Nothing was missing, so nothing may have been inserted.
  EXPECT_EQ(master, ReferenceMerge(master, "Big.hlp", "Far Section").output);
}

TEST(E2eTest, LargeMasterGetsBothLinesFarIn) {
  std::string master;
  for (int i = 0; i < 50000; ++i) {
    master += "2 Topic " + std::to_string(i) + "=t" + std::to_string(i) + "\n";
    if (i == 30000) {
      master += "1 Far Section\n";
    }
    if (i == 45000) {
      master += ":Base Big.hlp\n";
    }
  }
  ExpectMergeMatchesTheReading(master);
}

TEST(E2eTest, SecondRunOverItsOwnOutputInsertsNothing) {
  ScratchDir dir;
  CopyFixture("T42.cnt", dir, "T42.cnt");
  const Args args = {"-s", "-i",      "Motor.hlp", "-a",      "T42.cnt",
                     "-f", "Windows", "-l",        "run.log", "T42.cnt"};
  ASSERT_EQ(0, RunTocsplice(dir, args));
  const std::string once = ReadBytes(dir.Path("T42.cnt"));
  ASSERT_NE(std::string::npos, once.find(":include Motor.cnt\r\n"));
  ASSERT_EQ(0, RunTocsplice(dir, args));
  EXPECT_EQ(once, ReadBytes(dir.Path("T42.cnt")));
  const std::string log = ReadBytes(dir.Path("run.log"));
  EXPECT_NE(std::string::npos, log.find("Found=:Index Motor=Motor.hlp\r\n\r\n"
                                        "FoundInLine=:Index Motor=Motor.hlp\r\n"
                                        "Found=:include Motor.cnt\r\n\r\n"
                                        "FoundInLine=:include Motor.cnt\r\n"));
  EXPECT_EQ(std::string::npos, log.find("Add_"));
  EXPECT_EQ("T42.cnt\nrun.log\n", ListDir(dir.path()));
}

TEST(E2eTest, NameCollisions) {
  const std::string master = ":Base M.hlp\r\n1 S\r\n";
  const std::string merged =
      ":Base M.hlp\r\n:Index A=A.hlp\r\n1 S\r\n:include A.cnt\r\n";
  const std::string header = "[LOG]\r\nInputFile=A.hlp\r\nOutputFile=";
  const std::string lines =
      "AddLine1=:Index A=A.hlp\r\n\r\nAddLine2=:include A.cnt\r\n\r\n";
  const std::string inserted =
      "Add_BaseLine=:Base M.hlp\r\nAdd_Base=TRUE\r\n"
      "Add_SectionLine=1 S\r\nAdd_Section=TRUE\r\n";
  struct Case {
    const char* name;
    Args args;
    std::string expectedM;    // M.cnt afterwards
    std::string expectedOut;  // Out.cnt afterwards, "-" for none
    std::string expectedLog;
  };
  const std::string logAsMaster =
      header + "Out.cnt\r\nMergeFile=run.log\r\nFindString=S\r\n";
  const Case kCases[] = {
      {"output names the master",
       {"-a", "M.cnt", "-l", "run.log", "M.cnt"},
       merged,
       "-",
       header + "M.cnt\r\nMergeFile=M.cnt\r\nFindString=S\r\n" + lines +
           inserted},
      {"output names the log",
       {"-a", "M.cnt", "-l", "run.log", "run.log"},
       master,
       "-",
       header + "run.log\r\nMergeFile=M.cnt\r\nFindString=S\r\n" + lines +
           inserted + "ERROR=Failed to open file [run.log]\r\n"},
      {"merge file names the log",
       {"-a", "run.log", "-l", "run.log", "Out.cnt"},
       master,
       logAsMaster + ":include A.cnt\r\n",
       logAsMaster + lines +
           "Add_SectionLine=FindString=S\r\nAdd_Section=TRUE\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteBytes(dir.Path("M.cnt"), master);
    Args args = {"-s", "-i", "A.hlp", "-f", "S"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ASSERT_EQ(0, RunTocsplice(dir, args));
    EXPECT_EQ(c.expectedM, ReadBytes(dir.Path("M.cnt")));
    if (c.expectedOut == "-") {
      EXPECT_FALSE(FileExists(dir.Path("Out.cnt")));
    } else {
      EXPECT_EQ(c.expectedOut, ReadBytes(dir.Path("Out.cnt")));
    }
    EXPECT_EQ(c.expectedLog, ReadBytes(dir.Path("run.log")));
  }
}

TEST(E2eTest, MissingAndUnwritablePaths) {
  struct Case {
    const char* name;
    Args args;
    const char* lastEntry;  // nullptr: no log expected
    const char* files;      // the directory afterwards
  };
  const Case kCases[] = {
      {"missing merge file",
       {"-a", "none.cnt", "-l", "run.log", "Out.cnt"},
       "FindString=\r\nERROR=Failed to open file [none.cnt]\r\n",
       "M.cnt\nrun.log\nsub\n"},
      {"merge file is a directory",
       {"-a", "sub", "-l", "run.log", "Out.cnt"},
       "FindString=\r\nERROR=Failed to open file [sub]\r\n",
       "M.cnt\nrun.log\nsub\n"},
      {"output in a missing directory",
       {"-a", "M.cnt", "-l", "run.log", "none/Out.cnt"},
       "Add_Section=TRUE\r\nERROR=Failed to open file [none/Out.cnt]\r\n",
       "M.cnt\nrun.log\nsub\n"},
      {"output is a directory",
       {"-a", "M.cnt", "-l", "run.log", "sub"},
       "Add_Section=TRUE\r\nERROR=Failed to open file [sub]\r\n",
       "M.cnt\nrun.log\nsub\n"},
      {"log in a missing directory",
       {"-a", "M.cnt", "-l", "none/run.log", "Out.cnt"},
       nullptr,
       "M.cnt\nOut.cnt\nsub\n"},
      {"log is a directory",
       {"-a", "M.cnt", "-l", "sub", "Out.cnt"},
       nullptr,
       "M.cnt\nOut.cnt\nsub\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteBytes(dir.Path("M.cnt"), ":Base M.hlp\r\n");
    std::filesystem::create_directory(dir.Path("sub"));
    Args args = {"-s", "-i", "A.hlp"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ASSERT_EQ(0, RunTocsplice(dir, args));
    EXPECT_EQ(c.files, ListDir(dir.path()));
    EXPECT_EQ(":Base M.hlp\r\n", ReadBytes(dir.Path("M.cnt")));
    if (c.lastEntry) {
      const std::string log = ReadBytes(dir.Path("run.log"));
      const std::string last = c.lastEntry;
      ASSERT_GE(log.size(), last.size());
      EXPECT_EQ(last, log.substr(log.size() - last.size()));
    }
  }
}

TEST(E2eTest, ReadOnlyOutputIsRefusedAndKept) {
  ScratchDir dir;
  WriteBytes(dir.Path("M.cnt"), ":Base M.hlp\r\n");
  WriteBytes(dir.Path("Out.cnt"), "old");
  namespace fs = std::filesystem;
  fs::permissions(
      dir.Path("Out.cnt"),
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
      fs::perm_options::remove);
  if (std::ofstream(dir.Path("Out.cnt"), std::ios::app)) {
    GTEST_SKIP() << "this user may write read-only files";
  }
  ASSERT_EQ(0, RunTocsplice(dir, {"-s", "-i", "A", "-a", "M.cnt", "-l",
                                  "run.log", "Out.cnt"}));
  EXPECT_EQ("old", ReadBytes(dir.Path("Out.cnt")));
  const std::string log = ReadBytes(dir.Path("run.log"));
  EXPECT_NE(std::string::npos,
            log.find("ERROR=Failed to open file [Out.cnt]\r\n"));
  EXPECT_EQ("M.cnt\nOut.cnt\nrun.log\n", ListDir(dir.path()));
}

TEST(E2eTest, SilentRunWithoutTheThreeNamesDoesNothing) {
  const Args kCases[] = {
      {"-s"},
      {"-s", "-i", "A", "-a", "M.cnt", "-l", "run.log"},
      {"-s", "-a", "M.cnt", "-l", "run.log", "Out.cnt"},
      {"-s", "-i", "", "-a", "M.cnt", "-l", "run.log", "Out.cnt"},
      {"-s", "-i", "A", "-a", "M.cnt", "-l", "run.log", "-s", "-i"},
  };
  for (const Args& args : kCases) {
    SCOPED_TRACE(testing::PrintToString(args));
    ScratchDir dir;
    WriteBytes(dir.Path("M.cnt"), ":Base M.hlp\r\n");
    ASSERT_EQ(0, RunTocsplice(dir, args));
    EXPECT_EQ("M.cnt\n", ListDir(dir.path()));
  }
}

TEST(E2eTest, OptionsInAnyOrderAndCase) {
  ScratchDir dir;
  WriteBytes(dir.Path("M.cnt"), ":Base M.hlp\r\n1 S\r\n");
  ASSERT_EQ(0, RunTocsplice(dir, {"Out.cnt", "-F", "S", "-x", "-A", "M.cnt",
                                  "-RegServer", "-I", "B.hlp", "-o", "-S"}));
  EXPECT_EQ(":Base M.hlp\r\n:Index B=B.hlp\r\n1 S\r\n:include B.cnt\r\n",
            ReadBytes(dir.Path("Out.cnt")));
  EXPECT_EQ("M.cnt\nOut.cnt\n", ListDir(dir.path()));
}

// Shift-JIS: 0x95 0x5C has a backslash as its trail byte, 0x83 0x41 an "A".
// The file names stay ASCII: Wine turns other names into Unix ones only
// under a generated Japanese locale.
TEST(E2eTest, TwoByteCodePageChangesTheResult) {
  ScratchDir dir;
  const std::string masterName = "M.cnt";
  const std::string outputName = "Out.cnt";
  WriteBytes(dir.Path(masterName),
             ":Base M.hlp\r\n\x83"
             "Ab\r\nAb\r\n");
  const std::string input = "C:\\Help\\\x95\\.hlp";
  ASSERT_EQ(0, RunTocsplice(dir, {"-s", "-i", input, "-a", masterName, "-f",
                                  "Ab", "-l", "run.log", outputName}));
  const std::string expected =
      SystemLeadBytes() ? ":Base M.hlp\r\n:Index \x95\\=\x95\\.hlp\r\n\x83"
                          "Ab\r\nAb\r\n"
                          ":include \x95\\.cnt\r\n"
                        : ":Base M.hlp\r\n:Index =.hlp\r\n\x83"
                          "Ab\r\n:include .cnt\r\n"
                          "Ab\r\n";
  EXPECT_EQ(expected, ReadBytes(dir.Path(outputName)));
  const std::string log = ReadBytes(dir.Path("run.log"));
  EXPECT_EQ(0u, log.find(LogHeader(input, outputName, masterName, "Ab")));
}

}  // namespace
