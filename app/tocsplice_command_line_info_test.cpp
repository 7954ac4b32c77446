#include "app/tocsplice_command_line_info.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

CTocspliceCommandLineInfo ParseArgs(const std::vector<std::string>& args,
                                    SlashSwitches slashes) {
  CTocspliceCommandLineInfo info;
  WalkCommandLine(info, args, slashes);
  return info;
}

struct Record {
  bool silent;
  const char* output;
  const char* input;
  const char* merge;
  const char* section;
  const char* log;
};

void ExpectRecord(const Record& expected,
                  const CTocspliceCommandLineInfo& info) {
  EXPECT_EQ(expected.silent, info.m_bSilent);
  EXPECT_EQ(expected.output, info.m_strOutputFile);
  EXPECT_EQ(expected.input, info.m_strInputFile);
  EXPECT_EQ(expected.merge, info.m_strMergeFile);
  EXPECT_EQ(expected.section, info.m_strSection);
  EXPECT_EQ(expected.log, info.m_strLogFile);
}

TEST(TocspliceCommandLineInfoTest, FillsTheRecordOnEveryPlatform) {
  struct Case {
    std::vector<std::string> args;
    Record record;
  };
  const Case kCases[] = {
      {{}, {false, "", "", "", "", ""}},
      {{"-s", "-i", "A", "-a", "B", "Z"}, {true, "Z", "A", "B", "", ""}},
      {{"-s", "-a", "B", "-i", "A", "-o", "Z"}, {true, "Z", "A", "B", "", ""}},
      {{"-s", "-i", "M.hlp", "-a", "C.cnt", "-f", "Drives", "-l", "run.log",
        "Out.cnt"},
       {true, "Out.cnt", "M.hlp", "C.cnt", "Drives", "run.log"}},
      {{"-i", "A", "B"}, {false, "B", "A", "", "", ""}},
      {{"-i", "-a", "B"}, {false, "", "", "B", "", ""}},  // later letter wins
      {{"-i", "-s", "Z"}, {true, "Z", "", "", "", ""}},   // -s drops it
      {{"-i", "-x", "A"}, {false, "", "A", "", "", ""}},  // unknown does not
      {{"-i", "-regserver", "A"}, {false, "", "A", "", "", ""}},
      {{"-i", "A", "-i", "D"}, {false, "", "D", "", "", ""}},
      {{"-S", "-I", "A", "-A", "B", "-F", "s", "-L", "l", "Z"},
       {true, "Z", "A", "B", "s", "l"}},
      {{"-si", "A"}, {false, "A", "", "", "", ""}},
      {{"--s", "A"}, {false, "A", "", "", "", ""}},
      {{"-", "A"}, {false, "A", "", "", "", ""}},
      {{"-s", "-i", "", "-a", "B", "Z"}, {true, "Z", "", "B", "", ""}},
      {{"-l"}, {false, "", "", "", "", ""}},  // left pending, nothing stored
      {{"-f", "", "-l", "L"}, {false, "", "", "", "", "L"}},
      {{"-i", "A", "-a", "-B", "Z"}, {false, "", "A", "Z", "", ""}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    ExpectRecord(c.record, ParseArgs(c.args, SlashSwitches::kAlways));
    ExpectRecord(c.record, ParseArgs(c.args, SlashSwitches::kKnownWordsOnly));
  }
}

TEST(TocspliceCommandLineInfoTest, SlashSwitchesByPlatform) {
  struct Case {
    std::vector<std::string> args;
    Record windows;
    Record posix;
  };
  const Case kCases[] = {
      {{"/s", "/I", "A", "/a", "B", "Z"},
       {true, "Z", "A", "B", "", ""},
       {true, "Z", "A", "B", "", ""}},
      {{"-i", "/RegServer", "A"},
       {false, "", "A", "", "", ""},
       {false, "", "A", "", "", ""}},
      // An absolute path is a value on POSIX, an ignored switch on Windows.
      {{"-s", "-i", "M.hlp", "-a", "/home/me/C.cnt", "/tmp/Out.cnt"},
       {true, "", "M.hlp", "", "", ""},
       {true, "/tmp/Out.cnt", "M.hlp", "/home/me/C.cnt", "", ""}},
      {{"-a", "/s"}, {true, "", "", "", "", ""}, {true, "", "", "", "", ""}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    ExpectRecord(c.windows, ParseArgs(c.args, SlashSwitches::kAlways));
    ExpectRecord(c.posix, ParseArgs(c.args, SlashSwitches::kKnownWordsOnly));
  }
}

TEST(TocspliceCommandLineInfoTest, KnowsItsSwitchWordsInAnyCase) {
  const CTocspliceCommandLineInfo info;
  for (const char* word :
       {"s", "S", "i", "l", "a", "f", "regserver", "REGSERVER", "RegServer"}) {
    EXPECT_TRUE(info.IsSwitchWord(word)) << word;
  }
  for (const char* word : {"", "o", "si", "home", "RegServe", "RegServerX"}) {
    EXPECT_FALSE(info.IsSwitchWord(word)) << word;
  }
}

}  // namespace
