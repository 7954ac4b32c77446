#include "framework/win_app.h"

#include <utility>

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp::CWinApp() {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) {
    g_pApp = nullptr;
  }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  WalkCommandLine(info, m_arguments, m_slashes);
}

int CWinApp::Run(std::vector<std::string> arguments, SlashSwitches slashes) {
  if (!g_pApp) {
    return 1;
  }
  g_pApp->m_arguments = std::move(arguments);
  g_pApp->m_slashes = slashes;
  g_pApp->Start();
  return 0;
}
