#include "framework/command_line_info.h"

// The base record knows only the framework's own shell switches, which this
// program never reads, so there is nothing to keep.
void CCommandLineInfo::HandleArgument(const std::string&, bool, bool) {}

bool CCommandLineInfo::IsSwitchWord(const std::string&) const {
  return false;
}

void WalkCommandLine(CCommandLineInfo& info,
                     const std::vector<std::string>& arguments,
                     SlashSwitches slashes) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    const bool last = i + 1 == arguments.size();
    bool isSwitch = !arg.empty() && (arg[0] == '-' || arg[0] == '/');
    if (isSwitch && arg[0] == '/' &&
        slashes == SlashSwitches::kKnownWordsOnly) {
      isSwitch = info.IsSwitchWord(arg.substr(1));
    }
    info.HandleArgument(isSwitch ? arg.substr(1) : arg, isSwitch, last);
  }
}
