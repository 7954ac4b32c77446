// Drives the Windows program's usage dialog from outside its process, as a
// user would, and checks what the dialog shows and does.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/texts.h"
#include "tests/scratch_dir.h"

namespace {

struct Search {
  DWORD pid;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  Search* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  if (pid == s->pid && IsWindowVisible(window) &&
      std::string(text) == s->caption) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

// The program under test, started without -s in a scratch directory; ended
// on every way out of a test.
class UsageProcess {
 public:
  explicit UsageProcess(const std::string& dir, const std::string& args = "") {
    std::string commandLine = "\"" TOCSPLICE_PROGRAM "\" " + args;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    m_bStarted =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0,
                       nullptr, dir.c_str(), &startup, &m_process) != 0;
  }
  ~UsageProcess() {
    if (m_bStarted) {
      TerminateProcess(m_process.hProcess, 1);
      WaitForSingleObject(m_process.hProcess, 5000);
      CloseHandle(m_process.hThread);
      CloseHandle(m_process.hProcess);
    }
  }

  // The process's visible top-level dialog with this caption, waited for.
  HWND FindDialog(const char* caption, int milliseconds = 10000) const {
    for (int waited = 0; waited <= milliseconds; waited += 20) {
      Search search = {m_process.dwProcessId, caption, nullptr};
      EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found) {
        return search.found;
      }
      Sleep(20);
    }
    return nullptr;
  }

  // The exit status once the process has ended, or -1 when it does not end.
  int WaitForExit(int milliseconds = 5000) {
    if (WaitForSingleObject(m_process.hProcess, milliseconds) !=
        WAIT_OBJECT_0) {
      return -1;
    }
    DWORD status = 0;
    GetExitCodeProcess(m_process.hProcess, &status);
    return static_cast<int>(status);
  }

  DWORD ThreadId() const { return m_process.dwThreadId; }
  bool Started() const { return m_bStarted; }

 private:
  PROCESS_INFORMATION m_process = {};
  bool m_bStarted = false;
};

struct Control {
  std::string className;
  int id;
  std::string text;
  LONG style;
  RECT rect;
  HWND window;
};

std::vector<Control> Controls(HWND dialog) {
  std::vector<Control> controls;
  for (HWND child = GetWindow(dialog, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    char text[1024] = "";
    GetWindowTextA(child, text, sizeof text);
    RECT rect;
    GetWindowRect(child, &rect);
    controls.push_back({className, static_cast<int>(GetDlgCtrlID(child)), text,
                        GetWindowLongA(child, GWL_STYLE), rect, child});
  }
  return controls;
}

bool SameClass(const std::string& a, const char* b) {
  return _stricmp(a.c_str(), b) == 0;
}

RECT WorkArea() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

void ExpectCentredOver(HWND window, const RECT& area) {
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_NEAR((area.left + area.right) / 2, (rect.left + rect.right) / 2, 2);
  EXPECT_NEAR((area.top + area.bottom) / 2, (rect.top + rect.bottom) / 2, 2);
  const RECT work = WorkArea();
  EXPECT_GE(rect.left, work.left);
  EXPECT_GE(rect.top, work.top);
  EXPECT_LE(rect.right, work.right);
  EXPECT_LE(rect.bottom, work.bottom);
}

// Saves what the screen shows as a bitmap file, for a look afterwards.
void SaveScreen(const std::string& name) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  const DWORD size = stride * height;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + size;
  info.bmiHeader.biSizeImage = size;
  const std::string bytes =
      std::string(reinterpret_cast<char*>(&file), sizeof file) +
      std::string(reinterpret_cast<char*>(&info.bmiHeader),
                  sizeof info.bmiHeader) +
      std::string(static_cast<char*>(bits), size);
  WriteBytes(name + ".bmp", bytes);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST(UsageDialogTest, ShowsTheTemplate) {
  ScratchDir dir;
  UsageProcess process(dir.path());
  ASSERT_TRUE(process.Started());
  const HWND dialog = process.FindDialog(TEXT_USAGE_CAPTION);
  ASSERT_TRUE(dialog) << "the usage dialog did not appear";
  Sleep(300);
  SaveScreen("usage_dialog");

  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  const DWORD kStyles[] = {WS_POPUP, WS_VISIBLE, WS_CAPTION, WS_SYSMENU,
                           DS_MODALFRAME};
  for (DWORD bit : kStyles) {
    EXPECT_EQ(bit, static_cast<DWORD>(style) & bit) << std::hex << bit;
  }
  EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  char className[64] = "";
  GetClassNameA(dialog, className, sizeof className);
  EXPECT_STREQ("#32770", className);

  struct Expected {
    const char* className;
    int id;
    const char* text;
    LONG styles;
  };
  const Expected kExpected[] = {
      {"Button", IDOK, TEXT_OK, BS_DEFPUSHBUTTON | WS_TABSTOP},
      {"Button", IDCANCEL, TEXT_CANCEL, BS_PUSHBUTTON | WS_TABSTOP},
      {"Static", -1, TEXT_USAGE_1, SS_LEFT | WS_GROUP},
      {"Static", -1, TEXT_USAGE_2, SS_LEFT | WS_GROUP},
      {"Static", -1, TEXT_USAGE_3, SS_LEFT | WS_GROUP},
  };
  const std::vector<Control> controls = Controls(dialog);
  ASSERT_EQ(std::size(kExpected), controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(i);
    const Expected& e = kExpected[i];
    EXPECT_TRUE(SameClass(controls[i].className, e.className))
        << controls[i].className;
    EXPECT_EQ(e.id, static_cast<short>(controls[i].id));
    EXPECT_EQ(std::string(e.text), controls[i].text);
    EXPECT_EQ(e.styles | WS_CHILD | WS_VISIBLE,
              controls[i].style & (e.styles | WS_CHILD | WS_VISIBLE | 0xF));
  }
  EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID),
            static_cast<LONG>(SendMessageA(dialog, DM_GETDEFID, 0, 0)));
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  ASSERT_TRUE(GetGUIThreadInfo(process.ThreadId(), &gui));
  EXPECT_EQ(GetDlgItem(dialog, IDOK), gui.hwndFocus);
  ExpectCentredOver(dialog, WorkArea());
}

// System commands 16 to 31 open the About box, owned by the usage dialog,
// which stays disabled meanwhile; 15 and 32 do not; it opens again after it
// closes.
TEST(UsageDialogTest, SystemCommandsOpenTheAboutBox) {
  ScratchDir dir;
  UsageProcess process(dir.path());
  const HWND dialog = process.FindDialog(TEXT_USAGE_CAPTION);
  ASSERT_TRUE(dialog);
  const WPARAM kOpening[] = {16, 17, 31, 0x10010};
  for (WPARAM command : kOpening) {
    SCOPED_TRACE(command);
    PostMessageA(dialog, WM_SYSCOMMAND, command, 0);
    const HWND about = process.FindDialog(TEXT_ABOUT_CAPTION, 5000);
    ASSERT_TRUE(about) << "no About box";
    EXPECT_EQ(dialog, GetWindow(about, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(dialog));
    if (command == 16) {
      Sleep(300);
      SaveScreen("about_box");
      RECT over;
      GetWindowRect(dialog, &over);
      ExpectCentredOver(about, over);
      const std::vector<Control> controls = Controls(about);
      ASSERT_EQ(4u, controls.size());
      EXPECT_TRUE(controls[0].style & SS_ICON);
      EXPECT_EQ(TEXT_ABOUT_VERSION, controls[1].text);
      EXPECT_EQ(IDOK, controls[3].id);
    }
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(about); ++i) {
      Sleep(20);
    }
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(dialog));
  }
  for (WPARAM command : {WPARAM{15}, WPARAM{32}}) {
    SCOPED_TRACE(command);
    PostMessageA(dialog, WM_SYSCOMMAND, command, 0);
    EXPECT_FALSE(process.FindDialog(TEXT_ABOUT_CAPTION, 500));
  }
  EXPECT_TRUE(IsWindow(dialog));
}

// OK, Cancel, Escape and the close command each end the program, and no file
// is made or changed.
TEST(UsageDialogTest, EveryWayOutEndsTheProgram) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
  };
  const Case kCases[] = {
      {"OK", WM_COMMAND, IDOK},
      {"Cancel", WM_COMMAND, IDCANCEL},
      {"Escape", WM_KEYDOWN, VK_ESCAPE},
      {"close", WM_SYSCOMMAND, SC_CLOSE},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteBytes(dir.Path("M.cnt"), ":Base M.hlp\r\n");
    UsageProcess process(dir.path(), "-i A.hlp -a M.cnt -l run.log Out.cnt");
    const HWND dialog = process.FindDialog(TEXT_USAGE_CAPTION);
    ASSERT_TRUE(dialog);
    if (c.message == WM_KEYDOWN) {
      // Escape as a key of the focused button, as the keyboard sends it.
      PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYUP, VK_ESCAPE, 0xC0010001);
    } else {
      PostMessageA(dialog, c.message, c.wParam, 0);
    }
    EXPECT_NE(-1, process.WaitForExit());
    EXPECT_EQ("M.cnt\n", ListDir(dir.path()));
    EXPECT_EQ(":Base M.hlp\r\n", ReadBytes(dir.Path("M.cnt")));
  }
}

// Without Windows Help, F1 ends in the class library's message.
TEST(UsageDialogTest, HelpThatCannotStartSaysSo) {
  ScratchDir dir;
  UsageProcess process(dir.path());
  const HWND dialog = process.FindDialog(TEXT_USAGE_CAPTION);
  ASSERT_TRUE(dialog);
  HELPINFO help = {};
  help.cbSize = sizeof help;
  help.iContextType = HELPINFO_WINDOW;
  help.iCtrlId = IDOK;
  // The keyboard's F1 reaches the dialog as WM_HELP.
  SetForegroundWindow(dialog);
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof keys[0]);
  const HWND box = process.FindDialog("tocsplice", 5000);
  ASSERT_TRUE(box) << "no message box";
  Sleep(200);
  SaveScreen("help_failed");
  bool saysIt = false;
  bool hasIcon = false;
  for (const Control& control : Controls(box)) {
    saysIt = saysIt || control.text == "Failed to launch help.";
    hasIcon = hasIcon || (SameClass(control.className, "Static") &&
                          (control.style & SS_ICON));
  }
  EXPECT_TRUE(saysIt);
  EXPECT_TRUE(hasIcon);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 100 && IsWindow(box); ++i) {
    Sleep(20);
  }
  EXPECT_TRUE(IsWindow(dialog));
}

}  // namespace
