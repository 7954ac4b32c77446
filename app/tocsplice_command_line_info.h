#pragma once

#include <string>

#include "framework/command_line_info.h"

// The settings of one run, filled from the command line: the silent switch
// and the five names. One static instance lives as long as the process.
class CTocspliceCommandLineInfo : public CCommandLineInfo {
 public:
  ~CTocspliceCommandLineInfo() override = default;

  void HandleArgument(const std::string& argument, bool bSwitch,
                      bool bLast) override;
  bool IsSwitchWord(const std::string& word) const override;

  bool m_bSilent = false;
  std::string m_strOutputFile;
  std::string m_strInputFile;
  std::string m_strMergeFile;
  std::string m_strSection;
  std::string m_strLogFile;

 private:
  // Which field the next value is for.
  enum PendingOption { kNone, kInputFile, kLogFile, kMergeFile, kSection };

  PendingOption m_nPending = kNone;
};
