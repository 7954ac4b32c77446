#pragma once

#include <string>

// The terminal the dialogs are drawn in: standard output for drawing,
// standard input for keys. While a dialog is up, a terminal on standard
// input reads key by key without echo, and is put back on every way out.
class CTerminal {
 public:
  enum Key { kEnter, kEscape, kHelp, kCharacter, kEnd };

  CTerminal();
  ~CTerminal();
  CTerminal(const CTerminal&) = delete;
  CTerminal& operator=(const CTerminal&) = delete;

  // The next key; `character` is set for kCharacter. The end of the input
  // is kEnd, and stays so.
  Key ReadKey(char* character);
  void Write(const std::string& text);
};
