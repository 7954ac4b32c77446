#pragma once

#include <cstdint>

#include "framework/dialog.h"

// The dialog that explains how the tool is started, shown when it is started
// without -s. Its system menu opens the About box. Lives on the stack of the
// start-up, as the application's main window while it is up.
class CUsageDialog : public CDialog {
 public:
  explicit CUsageDialog(CDialog* parent = nullptr);

 protected:
  bool HandleInitDialog() override;
  void DoDataExchange(bool saving) override;
  bool HandleMessage(unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam, std::intptr_t* result) override;

  void HandleSysCommand(std::uintptr_t id, std::intptr_t param);
  void HandlePaint();
  std::intptr_t HandleQueryDragIcon();

  // The application icon; the dialog does not own it.
  std::intptr_t m_hAppIcon;
};
