#include "tests/reference_merge.h"

#include <vector>

namespace {

// Where each character of `s` begins, up to its first NUL.
std::vector<std::size_t> CharacterStarts(const std::string& s,
                                         const LeadByteTable* lead) {
  const std::string text = s.substr(0, s.find('\0'));
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    starts.push_back(i);
    if (lead && (*lead)[static_cast<unsigned char>(text[i])] &&
        i + 1 < text.size()) {
      ++i;
    }
  }
  return starts;
}

bool Contains(const std::string& line, std::string text,
              const LeadByteTable* lead) {
  text = text.substr(0, text.find('\0'));
  if (text.empty()) {
    return true;
  }
  const std::string str = line.substr(0, line.find('\0'));
  for (std::size_t start : CharacterStarts(line, lead)) {
    if (str.compare(start, text.size(), text) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

ReferenceResult ReferenceMerge(const std::string& master,
                               const std::string& input,
                               const std::string& section,
                               const LeadByteTable* lead) {
  long dot = -1;
  long slash = -1;
  for (std::size_t start : CharacterStarts(input, lead)) {
    if (input[start] == '.' && dot < 0) {
      dot = static_cast<long>(start);
    }
    if (input[start] == '\\') {
      slash = static_cast<long>(start);
    }
  }
  if (dot < 0) {
    dot = static_cast<long>(input.size());
  }
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
    if (Contains(line, indexLine, lead)) {
      indexDone = true;
      result.entries += "Found=" + indexLine + "\r\nFoundInLine=" + line;
    }
  }
  for (const std::string& line : lines) {
    if (Contains(line, includeLine, lead)) {
      includeDone = true;
      result.entries += "Found=" + includeLine + "\r\nFoundInLine=" + line;
    }
  }
  for (const std::string& line : lines) {
    result.output += line;
    if (!indexDone && Contains(line, ":Base ", lead)) {
      indexDone = true;
      result.output += indexLine;
      result.entries += "Add_BaseLine=" + line + "Add_Base=TRUE\r\n";
    }
    if (!includeDone && Contains(line, section, lead)) {
      includeDone = true;
      result.output += includeLine;
      result.entries += "Add_SectionLine=" + line + "Add_Section=TRUE\r\n";
    }
  }
  result.output += rest;
  return result;
}
