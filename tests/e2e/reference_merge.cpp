#include "tests/e2e/reference_merge.h"

#include <vector>

namespace {

bool Contains(const std::string& line, const std::string& text) {
  return line.substr(0, line.find('\0')).find(text) != std::string::npos;
}

}  // namespace

ReferenceResult ReferenceMerge(const std::string& master,
                               const std::string& input,
                               const std::string& section) {
  const long dot = static_cast<long>(
      input.find('.') == std::string::npos ? input.size() : input.find('.'));
  const long slash = input.rfind('\\') == std::string::npos
                         ? -1
                         : static_cast<long>(input.rfind('\\'));
  const std::string module =
      dot - slash - 1 > 0 ? input.substr(slash + 1, dot - slash - 1) : "";
  const std::string indexLine = ":Index " + module + "=" + module + ".hlp\r\n";
  const std::string includeLine = ":include " + module + ".cnt\r\n";

  std::vector<std::string> lines;
  std::string rest;
  for (char c : master) {
    rest += c;
    if (c == '\n') {
      lines.push_back(rest);
      rest.clear();
    }
  }

  ReferenceResult result;
  result.entries =
      "AddLine1=" + indexLine + "\r\nAddLine2=" + includeLine + "\r\n";
  bool indexDone = false;
  bool includeDone = false;
  for (const std::string& line : lines) {
    if (Contains(line, indexLine)) {
      indexDone = true;
      result.entries += "Found=" + indexLine + "\r\nFoundInLine=" + line;
    }
  }
  for (const std::string& line : lines) {
    if (Contains(line, includeLine)) {
      includeDone = true;
      result.entries += "Found=" + includeLine + "\r\nFoundInLine=" + line;
    }
  }
  for (const std::string& line : lines) {
    result.output += line;
    if (!indexDone && Contains(line, ":Base ")) {
      indexDone = true;
      result.output += indexLine;
      result.entries += "Add_BaseLine=" + line + "Add_Base=TRUE\r\n";
    }
    if (!includeDone && Contains(line, section)) {
      includeDone = true;
      result.output += includeLine;
      result.entries += "Add_SectionLine=" + line + "Add_Section=TRUE\r\n";
    }
  }
  result.output += rest;
  return result;
}
