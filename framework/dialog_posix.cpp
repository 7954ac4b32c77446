#include "framework/dialog.h"

#include <cctype>

#include "framework/terminal_posix.h"
#include "framework/win_app.h"

// The terminal's stand-in for the dialog manager.
struct CDialogAccess {
  static void Dispatch(CDialog& dialog, unsigned message,
                       std::uintptr_t wParam) {
    dialog.m_bDefault = false;
    std::intptr_t result = 0;
    const bool handled = dialog.HandleMessage(message, wParam, 0, &result);
    if (handled && !dialog.m_bDefault) {
      return;
    }
    // The default processing: the close command cancels a dialog.
    if (message == kWmSysCommand && (wParam & 0xFFF0) == kScClose) {
      Dispatch(dialog, kWmCommand, kIdCancel);
    }
  }

  static const std::vector<CMenuEntry>& MenuEntries(const CDialog& dialog) {
    return dialog.m_menuEntries;
  }
};

namespace {

// The letter after "&" in a menu text, which chooses the entry.
char Accelerator(const std::string& text) {
  const std::size_t amp = text.find('&');
  return amp + 1 < text.size() ? static_cast<char>(std::tolower(
                                     static_cast<unsigned char>(text[amp + 1])))
                               : '\0';
}

std::string WithoutAmpersand(std::string text) {
  const std::size_t amp = text.find('&');
  if (amp != std::string::npos) {
    text.erase(amp, 1);
  }
  return text;
}

void Draw(CTerminal& terminal, const CDialogDescription& description,
          const std::vector<CMenuEntry>& menu) {
  std::string screen = "\n== " + description.caption + " ==\n";
  std::string buttons;
  for (const CDialogText& control : description.controls) {
    if (control.id < 0) {
      screen += control.text + "\n";
      continue;
    }
    buttons += (control.isDefault ? "[> " : "[ ") + control.text +
               (control.isDefault ? " <] " : " ] ");
  }
  screen += buttons + "\n";
  std::string keys = "Enter: OK";
  for (const CDialogText& control : description.controls) {
    if (control.id == kIdCancel) {
      keys += "  Esc: " + control.text;
    }
  }
  for (const CMenuEntry& entry : menu) {
    if (!(entry.flags & kMfSeparator) && Accelerator(entry.text)) {
      keys += std::string("  ") +
              static_cast<char>(std::toupper(
                  static_cast<unsigned char>(Accelerator(entry.text)))) +
              ": " + WithoutAmpersand(entry.text);
    }
  }
  terminal.Write(screen + keys + "  F1: Help\n");
}

}  // namespace

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text) {
  auto* entries = reinterpret_cast<std::vector<CMenuEntry>*>(m_hMenu);
  if (!entries) {
    return false;
  }
  entries->push_back({flags, id, flags & kMfSeparator ? std::string() : text});
  return true;
}

std::intptr_t CDialog::DoModal() {
  const CDialogDescription* description = FindDialogDescription(m_nTemplateId);
  if (!description) {
    return -1;
  }
  CTerminal terminal;
  m_bEnded = false;
  m_menuEntries.clear();
  m_hWnd = reinterpret_cast<std::intptr_t>(this);
  CDialogAccess::Dispatch(*this, kWmInitDialog, 0);
  while (!m_bEnded) {
    Draw(terminal, *description, m_menuEntries);
    char character = 0;
    switch (terminal.ReadKey(&character)) {
    case CTerminal::kEnter:
      for (const CDialogText& control : description->controls) {
        if (control.isDefault) {
          CDialogAccess::Dispatch(*this, kWmCommand, control.id);
        }
      }
      break;
    case CTerminal::kEscape:
      CDialogAccess::Dispatch(*this, kWmCommand, kIdCancel);
      break;
    case CTerminal::kHelp:
      CDialogAccess::Dispatch(*this, kWmHelp, 0);
      break;
    case CTerminal::kCharacter:
      for (const CMenuEntry& entry : m_menuEntries) {
        if (Accelerator(entry.text) &&
            Accelerator(entry.text) ==
                std::tolower(static_cast<unsigned char>(character))) {
          CDialogAccess::Dispatch(*this, kWmSysCommand, entry.id);
          break;
        }
      }
      break;
    case CTerminal::kEnd:
      // With no more keys to come the dialog is closed, so a script never
      // waits on it.
      CDialogAccess::Dispatch(*this, kWmSysCommand, kScClose);
      break;
    }
  }
  m_hWnd = 0;
  return m_nResult;
}

void CDialog::EndDialog(int result) {
  m_nResult = result;
  m_bEnded = true;
}

bool CDialog::HelpKeyAlone() {
  return true;
}

CMenu* CDialog::GetSystemMenu() {
  m_systemMenu.m_hMenu = reinterpret_cast<std::intptr_t>(&m_menuEntries);
  return &m_systemMenu;
}

void CDialog::SetIcon(std::intptr_t, bool) {}

std::string LoadResourceString(unsigned id) {
  const char* text = FindStringResource(id);
  return text ? text : "";
}

std::intptr_t LoadAppIcon(unsigned) {
  return 0;
}
