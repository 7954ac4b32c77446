#pragma once

#include <windows.h>

// A paint context for one WM_PAINT: begun on construction, ended on
// destruction.
class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_hWnd(window) {
    m_hDC = BeginPaint(window, &m_ps);
  }
  ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC m_hDC;

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};
