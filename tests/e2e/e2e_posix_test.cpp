#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/e2e.h"
#include "tests/e2e/run_program.h"
#include "tests/reference_merge.h"

namespace {

// Runs a shell command line in `dir`, with the program's path as $T.
int RunShell(const ScratchDir& dir, const std::string& script) {
  return RunProgram("/bin/sh", {"-c", script, "sh", TOCSPLICE_PROGRAM},
                    dir.path());
}

std::string Tail(const std::string& s, std::size_t n) {
  return s.size() < n ? s : s.substr(s.size() - n);
}

TEST(E2ePosixTest, AbsolutePathsAreNamesNotSwitches) {
  ScratchDir dir;
  CopyFixture("T42.cnt", dir, "M.cnt");
  const std::string out = dir.Path("Out.cnt");
  const std::string log = dir.Path("run.log");
  ASSERT_EQ(
      0, RunTocsplice(dir, {"-s", "-i", "/x/Motor.hlp", "-a", dir.Path("M.cnt"),
                            "-f", "Windows", "-l", log, out}));
  const std::string master = ReadBytes(dir.Path("M.cnt"));
  EXPECT_EQ(ReferenceMerge(master, "/x/Motor.hlp", "Windows").output,
            ReadBytes(out));
  EXPECT_EQ(0u, ReadBytes(log).find(LogHeader("/x/Motor.hlp", out,
                                              dir.Path("M.cnt"), "Windows")));
}

TEST(E2ePosixTest, AMasterFromAPipeIsReadToItsEnd) {
  ScratchDir dir;
  CopyFixture("Indy10.cnt", dir, "M.cnt");
  ASSERT_EQ(0, RunShell(dir,
                        "cat M.cnt | \"$1\" -s -i X.hlp -a /dev/stdin "
                        "-f Indy -l run.log Out.cnt"));
  EXPECT_EQ(
      ReferenceMerge(ReadBytes(dir.Path("M.cnt")), "X.hlp", "Indy").output,
      ReadBytes(dir.Path("Out.cnt")));
}

TEST(E2ePosixTest, WriteFailuresAreLoggedAndLoseNothing) {
  struct Case {
    const char* name;
    const char* script;
    const char* lastEntry;
    bool masterIntact;
  };
  const Case kCases[] = {
      {"full device as output", "\"$1\" -s -i A -a M.cnt -l run.log /dev/full",
       "ERROR=Failed to write file [/dev/full]\r\n", true},
      // Writes past 8 KiB fail as on a full disk.
      {"full disk while replacing the master",
       "trap '' XFSZ; ulimit -f 16; "
       "\"$1\" -s -i A -a M.cnt -f Indy -l run.log M.cnt",
       "ERROR=Failed to write file [M.cnt]\r\n", true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    CopyFixture("Indy10.cnt", dir, "M.cnt");
    const std::string master = ReadBytes(dir.Path("M.cnt"));
    ASSERT_EQ(0, RunShell(dir, c.script));
    const std::string last = c.lastEntry;
    EXPECT_EQ(last, Tail(ReadBytes(dir.Path("run.log")), last.size()));
    EXPECT_EQ(master, ReadBytes(dir.Path("M.cnt")));
    EXPECT_EQ("M.cnt\nrun.log\n", ListDir(dir.path()));
  }
}

TEST(E2ePosixTest, ALogThatCannotBeWrittenLeavesTheMergeDone) {
  ScratchDir dir;
  CopyFixture("T42.cnt", dir, "M.cnt");
  ASSERT_EQ(0, RunTocsplice(dir, {"-s", "-i", "A", "-a", "M.cnt", "-l",
                                  "/dev/full", "Out.cnt"}));
  EXPECT_EQ(ReferenceMerge(ReadBytes(dir.Path("M.cnt")), "A", "").output,
            ReadBytes(dir.Path("Out.cnt")));
}

TEST(E2ePosixTest, AnOutputHeldByAnotherWriterIsRefused) {
  ScratchDir dir;
  WriteBytes(dir.Path("M.cnt"), ":Base M\r\n");
  WriteBytes(dir.Path("Out.cnt"), "held");
  ASSERT_EQ(0, RunShell(dir,
                        "flock -n Out.cnt \"$1\" -s -i A -a M.cnt "
                        "-l run.log Out.cnt"));
  EXPECT_EQ("held", ReadBytes(dir.Path("Out.cnt")));
  EXPECT_EQ("ERROR=Failed to open file [Out.cnt]\r\n",
            Tail(ReadBytes(dir.Path("run.log")), 37));
}

}  // namespace
