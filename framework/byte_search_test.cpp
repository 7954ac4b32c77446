#include "framework/byte_search.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/lead_byte_tables.h"

namespace {

struct CodePage {
  const char* name;
  const LeadByteTable* lead;
};

const CodePage kCodePages[] = {
    {"cp932", &Cp932()}, {"cp936", &Cp936()},   {"cp949", &Cp949()},
    {"cp950", &Cp950()}, {"cp1361", &Cp1361()},
};

// A two-byte character of every one of those code pages whose trail byte is
// the given ASCII byte.
std::string Wide(char trail) {
  return std::string("\x90") + trail;
}

TEST(ByteSearchTest, TextLengthStopsAtFirstNul) {
  EXPECT_EQ(3u, TextLength(std::string("abc", 3)));
  EXPECT_EQ(1u, TextLength(std::string("a\0b", 3)));
  EXPECT_EQ(0u, TextLength(std::string("\0", 1)));
}

TEST(ByteSearchTest, CharSearchesInSingleByteMode) {
  struct Case {
    std::string s;
    char c;
    std::size_t first;
    std::size_t last;
  };
  const Case kCases[] = {
      {"Motor.old.hlp", '.', 5, 9},
      {"C:\\Help\\Motor.hlp", '\\', 2, 7},
      {"Motor", '.', kNotFound, kNotFound},
      {"", '.', kNotFound, kNotFound},
      {std::string("a.b\0.c", 6), '.', 1, 1},  // nothing after the NUL
      {Wide('\\') + "x", '\\', 1, 1},          // a trail byte is a byte here
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.s));
    EXPECT_EQ(c.first, FindChar(c.s, c.c, nullptr));
    EXPECT_EQ(c.last, ReverseFindChar(c.s, c.c, nullptr));
  }
}

TEST(ByteSearchTest, CharSearchesStepOverTwoByteCharacters) {
  struct Case {
    std::string s;
    char c;
    std::size_t first;
    std::size_t last;
  };
  const Case kCases[] = {
      {Wide('\\') + "\\" + Wide('\\'), '\\', 2, 2},
      {Wide('.') + "a.b", '.', 3, 3},
      {"a" + Wide('\\'), '\\', kNotFound, kNotFound},
      {"\\" + Wide('\\') + "x", '\\', 0, 0},
      // A lead byte at the end, or before the NUL, stands alone.
      {"ab\x90", '\x90', 2, 2},
      {std::string("\x90\0\\", 3), '\\', kNotFound, kNotFound},
      {"\x90\x90\\", '\\', 2, 2},  // a lead byte can be a trail byte
      {"\x90\x90\x90\\", '\\', kNotFound, kNotFound},
  };
  for (const CodePage& cp : kCodePages) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(cp.name) + " " + testing::PrintToString(c.s));
      EXPECT_EQ(c.first, FindChar(c.s, c.c, cp.lead));
      EXPECT_EQ(c.last, ReverseFindChar(c.s, c.c, cp.lead));
    }
  }
}

TEST(ByteSearchTest, FindTextInBothModes) {
  struct Case {
    std::string s;
    std::string text;
    std::size_t single;
    std::size_t dbcs;
  };
  const Case kCases[] = {
      {":Base x.hlp", ":Base ", 0, 0},
      {"1 :Base x", ":Base ", 2, 2},
      {":base x", ":Base ", kNotFound, kNotFound},
      {std::string("a\0:Base ", 8), ":Base ", kNotFound, kNotFound},
      {"abc", "", 0, 0},
      {Wide('A') + "bAb", "Ab", 1, 3},  // first hit on a trail byte
      {Wide('A') + "b", "Ab", 1, kNotFound},
      {"\x90\x90"
       "Ab",
       "Ab", 2, 2},
      {"x\x90", "\x90", 1, 1},  // lead byte at the end stands alone
      {Wide('A') + Wide('A') + "A", "A", 1, 4},
  };
  for (const CodePage& cp : kCodePages) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(cp.name) + " " + testing::PrintToString(c.s));
      EXPECT_EQ(c.single, FindText(c.s, c.text, nullptr));
      EXPECT_EQ(c.dbcs, FindText(c.s, c.text, cp.lead));
    }
  }
}

TEST(ByteSearchTest, TablesDifferWhereTheCodePagesDo) {
  // 0xA0 leads in the Chinese and Korean pages but stands alone in
  // Shift-JIS; 0xD5 leads in Korean but stands alone in Johab.
  const std::string s = "\xA0\\x";
  EXPECT_EQ(1u, FindChar(s, '\\', &Cp932()));
  EXPECT_EQ(kNotFound, FindChar(s, '\\', &Cp936()));
  EXPECT_EQ(kNotFound, FindChar("\xD5\\", '\\', &Cp949()));
  EXPECT_EQ(1u, FindChar("\xD5\\", '\\', &Cp1361()));
}

}  // namespace
