#include "framework/command_line_split.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/lead_byte_tables.h"

namespace {

using Args = std::vector<std::string>;

struct Case {
  const char* commandLine;
  Args single;  // one byte, one character
  Args dbcs;    // Shift-JIS
};

void Check(const Case* cases, std::size_t count) {
  const LeadByteTable& sjis = Cp932();
  for (std::size_t i = 0; i < count; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.commandLine);
    EXPECT_EQ(c.single, SplitCommandLine(c.commandLine, nullptr));
    EXPECT_EQ(c.dbcs, SplitCommandLine(c.commandLine, &sjis));
  }
}

TEST(SplitCommandLineTest, ProgramNameIsDropped) {
  const Case kCases[] = {
      {"", {}, {}},
      {"prog", {}, {}},
      {"prog a", {"a"}, {"a"}},
      {"\"C:\\Program Files\\t.exe\" -s", {"-s"}, {"-s"}},
      {"\"C:\\t.exe\"-s x", {"-s", "x"}, {"-s", "x"}},  // no blank needed
      {"C:\\a\"b.exe x", {"x"}, {"x"}},  // a quote is plain in a bare name
      {"\"a\\\" b", {"b"}, {"b"}},  // backslashes are plain in a quoted one
      {"\"unclosed name", {}, {}},
  };
  Check(kCases, std::size(kCases));
}

TEST(SplitCommandLineTest, BlanksSeparateOutsideQuotes) {
  const Case kCases[] = {
      {"p  a\t\tb  ", {"a", "b"}, {"a", "b"}},
      {"p \"a b\"", {"a b"}, {"a b"}},
      {"p a\"b c\"d e", {"ab cd", "e"}, {"ab cd", "e"}},
      {"p \"\"", {""}, {""}},
      {"p \"\" x", {"", "x"}, {"", "x"}},
      {"p \"a\tb", {"a\tb"}, {"a\tb"}},  // quote left open at the end
  };
  Check(kCases, std::size(kCases));
}

TEST(SplitCommandLineTest, BackslashesAndQuotes) {
  const Case kCases[] = {
      {"p a\\\\\"b c\"", {"a\\b c"}, {"a\\b c"}},  // 2n: n, quote toggles
      {"p a\\\"b", {"a\"b"}, {"a\"b"}},            // 2n+1: n and a quote
      {"p a\\\\\\\"b", {"a\\\"b"}, {"a\\\"b"}},
      {"p a\\b\\\\c\\", {"a\\b\\\\c\\"}, {"a\\b\\\\c\\"}},  // no quote after
      {"p \"a\\\\\" b", {"a\\", "b"}, {"a\\", "b"}},
      // A backslash before the closing quote keeps the stretch open.
      {"p \"C:\\dir\\\" -s x", {"C:\\dir\" -s x"}, {"C:\\dir\" -s x"}},
  };
  Check(kCases, std::size(kCases));
}

TEST(SplitCommandLineTest, TwoQuotesInsideQuotesGiveOneAndClose) {
  const Case kCases[] = {
      {"p \"a\"\"b\"", {"a\"b"}, {"a\"b"}},
      {"p \"a\"\"b c\"", {"a\"b", "c"}, {"a\"b", "c"}},
      {"p \"\"\"\"", {"\""}, {"\""}},
      {"p a\"\"b", {"ab"}, {"ab"}},  // outside quotes: open, then close
  };
  Check(kCases, std::size(kCases));
}

TEST(SplitCommandLineTest, TrailBytesAreNeverSpecial) {
  const Case kCases[] = {
      // 0x95 0x5C is one character; the 0x5C is no backslash before the quote.
      {"p \x95\\\" x\"", {"\x95\"", "x"}, {"\x95\\ x"}},
      {"p \x81 x", {"\x81", "x"}, {"\x81 x"}},    // nor a blank
      {"p \"\x81\"x\"", {"\x81x"}, {"\x81\"x"}},  // nor a quote
      {"\"\x95\" a\" b", {"a b"}, {"b"}},         // in the program name too
      {"\x81 x y", {"x", "y"}, {"y"}},
      {"p a\x81", {"a\x81"}, {"a\x81"}},  // a lead byte at the very end
  };
  Check(kCases, std::size(kCases));
}

}  // namespace
