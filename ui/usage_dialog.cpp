#include "ui/usage_dialog.h"

#include <string>

#include "res/resource.h"
#include "ui/about_box.h"

CUsageDialog::CUsageDialog(CDialog* parent)
    : CDialog(IDD_USAGE, parent), m_hAppIcon(LoadAppIcon(IDI_APP)) {}

void CUsageDialog::DoDataExchange(bool) {}

bool CUsageDialog::HandleMessage(unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam, std::intptr_t* result) {
  switch (message) {
  case kWmSysCommand:
    HandleSysCommand(wParam, lParam);
    return true;
  case kWmPaint:
    HandlePaint();
    return true;
  case kWmQueryDragIcon:
    *result = HandleQueryDragIcon();
    return true;
  default:
    return CDialog::HandleMessage(message, wParam, lParam, result);
  }
}

bool CUsageDialog::HandleInitDialog() {
  CDialog::HandleInitDialog();
  if (CMenu* menu = GetSystemMenu()) {
    const std::string about = LoadResourceString(IDS_ABOUTBOX);
    if (!about.empty()) {
      menu->AppendMenu(kMfSeparator, 0, "");
      menu->AppendMenu(kMfString, IDM_ABOUTBOX, about);
    }
  }
  SetIcon(m_hAppIcon, true);
  SetIcon(m_hAppIcon, false);
  return true;
}

void CUsageDialog::HandleSysCommand(std::uintptr_t id, std::intptr_t) {
  // The low four bits belong to the system; everything above the low
  // sixteen is not part of the command.
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutBox about;
    about.DoModal();
  } else {
    Default();
  }
}

std::intptr_t CUsageDialog::HandleQueryDragIcon() {
  return m_hAppIcon;
}
