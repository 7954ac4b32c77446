#pragma once

#include <string>
#include <vector>

#include "framework/command_line_info.h"

// Stands in for the application framework: the one application object, which
// the entry point starts once and which ends with the process.
class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The instance start-up; returning false ends the process at once.
  virtual bool Start() = 0;

  // Hands the process's arguments, after the program name, to `info`.
  void ParseCommandLine(CCommandLineInfo& info);

  // Called by the entry point with the platform's arguments: runs Start once
  // and gives the process's exit status.
  static int Run(std::vector<std::string> arguments, SlashSwitches slashes);

 private:
  std::vector<std::string> m_arguments;
  SlashSwitches m_slashes = SlashSwitches::kAlways;
};
