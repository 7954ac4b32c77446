#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "framework/code_page.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/run_program.h"

namespace {

std::string g_program = TOCSPLICE_PROGRAM;
unsigned g_expectedCodePage = 0;

}  // namespace

// TOCSPLICE_TEST_WRAPPER runs the program under a checker such as valgrind:
// its words go in front of the program's path.
int RunTocsplice(const ScratchDir& dir, const std::vector<std::string>& args) {
  std::vector<std::string> words;
  if (const char* wrapper = std::getenv("TOCSPLICE_TEST_WRAPPER")) {
    std::istringstream in(wrapper);
    for (std::string word; in >> word;) {
      words.push_back(word);
    }
  }
  if (words.empty()) {
    return RunProgram(g_program, args, dir.path());
  }
  words.push_back(g_program);
  words.insert(words.end(), args.begin(), args.end());
  return RunProgram(words[0], {words.begin() + 1, words.end()}, dir.path());
}

void CopyFixture(const std::string& fixture, const ScratchDir& dir,
                 const std::string& name) {
  const std::string bytes = ReadBytes(TOCSPLICE_FIXTURES "/" + fixture);
  ASSERT_FALSE(bytes.empty()) << fixture;
  WriteBytes(dir.Path(name), bytes);
}

std::string LogHeader(const std::string& input, const std::string& output,
                      const std::string& merge, const std::string& section) {
  return "[LOG]\r\nInputFile=" + input + "\r\nOutputFile=" + output +
         "\r\nMergeFile=" + merge + "\r\nFindString=" + section + "\r\n";
}

// A run meant for a given code page must really be in it, or its two-byte
// cases would silently check the one-byte rules.
TEST(E2eSetupTest, RunsInTheExpectedCodePage) {
  if (g_expectedCodePage == 0) {
    GTEST_SKIP() << "no code page asked for";
  }
  EXPECT_EQ(g_expectedCodePage, SystemCodePage());
  EXPECT_NE(nullptr, SystemLeadBytes());
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const char kFlag[] = "--expect-code-page=";
    if (std::strncmp(argv[i], kFlag, sizeof kFlag - 1) == 0) {
      g_expectedCodePage =
          static_cast<unsigned>(std::atoi(argv[i] + sizeof kFlag - 1));
    }
  }
  return RUN_ALL_TESTS();
}
