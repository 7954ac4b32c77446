#pragma once

#include "framework/win_app.h"

// The application: parses the command line, then runs one silent merge or
// shows how the tool is started. Exactly one static instance.
class CTocspliceApp : public CWinApp {
 public:
  ~CTocspliceApp() override = default;

  bool Start() override;
};
