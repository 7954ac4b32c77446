#pragma once

#include "framework/win_app.h"

// The application: parses the command line, then runs one silent merge or
// shows how the tool is started. Exactly one static instance.
class CTocspliceApp : public CWinApp {
 public:
  ~CTocspliceApp() override = default;

  bool Start() override;
  // Its command map: the help command goes to the framework's help.
  bool OnCmdMsg(unsigned id) override;
};
