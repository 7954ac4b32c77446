#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/command_line_info.h"

class CDialog;

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
  // The application's command map: true when it handled the command.
  virtual bool OnCmdMsg(unsigned id);

  // Hands the process's arguments, after the program name, to `info`.
  void ParseCommandLine(CCommandLineInfo& info);
  // Three-dimensional dialog controls; every system this program runs on
  // draws them itself, so nothing is left to switch.
  void Enable3dControls() {}
  // Asks Windows Help for the help context of the window with the focus, in
  // the help file named like the program; says so in a message box when it
  // cannot.
  void OnHelp();

  static CWinApp* GetApp();
  // Called by the entry point with the platform's arguments: runs Start once
  // and gives the process's exit status.
  static int Run(const std::string& programPath,
                 std::vector<std::string> arguments, SlashSwitches slashes);

  // The window that owns later dialogs and receives the help command.
  CDialog* m_pMainWnd = nullptr;
  // The program file's name without folder and extension.
  std::string m_strAppName;
  // The program file's full path.
  std::string m_strProgramPath;

 private:
  std::vector<std::string> m_arguments;
  SlashSwitches m_slashes = SlashSwitches::kAlways;
};

// The call to Windows Help, replaceable by tests: (window, help file,
// command, data); nonzero on success.
using WinHelpFunction = int (*)(std::intptr_t, const char*, unsigned,
                                std::uintptr_t);
void SetWinHelpFunction(WinHelpFunction function);
