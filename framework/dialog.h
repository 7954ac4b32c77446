#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Window messages and values the dialogs use, with their system numbers.
constexpr unsigned kWmInitDialog = 0x0110;
constexpr unsigned kWmCommand = 0x0111;
constexpr unsigned kWmSysCommand = 0x0112;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmQueryDragIcon = 0x0037;
constexpr unsigned kWmHelp = 0x0053;
constexpr unsigned kScClose = 0xF060;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
// The standard help command, routed to the application.
constexpr unsigned kIdHelp = 0xE146;
constexpr unsigned kMfString = 0x0000;
constexpr unsigned kMfSeparator = 0x0800;

// <windows.h> maps AppendMenu to its ANSI or wide form; here it is ours.
#undef AppendMenu

// A window's menu, as far as the program extends it.
class CMenu {
 public:
  bool AppendMenu(unsigned flags, unsigned id, const std::string& text);

  std::intptr_t m_hMenu = 0;
};

// An entry the program added to a dialog's system menu.
struct CMenuEntry {
  unsigned flags;
  unsigned id;
  std::string text;
};

// A modal dialog built from a dialog template of the program's resources: a
// dialog box on Windows, drawn in the terminal elsewhere. Lives on the stack
// of whoever runs it; its window exists only inside DoModal.
class CDialog {
 public:
  CDialog(unsigned templateId, CDialog* parent);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog until it ends; its result, or -1 when it cannot be
  // shown at all.
  std::intptr_t DoModal();
  void EndDialog(int result);
  unsigned TemplateId() const { return m_nTemplateId; }
  // The window while it exists, else 0.
  std::intptr_t GetSafeHwnd() const { return m_hWnd; }

 protected:
  // The base initialisation; true gives the focus to the first control with
  // a tab stop.
  virtual bool HandleInitDialog();
  // Moves data between the controls and the object; nothing here.
  virtual void DoDataExchange(bool saving);
  virtual void OnOK();
  virtual void OnCancel();
  // The message map: true when the message was handled, with its result.
  // Every map ends by handing on to its base class's.
  virtual bool HandleMessage(unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam, std::intptr_t* result);
  // Leaves the message being handled to the system's default processing.
  void Default() { m_bDefault = true; }

  // The dialog's system menu, or null when it has none.
  CMenu* GetSystemMenu();
  void SetIcon(std::intptr_t icon, bool big);

 private:
  // Whether F1 came without Shift, Ctrl or Alt.
  static bool HelpKeyAlone();

  friend struct CDialogAccess;

  unsigned m_nTemplateId;
  // The owner window; a terminal has no owners.
  [[maybe_unused]] CDialog* m_pParent;
  std::intptr_t m_hWnd = 0;
  bool m_bDefault = false;
  CMenu m_systemMenu;
  // Where the terminal keeps the system menu's added entries.
  std::vector<CMenuEntry> m_menuEntries;
  int m_nResult = 0;
  bool m_bEnded = false;
};

// The application's own resources, as the program's code sees them.
std::string LoadResourceString(unsigned id);
std::intptr_t LoadAppIcon(unsigned id);

// Where there are no dialog templates, the dialogs are drawn from these
// descriptions, which the program provides for each template it uses.
struct CDialogText {
  int id;  // -1: a static text
  std::string text;
  bool isDefault = false;
};
struct CDialogDescription {
  std::string caption;
  std::vector<CDialogText> controls;
};
const CDialogDescription* FindDialogDescription(unsigned templateId);
// Likewise the program's string table; null for an unknown string.
const char* FindStringResource(unsigned id);

// The class library's message when Windows Help cannot be started.
constexpr char kHelpFailedText[] = "Failed to launch help.";
