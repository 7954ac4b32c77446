#include "framework/command_line_info.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records every call of the walk, for comparison.
class RecordingInfo : public CCommandLineInfo {
 public:
  void HandleArgument(const std::string& argument, bool bSwitch,
                      bool bLast) override {
    calls += (bSwitch ? "S:" : "V:") + argument + (bLast ? "!" : "") + " ";
  }
  bool IsSwitchWord(const std::string& word) const override {
    return word == "s" || word == "RegServer";
  }
  std::string calls;
};

TEST(WalkCommandLineTest, MarksSwitchesAndTheLastArgument) {
  struct Case {
    std::vector<std::string> args;
    const char* windows;
    const char* posix;
  };
  const Case kCases[] = {
      {{}, "", ""},
      {{"-s", "x"}, "S:s V:x! ", "S:s V:x! "},
      {{"", "-"}, "V: S:! ", "V: S:! "},  // empty is a value; "-" a switch
      {{"/s"}, "S:s! ", "S:s! "},
      {{"/RegServer", "a"}, "S:RegServer V:a! ", "S:RegServer V:a! "},
      // Where absolute paths begin with "/", only a known word is a switch.
      {{"/home/me/M.cnt"}, "S:home/me/M.cnt! ", "V:/home/me/M.cnt! "},
      {{"/", "/x"}, "S: S:x! ", "V:/ V:/x! "},
      {{"-home"}, "S:home! ", "S:home! "},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    RecordingInfo windows;
    WalkCommandLine(windows, c.args, SlashSwitches::kAlways);
    EXPECT_EQ(c.windows, windows.calls);
    RecordingInfo posix;
    WalkCommandLine(posix, c.args, SlashSwitches::kKnownWordsOnly);
    EXPECT_EQ(c.posix, posix.calls);
  }
}

}  // namespace
