#include <windows.h>

#include "ui/usage_dialog.h"

#include "framework/paint_dc_win32.h"

void CUsageDialog::HandlePaint() {
  const HWND window = reinterpret_cast<HWND>(GetSafeHwnd());
  if (!IsIconic(window)) {
    Default();
    return;
  }
  // Minimised, the dialog shows just the icon, centred over the erased
  // icon background.
  CPaintDC paint(window);
  SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.m_hDC),
               0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(window, &client);
  const int x = (client.right - client.left - iconWidth + 1) / 2;
  const int y = (client.bottom - client.top - iconHeight + 1) / 2;
  DrawIcon(paint.m_hDC, x, y, reinterpret_cast<HICON>(m_hAppIcon));
}
