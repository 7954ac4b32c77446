#include "framework/win_app.h"

#include <utility>

namespace {

CWinApp* g_pApp = nullptr;

// The name without folder and extension; both separators count, since a
// Windows path may use either.
std::string AppNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

CWinApp::CWinApp() {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) {
    g_pApp = nullptr;
  }
}

bool CWinApp::OnCmdMsg(unsigned) {
  return false;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  WalkCommandLine(info, m_arguments, m_slashes);
}

CWinApp* CWinApp::GetApp() {
  return g_pApp;
}

int CWinApp::Run(const std::string& programPath,
                 std::vector<std::string> arguments, SlashSwitches slashes) {
  if (!g_pApp) {
    return 1;
  }
  g_pApp->m_strProgramPath = programPath;
  g_pApp->m_strAppName = AppNameOf(programPath);
  g_pApp->m_arguments = std::move(arguments);
  g_pApp->m_slashes = slashes;
  g_pApp->Start();
  return 0;
}
