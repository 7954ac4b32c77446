#include <windows.h>

#include "framework/code_page.h"
#include "framework/command_line_split.h"
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A drive without a medium must fail the open, not stop a silent run with
  // a system message box.
  const UINT mode = SetErrorMode(0);
  SetErrorMode(mode | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  char path[MAX_PATH * 2] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  // The C run-time's own split differs between versions on "" inside
  // quotes, so the raw command line is split here, after the code page is
  // known.
  return CWinApp::Run(path,
                      SplitCommandLine(GetCommandLineA(), SystemLeadBytes()),
                      SlashSwitches::kAlways);
}
