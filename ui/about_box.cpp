#include "ui/about_box.h"

#include "res/resource.h"

CAboutBox::CAboutBox() : CDialog(IDD_ABOUTBOX, nullptr) {}

void CAboutBox::DoDataExchange(bool) {}

// No entries of its own.
bool CAboutBox::HandleMessage(unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam, std::intptr_t* result) {
  return CDialog::HandleMessage(message, wParam, lParam, result);
}
