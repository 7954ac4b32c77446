// Runs the usage dialog inside the test process, on its main thread, and
// inspects it from a second thread: what another process cannot see (the
// system menu, the icons) and what Windows Help is asked for.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "framework/win_app.h"
#include "res/resource.h"
#include "res/texts.h"
#include "ui/usage_dialog.h"

namespace {

// The application object the dialogs expect, with the help command mapped.
class TestApp : public CWinApp {
 public:
  bool Start() override { return false; }
  bool OnCmdMsg(unsigned id) override {
    if (id == kIdHelp) {
      OnHelp();
      return true;
    }
    return false;
  }
};

TestApp g_app;

struct HelpCall {
  std::string file;
  unsigned command;
  std::uintptr_t context;
};
std::vector<HelpCall> g_helpCalls;

int RecordHelp(std::intptr_t, const char* file, unsigned command,
               std::uintptr_t data) {
  g_helpCalls.push_back({file, command, data});
  return 1;
}

HWND WaitForDialog(const char* caption) {
  for (int i = 0; i < 500; ++i) {
    const HWND window = FindWindowA("#32770", caption);
    if (window && IsWindowVisible(window)) {
      return window;
    }
    Sleep(20);
  }
  return nullptr;
}

std::string MenuText(HMENU menu, int position) {
  char text[128] = "";
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST(UsageDialogInProcessTest, MenuIconsAndHelp) {
  char path[MAX_PATH * 2] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  g_app.m_strProgramPath = path;
  SetWinHelpFunction(&RecordHelp);
  g_helpCalls.clear();

  struct Seen {
    int count = -1;
    UINT lastButOneState = 0;
    std::string lastText;
    UINT lastId = 0;
    HICON big = nullptr;
    HICON small = nullptr;
    HICON dragged = nullptr;
    bool minimised = false;
    bool aboutOpened = false;
    std::atomic<bool> done{false};
  } seen;
  std::thread inspector([&seen] {
    const HWND dialog = WaitForDialog(TEXT_USAGE_CAPTION);
    if (!dialog) {
      seen.done = true;
      return;
    }
    // Our separator and entry are the last two, after whatever the system
    // puts there.
    const HMENU menu = GetSystemMenu(dialog, FALSE);
    seen.count = GetMenuItemCount(menu);
    seen.lastButOneState = GetMenuState(menu, seen.count - 2, MF_BYPOSITION);
    seen.lastText = MenuText(menu, seen.count - 1);
    seen.lastId = GetMenuItemID(menu, seen.count - 1);
    seen.big =
        reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
    seen.small = reinterpret_cast<HICON>(
        SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
    // Minimised, the dialog is dragged as its icon.
    ShowWindow(dialog, SW_MINIMIZE);
    seen.minimised = IsIconic(dialog);
    seen.dragged =
        reinterpret_cast<HICON>(SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0));
    ShowWindow(dialog, SW_RESTORE);
    HELPINFO help = {};
    help.cbSize = sizeof help;
    SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    const HWND about = WaitForDialog(TEXT_ABOUT_CAPTION);
    seen.aboutOpened = about != nullptr;
    if (about) {
      SendMessageA(about, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
      PostMessageA(about, WM_COMMAND, IDOK, 0);
      for (int i = 0; i < 100 && IsWindow(about); ++i) {
        Sleep(20);
      }
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    seen.done = true;
  });
  CUsageDialog dialog;
  g_app.m_pMainWnd = &dialog;
  const std::intptr_t result = dialog.DoModal();
  g_app.m_pMainWnd = nullptr;
  inspector.join();
  SetWinHelpFunction(nullptr);

  EXPECT_EQ(IDCANCEL, result);
  ASSERT_GE(seen.count, 2);
  EXPECT_TRUE(seen.lastButOneState & MF_SEPARATOR);
  EXPECT_EQ(TEXT_ABOUT_MENU, seen.lastText);
  EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), seen.lastId);
  const HICON appIcon =
      LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  EXPECT_TRUE(appIcon);
  EXPECT_EQ(appIcon, seen.big);
  EXPECT_EQ(appIcon, seen.small);
  EXPECT_EQ(appIcon, seen.dragged);
  EXPECT_TRUE(seen.minimised);
  EXPECT_TRUE(seen.aboutOpened);

  std::string helpFile = path;
  helpFile = helpFile.substr(0, helpFile.rfind('.')) + ".HLP";
  ASSERT_EQ(2u, g_helpCalls.size());
  EXPECT_EQ(helpFile, g_helpCalls[0].file);
  EXPECT_EQ(static_cast<unsigned>(HELP_CONTEXT), g_helpCalls[0].command);
  EXPECT_EQ(0x20000u + IDD_USAGE, g_helpCalls[0].context);
  EXPECT_EQ(helpFile, g_helpCalls[1].file);
  EXPECT_EQ(0x20000u + IDD_ABOUTBOX, g_helpCalls[1].context);
}

}  // namespace
