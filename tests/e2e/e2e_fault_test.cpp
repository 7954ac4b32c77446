#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/e2e.h"
#include "tests/e2e/run_program.h"
#include "tests/reference_merge.h"

namespace {

using Args = std::vector<std::string>;

// Runs the program with the fault shim preloaded and `env` set; `fired`
// tells whether a fault was injected.
int RunFaulty(const ScratchDir& dir, const Args& env, const Args& args,
              bool* fired = nullptr) {
  const std::string marker = dir.path() + ".fired";
  std::remove(marker.c_str());
  Args command = env;
  command.push_back("TOCSPLICE_FAULT_FIRED=" + marker);
  command.push_back("LD_PRELOAD=" TOCSPLICE_FAULT_SHIM);
  command.push_back("ASAN_OPTIONS=verify_asan_link_order=0");
  command.push_back(TOCSPLICE_PROGRAM);
  command.insert(command.end(), args.begin(), args.end());
  const int status = RunProgram("/usr/bin/env", command, dir.path());
  if (fired) {
    *fired = FileExists(marker);
  }
  std::remove(marker.c_str());
  return status;
}

std::string Tail(const std::string& s, std::size_t n) {
  return s.size() < n ? s : s.substr(s.size() - n);
}

const Args kMergeIntoMaster = {"-s", "-i",   "Motor.hlp", "-a",      "M.cnt",
                               "-f", "Indy", "-l",        "run.log", "M.cnt"};

// Every write, flush, close and rename of the new output, failing one at a
// time: the master, which the output names, must come through intact.
TEST(FaultTest, OutputFaultsNeverLoseTheMaster) {
  struct Case {
    const char* op;
    const char* match;
  };
  const Case kCases[] = {
      {"copy_file_range", ".tocsplice-"},
      {"writev", ".tocsplice-"},
      {"fsync", ".tocsplice-"},
      {"close", ".tocsplice-"},
      {"rename", "M.cnt"},
  };
  for (const Case& c : kCases) {
    for (int nth = 1;; ++nth) {
      SCOPED_TRACE(std::string(c.op) + " #" + std::to_string(nth));
      ScratchDir dir;
      CopyFixture("Indy10.cnt", dir, "M.cnt");
      const std::string master = ReadBytes(dir.Path("M.cnt"));
      bool fired = false;
      ASSERT_EQ(0, RunFaulty(dir,
                             {std::string("TOCSPLICE_FAULT_OP=") + c.op,
                              std::string("TOCSPLICE_FAULT_MATCH=") + c.match,
                              "TOCSPLICE_FAULT_NTH=" + std::to_string(nth),
                              "TOCSPLICE_FAULT_ERRNO=28"},
                             kMergeIntoMaster, &fired));
      if (!fired) {
        ASSERT_GT(nth, 1) << "the fault was never injected";
        break;
      }
      EXPECT_EQ(master, ReadBytes(dir.Path("M.cnt")));
      EXPECT_EQ("M.cnt\nrun.log\n", ListDir(dir.path()));
      EXPECT_EQ("ERROR=Failed to write file [M.cnt]\r\n",
                Tail(ReadBytes(dir.Path("run.log")), 36));
    }
  }
}

// A full disk at each write of the run log in turn: the entry is lost, the
// log says so if it still can, and the merge itself is done all the same.
TEST(FaultTest, LogFaultsLeaveTheMergeDone) {
  for (int nth = 0;; ++nth) {
    SCOPED_TRACE(nth == 0 ? std::string("every write")
                          : "#" + std::to_string(nth));
    ScratchDir dir;
    CopyFixture("T42.cnt", dir, "M.cnt");
    const std::string master = ReadBytes(dir.Path("M.cnt"));
    bool fired = false;
    ASSERT_EQ(0, RunFaulty(dir,
                           {"TOCSPLICE_FAULT_OP=writev",
                            "TOCSPLICE_FAULT_MATCH=run.log",
                            "TOCSPLICE_FAULT_NTH=" + std::to_string(nth),
                            "TOCSPLICE_FAULT_ERRNO=28"},
                           {"-s", "-i", "Motor.hlp", "-a", "M.cnt", "-f",
                            "Options", "-l", "run.log", "Out.cnt"},
                           &fired));
    if (!fired) {
      ASSERT_GT(nth, 1) << "the fault was never injected";
      break;
    }
    EXPECT_EQ(ReferenceMerge(master, "Motor.hlp", "Options").output,
              ReadBytes(dir.Path("Out.cnt")));
    EXPECT_EQ("M.cnt\nOut.cnt\nrun.log\n", ListDir(dir.path()));
    const std::string log = ReadBytes(dir.Path("run.log"));
    if (nth > 0) {
      EXPECT_EQ("ERROR=Failed to write file [run.log]\r\n", Tail(log, 38));
    } else {
      EXPECT_EQ("", log);
    }
  }
}

TEST(FaultTest, MasterReadFaults) {
  struct Case {
    const char* name;
    Args env;
    bool merged;  // else the read fails
  };
  const Case kCases[] = {
      {"read error", {"TOCSPLICE_FAULT_OP=mmap,read"}, false},
      {"failing close", {"TOCSPLICE_FAULT_OP=mmap,close"}, false},
      {"short reads",
       {"TOCSPLICE_FAULT_OP=mmap,read", "TOCSPLICE_FAULT_SHORT=1"},
       true},
      {"reads of the mapped file fail", {"TOCSPLICE_FAULT_OP=pread"}, true},
      {"short reads of the mapped file",
       {"TOCSPLICE_FAULT_OP=pread", "TOCSPLICE_FAULT_SHORT=1"},
       true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    CopyFixture("Indy10.cnt", dir, "M.cnt");
    const std::string master = ReadBytes(dir.Path("M.cnt"));
    Args env = c.env;
    env.push_back("TOCSPLICE_FAULT_MATCH=M.cnt");
    bool fired = false;
    ASSERT_EQ(0, RunFaulty(dir, env,
                           {"-s", "-i", "Motor.hlp", "-a", "M.cnt", "-f",
                            "Indy", "-l", "run.log", "Out.cnt"},
                           &fired));
    ASSERT_TRUE(fired);
    EXPECT_EQ(master, ReadBytes(dir.Path("M.cnt")));
    if (c.merged) {
      EXPECT_EQ(ReferenceMerge(master, "Motor.hlp", "Indy").output,
                ReadBytes(dir.Path("Out.cnt")));
    } else {
      EXPECT_EQ("M.cnt\nrun.log\n", ListDir(dir.path()));
      EXPECT_EQ("ERROR=Failed to read file [M.cnt]\r\n",
                Tail(ReadBytes(dir.Path("run.log")), 35));
    }
  }
}

// Two runs at once over the same output and log: each finishes or is turned
// away, and the output is always one run's complete result.
TEST(FaultTest, TwoRunsAtOnceNeverMix) {
  ScratchDir dir;
  CopyFixture("Indy10.cnt", dir, "M.cnt");
  const std::string master = ReadBytes(dir.Path("M.cnt"));
  const std::string a = ReferenceMerge(master, "A.hlp", "Indy").output;
  const std::string b = ReferenceMerge(master, "B.hlp", "Indy").output;
  for (int round = 0; round < 10; ++round) {
    SCOPED_TRACE(round);
    ASSERT_EQ(0, RunProgram("/bin/sh",
                            {"-c",
                             "for m in A B; do \"$1\" -s -i $m.hlp -a M.cnt "
                             "-f Indy -l run.log Out.cnt & done; wait",
                             "sh", TOCSPLICE_PROGRAM},
                            dir.path()));
    const std::string output = ReadBytes(dir.Path("Out.cnt"));
    EXPECT_TRUE(output == a || output == b);
    EXPECT_EQ("M.cnt\nOut.cnt\nrun.log\n", ListDir(dir.path()));
    const std::string log = ReadBytes(dir.Path("run.log"));
    EXPECT_TRUE(log.find("ERROR=") == std::string::npos ||
                Tail(log, 37) == "ERROR=Failed to open file [Out.cnt]\r\n")
        << log;
  }
}

}  // namespace
