#include "framework/dialog.h"
#include "res/resource.h"
#include "res/texts.h"

// The dialogs and strings of res/tocsplice.rc, for where the system has no
// resources of its own.

const CDialogDescription* FindDialogDescription(unsigned templateId) {
  static const CDialogDescription kUsage = {TEXT_USAGE_CAPTION,
                                            {{kIdOk, TEXT_OK, true},
                                             {kIdCancel, TEXT_CANCEL},
                                             {-1, TEXT_USAGE_1},
                                             {-1, TEXT_USAGE_2},
                                             {-1, TEXT_USAGE_3}}};
  static const CDialogDescription kAbout = {TEXT_ABOUT_CAPTION,
                                            {{-1, TEXT_ABOUT_VERSION},
                                             {-1, TEXT_ABOUT_LINE2},
                                             {kIdOk, TEXT_OK, true}}};
  switch (templateId) {
  case IDD_USAGE:
    return &kUsage;
  case IDD_ABOUTBOX:
    return &kAbout;
  default:
    return nullptr;
  }
}

const char* FindStringResource(unsigned id) {
  return id == IDS_ABOUTBOX ? TEXT_ABOUT_MENU : nullptr;
}
