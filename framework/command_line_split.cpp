#include "framework/command_line_split.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The length of the character at `pos`: 2 for a lead byte with a byte after it.
std::size_t CharLength(const std::string& s, std::size_t pos,
                       const LeadByteTable* lead) {
  return lead && (*lead)[static_cast<unsigned char>(s[pos])] &&
                 pos + 1 < s.size()
             ? 2
             : 1;
}

// Skips the program name; returns where the arguments begin.
std::size_t SkipProgramName(const std::string& s, const LeadByteTable* lead) {
  std::size_t pos = 0;
  if (pos < s.size() && s[pos] == '"') {
    ++pos;
    while (pos < s.size() && s[pos] != '"') {
      pos += CharLength(s, pos, lead);
    }
    return pos < s.size() ? pos + 1 : pos;
  }
  while (pos < s.size() && !IsBlank(s[pos])) {
    pos += CharLength(s, pos, lead);
  }
  return pos;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine,
                                          const LeadByteTable* lead) {
  // Only the part before a NUL exists for the system.
  const std::string s = commandLine.substr(0, commandLine.find('\0'));
  std::vector<std::string> args;
  std::size_t pos = SkipProgramName(s, lead);
  for (;;) {
    while (pos < s.size() && IsBlank(s[pos])) {
      ++pos;
    }
    if (pos == s.size()) {
      return args;
    }
    std::string arg;
    bool quoted = false;
    for (;;) {
      std::size_t slashes = 0;
      while (pos < s.size() && s[pos] == '\\') {
        ++pos;
        ++slashes;
      }
      bool copy = true;
      if (pos < s.size() && s[pos] == '"') {
        if (slashes % 2 == 0) {
          if (quoted && pos + 1 < s.size() && s[pos + 1] == '"') {
            ++pos;  // "" inside quotes: the second one is kept
          } else {
            copy = false;
          }
          quoted = !quoted;
        }
        slashes /= 2;
      }
      arg.append(slashes, '\\');
      if (pos == s.size() || (!quoted && IsBlank(s[pos]))) {
        break;
      }
      const std::size_t length = copy ? CharLength(s, pos, lead) : 1;
      if (copy) {
        arg.append(s, pos, length);
      }
      pos += length;
    }
    args.push_back(arg);
  }
}
