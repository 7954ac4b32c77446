#pragma once

#include "framework/dialog.h"

// The About box, opened from the usage dialog's system menu; lives for one
// run of it.
class CAboutBox : public CDialog {
 public:
  CAboutBox();

 protected:
  void DoDataExchange(bool saving) override;
  bool HandleMessage(unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam, std::intptr_t* result) override;
};
