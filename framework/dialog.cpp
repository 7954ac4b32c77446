#include "framework/dialog.h"

#include "framework/win_app.h"

// The parts of the dialog that are the same wherever it is shown.

CDialog::CDialog(unsigned templateId, CDialog* parent)
    : m_nTemplateId(templateId), m_pParent(parent) {}

CDialog::~CDialog() = default;

bool CDialog::HandleInitDialog() {
  DoDataExchange(false);
  return true;
}

void CDialog::DoDataExchange(bool) {}

void CDialog::OnOK() {
  DoDataExchange(true);
  EndDialog(kIdOk);
}

void CDialog::OnCancel() {
  EndDialog(kIdCancel);
}

bool CDialog::HandleMessage(unsigned message, std::uintptr_t wParam,
                            std::intptr_t, std::intptr_t* result) {
  switch (message) {
  case kWmInitDialog:
    *result = HandleInitDialog();
    return true;
  case kWmCommand:
    if ((wParam & 0xFFFF) == static_cast<unsigned>(kIdOk)) {
      OnOK();
      return true;
    }
    if ((wParam & 0xFFFF) == static_cast<unsigned>(kIdCancel)) {
      OnCancel();
      return true;
    }
    return false;
  case kWmHelp:
    // F1 alone becomes the help command of the application.
    if (HelpKeyAlone() && CWinApp::GetApp()) {
      CWinApp::GetApp()->OnCmdMsg(kIdHelp);
    }
    *result = 1;
    return true;
  default:
    return false;
  }
}
