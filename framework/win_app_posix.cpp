#include "framework/win_app.h"

#include "framework/dialog.h"
#include "framework/terminal_posix.h"

void SetWinHelpFunction(WinHelpFunction) {}

// There is no Windows Help here, so help always fails, and says so as the
// message box would: its title, the text, and OK to go on.
void CWinApp::OnHelp() {
  CTerminal terminal;
  terminal.Write("\n== " + m_strAppName + " ==\n" + kHelpFailedText +
                 "\n[> OK <]\nEnter: OK\n");
  char character;
  while (terminal.ReadKey(&character) == CTerminal::kCharacter) {
  }
}
