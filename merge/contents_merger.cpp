#include "merge/contents_merger.h"

#include <algorithm>
#include <new>
#include <vector>

#include "framework/byte_search.h"
#include "framework/file_content.h"
#include "framework/replace_file.h"
#include "merge/line_search.h"

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kBaseMarker = ":Base ";

}  // namespace

std::string DeriveModuleName(const std::string& input,
                             const LeadByteTable* lead) {
  std::size_t dot = FindChar(input, '.', lead);
  if (dot == kNotFound) {
    dot = input.size();
  }
  const std::size_t slash = ReverseFindChar(input, '\\', lead);
  const std::size_t begin = slash == kNotFound ? 0 : slash + 1;
  if (dot < begin) {
    return std::string();
  }
  return input.substr(begin, dot - begin);
}

CContentsMerger::CContentsMerger()
    : m_bLogOpen(false), m_bLogFailed(false), m_pLeadBytes(SystemLeadBytes()) {}

CContentsMerger::~CContentsMerger() {
  if (m_bLogOpen) {
    m_logFile.Close();
  }
}

void CContentsMerger::WriteLog(std::initializer_list<std::string_view> entry) {
  if (!m_bLogOpen || m_bLogFailed) {
    return;
  }
  if (m_logFile.Write(entry.begin(), entry.size())) {
    return;
  }
  m_bLogFailed = true;
  const std::string_view error[] = {"ERROR=Failed to write file [",
                                    m_strLogFile, "]", kCrLf};
  m_logFile.Write(error, std::size(error));
}

int CContentsMerger::ContainsLine(const char* data, std::size_t length,
                                  std::string text) {
  const std::string_view buffer(data, length);
  CLineScan scan(buffer, 0, text, m_pLeadBytes);
  int result = 0;
  for (LineSpan line; scan.Next(length, &line, ByteWindow());) {
    result = 1;
    LogFound(buffer, text, line);
  }
  return result;
}

void CContentsMerger::LogFound(std::string_view data, std::string_view text,
                               const LineSpan& line) {
  WriteLog({"Found=", text, kCrLf});
  WriteLog({"FoundInLine=", data.substr(line.begin, line.end - line.begin)});
}

CContentsMerger::MasterFindings CContentsMerger::ScanMaster(
    CFileContent& master, std::string_view indexLine,
    std::string_view includeLine, std::string_view section) {
  // The two presence checks and the two searches of the pass go through the
  // master together, a block at a time, so that a large master is read from
  // memory once instead of four times. The include line's rows must follow
  // all of the index line's, so its holders wait; past a bound its check
  // pauses and finishes on its own at the end.
  constexpr std::size_t kBlock = 512 * 1024;
  constexpr std::size_t kHeldBound = 4096;
  const std::string_view data = master.Bytes();
  // A match that begins in one block may end in the next.
  const std::size_t overlap = std::max({indexLine.size(), includeLine.size(),
                                        kBaseMarker.size(), section.size()});
  CLineScan index(data, 0, indexLine, m_pLeadBytes);
  CLineScan include(data, 0, includeLine, m_pLeadBytes);
  CLineScan base(data, 0, kBaseMarker, m_pLeadBytes);
  CLineScan sectionScan(data, 0, section, m_pLeadBytes);
  MasterFindings findings;
  std::vector<LineSpan> held;
  LineSpan line;
  for (std::size_t start = 0; start < data.size();) {
    const std::size_t limit = std::min(data.size(), start + kBlock);
    const ByteWindow window = {
        start, master.Window(start, std::min(data.size(), limit + overlap))};
    start = limit;
    while (index.Next(limit, &line, window)) {
      findings.indexPresent = true;
      LogFound(data, indexLine, line);
    }
    while (held.size() < kHeldBound && include.Next(limit, &line, window)) {
      held.push_back(line);
    }
    if (!findings.baseLine.Found()) {
      base.Next(limit, &findings.baseLine, window);
    }
    if (!findings.sectionLine.Found()) {
      sectionScan.Next(limit, &findings.sectionLine, window);
    }
  }
  for (const LineSpan& holder : held) {
    findings.includePresent = true;
    LogFound(data, includeLine, holder);
  }
  while (include.Next(data.size(), &line, ByteWindow())) {
    findings.includePresent = true;
    LogFound(data, includeLine, line);
  }
  return findings;
}

int CContentsMerger::Merge(std::string output, std::string input,
                           std::string merge, std::string section,
                           std::string log) {
  m_bLogOpen = false;
  m_bLogFailed = false;
  m_strLogFile = log;
  if (!log.empty() &&
      m_logFile.Open(
          log, CFile::modeWrite | CFile::shareDenyWrite | CFile::modeCreate)) {
    m_bLogOpen = true;
  }
  WriteLog({"[LOG]", kCrLf});
  WriteLog({"InputFile=", input, kCrLf});
  WriteLog({"OutputFile=", output, kCrLf});
  WriteLog({"MergeFile=", merge, kCrLf});
  WriteLog({"FindString=", section, kCrLf});

  int outcome;
  try {
    outcome = Splice(output, input, merge, section);
  } catch (const std::bad_alloc&) {
    // Only the small strings of the run are left to fail here; the output
    // has not been touched.
    WriteLog({"ERROR=Failed to read file [", merge, "]", kCrLf});
    outcome = kMergeFailed;
  }
  // A run whose log broke down must not pass for a success.
  if (outcome == kOutputWritten && m_bLogFailed) {
    outcome = kMergeFailed;
  }
  return outcome;
}

int CContentsMerger::Splice(const std::string& output, const std::string& input,
                            const std::string& merge,
                            const std::string& section) {
  CFileContent master;
  switch (master.Load(merge, CFile::modeRead | CFile::shareDenyRead)) {
  case CFileContent::kNotOpened:
    WriteLog({"ERROR=Failed to open file [", merge, "]", kCrLf});
    return kMergeFileNotOpened;
  case CFileContent::kFailed:
    WriteLog({"ERROR=Failed to read file [", merge, "]", kCrLf});
    return kMergeFailed;
  case CFileContent::kRead:
    break;
  }
  // The master is never written through: the output goes to a new file, so
  // the output may name the master.
  const std::string_view data = master.Bytes();

  const std::string module = DeriveModuleName(input, m_pLeadBytes);
  const std::string indexLine =
      ":Index " + module + "=" + module + ".hlp" + std::string(kCrLf);
  WriteLog({"AddLine1=", indexLine, kCrLf});
  const std::string includeLine =
      ":include " + module + ".cnt" + std::string(kCrLf);
  WriteLog({"AddLine2=", includeLine, kCrLf});

  const MasterFindings found =
      ScanMaster(master, indexLine, includeLine, section);

  // Each missing line goes after the first master line that calls for it;
  // when one line calls for both, the index line comes first.
  const LineSpan baseLine = found.indexPresent ? LineSpan() : found.baseLine;
  const LineSpan sectionLine =
      found.includePresent ? LineSpan() : found.sectionLine;
  struct Insertion {
    LineSpan after;
    std::string_view line;
    const char* logKey;
    const char* logDone;
  };
  std::vector<Insertion> insertions;
  if (baseLine.Found()) {
    insertions.push_back(
        {baseLine, indexLine, "Add_BaseLine=", "Add_Base=TRUE"});
  }
  if (sectionLine.Found()) {
    insertions.push_back(
        {sectionLine, includeLine, "Add_SectionLine=", "Add_Section=TRUE"});
  }
  std::stable_sort(insertions.begin(), insertions.end(),
                   [](const Insertion& a, const Insertion& b) {
                     return a.after.end < b.after.end;
                   });

  // The output is the master's own bytes with the lines between them,
  // written without a second full-size copy.
  std::vector<std::string_view> pieces;
  std::size_t copied = 0;
  for (const Insertion& insertion : insertions) {
    WriteLog({insertion.logKey,
              data.substr(insertion.after.begin,
                          insertion.after.end - insertion.after.begin)});
    WriteLog({insertion.logDone, kCrLf});
    pieces.push_back(data.substr(copied, insertion.after.end - copied));
    pieces.push_back(insertion.line);
    copied = insertion.after.end;
  }
  pieces.push_back(data.substr(copied));

  if (!master.Intact()) {
    WriteLog({"ERROR=Failed to read file [", merge, "]", kCrLf});
    return kMergeFailed;
  }
  CReplaceFile outputFile;
  if (!outputFile.Open(output)) {
    WriteLog({"ERROR=Failed to open file [", output, "]", kCrLf});
    return kOutputNotOpened;
  }
  if (!outputFile.Replace(pieces.data(), pieces.size(), &master)) {
    // A master that shrank meanwhile is what failed, not the output.
    WriteLog({master.Intact() ? "ERROR=Failed to write file ["
                              : "ERROR=Failed to read file [",
              master.Intact() ? output : merge, "]", kCrLf});
    return kMergeFailed;
  }
  return kOutputWritten;
}
