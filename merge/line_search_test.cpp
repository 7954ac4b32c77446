#include "merge/line_search.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/lead_byte_tables.h"

namespace {

// The line found, as text, or "-" when there is none.
std::string Found(const std::string& data, std::size_t from,
                  const std::string& text, const LeadByteTable* lead) {
  const LineSpan line = FindLineContaining(data, from, text, lead);
  return line.Found() ? data.substr(line.begin, line.end - line.begin) : "-";
}

TEST(FindLineContainingTest, FirstCompleteLineThatCounts) {
  using namespace std::string_literals;
  struct Case {
    std::string data;
    std::string text;
    std::string single;  // "-": none
    std::string dbcs;    // Shift-JIS
  };
  const Case kCases[] = {
      {"a\n:Base x\n:Base y\n", ":Base ", ":Base x\n", ":Base x\n"},
      {"a\r\n1 :Base x\r\n", ":Base ", "1 :Base x\r\n", "1 :Base x\r\n"},
      {":Base\n:base x\n", ":Base ", "-", "-"},
      {":Base x", ":Base ", "-", "-"},  // a last piece without LF is no line
      {"a\n:Base x", ":Base ", "-", "-"},
      {"\0:Base x\n:Base y\n"s, ":Base ", ":Base y\n", ":Base y\n"},
      {":Base x\0\n"s, ":Base ", ":Base x\0\n"s, ":Base x\0\n"s},
      {"", "", "-", "-"},
      {"x", "", "-", "-"},
      {"\0a\nb\n"s, "", "\0a\n"s, "\0a\n"s},  // empty text: any line
      {"abc\n", "b\nx", "-", "-"},            // an inner LF: never
      {"ab\n", "ab\ncd", "-", "-"},
      {"ab\nxb\n", "b\n", "ab\n", "ab\n"},  // a final LF: the line end
      {"a\0b\nb\n"s, "b\n", "b\n", "b\n"},
      // Shift-JIS 0x83 0x41 is one character whose trail byte is "A".
      {"\x83"
       "Ab\nAb\n",
       "Ab",
       "\x83"
       "Ab\n",
       "Ab\n"},
      {"\x83"
       "AbAb\n",
       "Ab",
       "\x83"
       "AbAb\n",
       "\x83"
       "AbAb\n"},
      {"\x83\nab\n", "\n", "\x83\n", "ab\n"},
      {"\x83\x83:Base \n", ":Base ", "\x83\x83:Base \n", "\x83\x83:Base \n"},
      {"\x83:Base \n", ":Base ", "\x83:Base \n", "-"},
      {"\x83\0:Base \n"s, ":Base ", "-", "-"},
  };
  const LeadByteTable& sjis = Cp932();
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.data) + " / " +
                 testing::PrintToString(c.text));
    EXPECT_EQ(c.single, Found(c.data, 0, c.text, nullptr));
    EXPECT_EQ(c.dbcs, Found(c.data, 0, c.text, &sjis));
  }
}

TEST(FindLineContainingTest, StartsAtTheGivenLine) {
  const std::string data = "x1\nx2\nx3";
  EXPECT_EQ("x1\n", Found(data, 0, "x", nullptr));
  EXPECT_EQ("x2\n", Found(data, 3, "x", nullptr));
  EXPECT_EQ("-", Found(data, 6, "x", nullptr));
  EXPECT_EQ("x2\n", Found(data, 3, "", nullptr));
}

TEST(FindLineContainingTest, ManyNearMissesChangeNothing) {
  // Enough near misses to make the search change its method half way.
  std::string misses;
  for (int i = 0; i < 2000; ++i) {
    misses += i % 2 ? ":Bas\n" : ":Base\r\n";
  }
  struct Case {
    std::string data;
    std::string text;
    std::string found;
  };
  const Case kCases[] = {
      {misses + ":Base x\n" + misses, ":Base ", ":Base x\n"},
      {misses + misses, ":Base ", "-"},
      {misses + "\x83:Base y\n:Base z\n", ":Base ", ":Base z\n"},
      {misses + "x:Index M=M.hlp\r\n", ":Index M=M.hlp\r\n",
       "x:Index M=M.hlp\r\n"},
  };
  const LeadByteTable& sjis = Cp932();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.found);
    EXPECT_EQ(c.found, Found(c.data, 0, c.text, &sjis));
  }
}

}  // namespace
