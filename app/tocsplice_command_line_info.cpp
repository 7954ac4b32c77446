#include "app/tocsplice_command_line_info.h"

#include <cstddef>

namespace {

// Switch words match as a whole and in any letter case; an ASCII fold, since
// the result must not depend on a locale.
bool SameWord(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]);
    const unsigned char y = static_cast<unsigned char>(b[i]);
    const auto fold = [](unsigned char c) {
      return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    };
    if (fold(x) != fold(y)) {
      return false;
    }
  }
  return i == a.size() && !b[i];
}

constexpr const char* kRegServer = "RegServer";

}  // namespace

bool CTocspliceCommandLineInfo::IsSwitchWord(const std::string& word) const {
  for (const char* known : {"s", "i", "l", "a", "f", kRegServer}) {
    if (SameWord(word, known)) {
      return true;
    }
  }
  return false;
}

void CTocspliceCommandLineInfo::HandleArgument(const std::string& argument,
                                               bool bSwitch, bool bLast) {
  if (!bSwitch) {
    std::string* fields[] = {&m_strOutputFile, &m_strInputFile, &m_strLogFile,
                             &m_strMergeFile, &m_strSection};
    *fields[m_nPending] = argument;
    m_nPending = kNone;
    return;
  }
  if (SameWord(argument, "s")) {
    m_bSilent = true;
    m_nPending = kNone;
  } else if (SameWord(argument, "i")) {
    m_nPending = kInputFile;
  } else if (SameWord(argument, "l")) {
    m_nPending = kLogFile;
  } else if (SameWord(argument, "a")) {
    m_nPending = kMergeFile;
  } else if (SameWord(argument, "f")) {
    m_nPending = kSection;
  } else if (!SameWord(argument, kRegServer)) {
    CCommandLineInfo::HandleArgument(argument, bSwitch, bLast);
  }
}
