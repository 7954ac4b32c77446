#pragma once

#include <string>
#include <vector>

// The settings record that the command-line walk fills, one argument at a
// time. Lives as long as the process.
class CCommandLineInfo {
 public:
  virtual ~CCommandLineInfo() = default;

  // One argument; `bSwitch` when it began with "-" or "/", which is then
  // removed; `bLast` for the last argument.
  virtual void HandleArgument(const std::string& argument, bool bSwitch,
                              bool bLast);

  // Whether `word` (without its "-" or "/") is a switch this record knows.
  // Where absolute paths begin with "/", only such a word after a "/" makes
  // a switch.
  virtual bool IsSwitchWord(const std::string& word) const;
};

// How a leading "/" is read: always a switch (Windows), or only before a
// known switch word (POSIX, where it begins every absolute path).
enum class SlashSwitches { kAlways, kKnownWordsOnly };

// Calls info.HandleArgument for each argument, in order.
void WalkCommandLine(CCommandLineInfo& info,
                     const std::vector<std::string>& arguments,
                     SlashSwitches slashes);
