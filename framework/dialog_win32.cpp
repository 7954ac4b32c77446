#include <windows.h>

#include "framework/dialog.h"

#include "framework/dialog_win32_internal.h"
#include "framework/win_app.h"

// Gives the one dialog procedure access to the object's private state.
struct CDialogAccess {
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
};

namespace {

HWND AsWindow(std::intptr_t h) {
  return reinterpret_cast<HWND>(h);
}

// Centres a dialog as the class library does: over its owner while that is
// shown and not minimised, else in the work area, and always inside the work
// area.
void CentreDialog(HWND dialog) {
  RECT work;
  const HMONITOR monitor = MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    work = info.rcWork;
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  }
  RECT centreOn = work;
  const HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &centreOn);
  }
  RECT own;
  GetWindowRect(dialog, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  int x = (centreOn.left + centreOn.right) / 2 - width / 2;
  int y = (centreOn.top + centreOn.bottom) / 2 - height / 2;
  if (x + width > work.right) {
    x = work.right - width;
  }
  if (x < work.left) {
    x = work.left;
  }
  if (y + height > work.bottom) {
    y = work.bottom - height;
  }
  if (y < work.top) {
    y = work.top;
  }
  SetWindowPos(dialog, nullptr, x, y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR CALLBACK CDialogAccess::DialogProc(HWND window, UINT message,
                                           WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<CDialog*>(lParam)->m_hWnd =
        reinterpret_cast<std::intptr_t>(window);
  }
  CDialog* dialog =
      reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!dialog) {
    return FALSE;
  }
  dialog->m_bDefault = false;
  std::intptr_t result = 0;
  const bool handled = dialog->HandleMessage(message, wParam, lParam, &result);
  const bool useDefault = !handled || dialog->m_bDefault;
  if (message == WM_INITDIALOG) {
    CentreDialog(window);
    return handled ? result : TRUE;
  }
  if (message == WM_NCDESTROY) {
    dialog->m_hWnd = 0;
  }
  if (useDefault) {
    return FALSE;
  }
  // These few answer through the return value itself.
  if (message == WM_QUERYDRAGICON || message == WM_CTLCOLORDLG ||
      message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    return result;
  }
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

unsigned DialogTemplateOf(HWND window) {
  if (reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC)) !=
      &CDialogAccess::DialogProc) {
    return 0;
  }
  const CDialog* dialog =
      reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  return dialog ? dialog->TemplateId() : 0;
}

std::intptr_t CDialog::DoModal() {
  // Without a parent, the main window owns the dialog, as in the class
  // library; the main window itself has none.
  const CWinApp* app = CWinApp::GetApp();
  const CDialog* owner = m_pParent;
  if (!owner && app && app->m_pMainWnd != this) {
    owner = app->m_pMainWnd;
  }
  const HWND ownerWindow = owner ? AsWindow(owner->m_hWnd) : nullptr;
  return DialogBoxParamA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), ownerWindow,
      &CDialogAccess::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
  ::EndDialog(AsWindow(m_hWnd), result);
}

bool CDialog::HelpKeyAlone() {
  return GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 &&
         GetKeyState(VK_MENU) >= 0;
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text) {
  return ::AppendMenuA(reinterpret_cast<HMENU>(m_hMenu), flags, id,
                       flags & MF_SEPARATOR ? nullptr : text.c_str()) != 0;
}

CMenu* CDialog::GetSystemMenu() {
  const HMENU handle = ::GetSystemMenu(AsWindow(m_hWnd), FALSE);
  m_systemMenu.m_hMenu = reinterpret_cast<std::intptr_t>(handle);
  return handle ? &m_systemMenu : nullptr;
}

void CDialog::SetIcon(std::intptr_t icon, bool big) {
  SendMessageA(AsWindow(m_hWnd), WM_SETICON, big ? ICON_BIG : ICON_SMALL, icon);
}

std::string LoadResourceString(unsigned id) {
  char buffer[512];
  const int length =
      LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, length) : std::string();
}

std::intptr_t LoadAppIcon(unsigned id) {
  return reinterpret_cast<std::intptr_t>(
      LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}
