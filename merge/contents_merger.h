#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "framework/code_page.h"
#include "framework/file.h"
#include "merge/line_search.h"

// Outcome of a merge, recorded for the caller only through the run log.
enum MergeOutcome {
  kOutputWritten = 0,
  kMergeFileNotOpened = 1,
  kOutputNotOpened = 2,
  // A read, write or close failed after the file was opened, or memory ran
  // out; the run log says which file.
  kMergeFailed = 3,
};

class CFileContent;

// The module name of an input file name: from after its last "\" up to its
// first ".", empty when the dot comes first.
std::string DeriveModuleName(const std::string& input,
                             const LeadByteTable* lead);

// Performs one merge and owns its run log, which stays open from the start of
// Merge until the merger is destroyed.
class CContentsMerger {
 public:
  CContentsMerger();
  virtual ~CContentsMerger();
  CContentsMerger(const CContentsMerger&) = delete;
  CContentsMerger& operator=(const CContentsMerger&) = delete;

  // Uses the lead bytes of the system's code page unless told otherwise.
  void SetLeadBytes(const LeadByteTable* lead) { m_pLeadBytes = lead; }

  int Merge(std::string output, std::string input, std::string merge,
            std::string section, std::string log);

  // 1 when a complete line of the data contains `text`; logs every such line.
  int ContainsLine(const char* data, std::size_t length, std::string text);

  // Writes one entry, made of the pieces, with one write; nothing without a
  // log. A failed write ends the log with an error entry if it still can.
  void WriteLog(std::initializer_list<std::string_view> entry);

 private:
  // What one pass over the master finds: whether it holds each line, and
  // the first line with ":Base " and with the section text.
  struct MasterFindings {
    bool indexPresent = false;
    bool includePresent = false;
    LineSpan baseLine;
    LineSpan sectionLine;
  };

  // The presence checks, logged as ContainsLine logs them, and the searches
  // of the insertion pass, in one pass over the master.
  MasterFindings ScanMaster(CFileContent& master, std::string_view indexLine,
                            std::string_view includeLine,
                            std::string_view section);
  void LogFound(std::string_view data, std::string_view text,
                const LineSpan& line);
  // Everything of Merge after the log's header.
  int Splice(const std::string& output, const std::string& input,
             const std::string& merge, const std::string& section);

  bool m_bLogOpen;
  CFile m_logFile;
  std::string m_strLogFile;
  bool m_bLogFailed;
  const LeadByteTable* m_pLeadBytes;
};
