// The command-line splitter over arbitrary bytes, in one- and two-byte mode,
// against a second implementation of the same rules, written to be obviously
// right rather than fast: the line is first cut into characters, then read
// one character at a time.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/command_line_split.h"
#include "fuzz/fuzz_input.h"
#include "tests/lead_byte_tables.h"

namespace {

std::vector<std::string> Characters(const std::string& line,
                                    const LeadByteTable* lead) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool pair = lead && (*lead)[static_cast<unsigned char>(line[i])] &&
                      i + 1 < line.size();
    chars.push_back(line.substr(i, pair ? 2 : 1));
    i += pair ? 1 : 0;
  }
  return chars;
}

std::vector<std::string> SimpleSplit(const std::string& line,
                                     const LeadByteTable* lead) {
  const std::vector<std::string> c = Characters(line, lead);
  const auto is = [&](std::size_t i, const char* s) {
    return i < c.size() && c[i] == s;
  };
  const auto blank = [&](std::size_t i) { return is(i, " ") || is(i, "\t"); };
  std::size_t i = 0;
  // The program name: quoted up to the next quote, or bare up to a blank.
  if (is(0, "\"")) {
    for (i = 1; i < c.size() && !is(i, "\""); ++i) {
    }
    if (i < c.size()) {
      ++i;
    }
  } else {
    while (i < c.size() && !blank(i)) {
      ++i;
    }
  }
  std::vector<std::string> args;
  for (;;) {
    while (blank(i)) {
      ++i;
    }
    if (i >= c.size()) {
      return args;
    }
    std::string arg;
    bool quoted = false;
    while (i < c.size() && (quoted || !blank(i))) {
      std::size_t slashes = 0;
      while (is(i + slashes, "\\")) {
        ++slashes;
      }
      if (!is(i + slashes, "\"")) {
        arg.append(slashes, '\\');  // no quote follows: they stand
        i += slashes;
        if (slashes == 0) {
          arg += c[i++];
        }
        continue;
      }
      arg.append(slashes / 2, '\\');
      i += slashes;
      if (slashes % 2 == 1) {
        arg += '"';  // an escaped quote
        ++i;
      } else if (quoted && is(i + 1, "\"")) {
        arg += '"';  // "" inside quotes: one quote, and the quotes end
        quoted = false;
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    }
    args.push_back(arg);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const FuzzInput in = SplitFuzzInput(data, size, 1);
  const std::string line = WithoutNul(in.fields[0]);
  const LeadByteTable* lead = in.doubleByte ? &Cp932() : nullptr;
  if (SplitCommandLine(line, lead) != SimpleSplit(line, lead)) {
    std::fprintf(stderr, "split differs\n");
    abort();
  }
  return 0;
}
