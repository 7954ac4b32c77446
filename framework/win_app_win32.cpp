#include <windows.h>

#include "framework/win_app.h"

#include "framework/byte_search.h"
#include "framework/code_page.h"
#include "framework/dialog.h"
#include "framework/dialog_win32_internal.h"

namespace {

int CallWinHelp(std::intptr_t window, const char* file, unsigned command,
                std::uintptr_t data) {
  return WinHelpA(reinterpret_cast<HWND>(window), file, command, data);
}

WinHelpFunction g_pfnWinHelp = &CallWinHelp;

}  // namespace

void SetWinHelpFunction(WinHelpFunction function) {
  g_pfnWinHelp = function ? function : &CallWinHelp;
}

void CWinApp::OnHelp() {
  // The context of the innermost of the program's dialogs around the focus.
  unsigned context = 0;
  for (HWND window = GetFocus(); window && !context;
       window = GetParent(window)) {
    const unsigned dialog = DialogTemplateOf(window);
    context = dialog ? 0x20000 + dialog : 0;
  }
  const HWND mainWindow =
      m_pMainWnd ? reinterpret_cast<HWND>(m_pMainWnd->GetSafeHwnd()) : nullptr;
  if (!context && m_pMainWnd) {
    context = 0x20000 + m_pMainWnd->TemplateId();
  }
  // The help file is the program file with ".HLP" for its extension.
  std::string helpFile = m_strProgramPath;
  const std::size_t slash = ReverseFindChar(helpFile, '\\', SystemLeadBytes());
  const std::size_t dot = ReverseFindChar(helpFile, '.', SystemLeadBytes());
  if (dot != kNotFound && (slash == kNotFound || dot > slash)) {
    helpFile.erase(dot);
  }
  helpFile += ".HLP";
  if (!g_pfnWinHelp(reinterpret_cast<std::intptr_t>(mainWindow),
                    helpFile.c_str(), HELP_CONTEXT, context)) {
    MessageBoxA(mainWindow, kHelpFailedText, m_strAppName.c_str(),
                MB_OK | MB_ICONEXCLAMATION);
  }
}
