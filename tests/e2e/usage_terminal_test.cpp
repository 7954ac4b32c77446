#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/e2e.h"
#include "tests/e2e/run_program.h"

namespace {

using Args = std::vector<std::string>;

const char kUsageScreen[] =
    "== Tocsplice ==\n"
    "Please use \n"
    "Tocsplice -s  -i [\"input filename\"] - a [\"merge filename\"] - o "
    "[\"output filename\"] -l [\"log filename\"] -f [\"section name\"]\n"
    "to start the application\n"
    "This application reads file [merge filename] and adds \n"
    "\":Index [input filename]=[input filename].hlp\" after the first line "
    "including string \":Base \"\n"
    "and\n"
    "\":include [input filename].cnt\" after the first line including string "
    "[section name] \n"
    "and writes the result to file [output filename\n"
    "[> OK <] [ Cancel ] \n"
    "Enter: OK  Esc: Cancel  A: About Tocsplice...  F1: Help\n";
const char kAboutScreen[] =
    "== About Tocsplice ==\n"
    "Tocsplice Version 1.0\n";
const char kHelpFailed[] = "== tocsplice ==\nFailed to launch help.\n";

// Runs the program in `dir` with `keys` as its standard input and gives what
// it drew; `status` its exit status.
std::string RunWithKeys(const ScratchDir& dir, const Args& args,
                        const std::string& keys, int* status) {
  WriteBytes(dir.Path("keys"), keys);
  Args command = {"-c", "\"$@\" <keys >screen", "sh", TOCSPLICE_PROGRAM};
  command.insert(command.end(), args.begin(), args.end());
  *status = RunProgram("/bin/sh", command, dir.path());
  const std::string screen = ReadBytes(dir.Path("screen"));
  std::remove(dir.Path("keys").c_str());
  std::remove(dir.Path("screen").c_str());
  return screen;
}

std::size_t Count(const std::string& s, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t pos = s.find(part); pos != std::string::npos;
       pos = s.find(part, pos + 1)) {
    ++n;
  }
  return n;
}

// Without -s the usage dialog comes up, whatever else is given, and nothing
// is read or written; each key does what the dialog's buttons and menu do.
TEST(UsageTerminalTest, KeysDriveTheDialogAndNothingIsTouched) {
  struct Case {
    const char* name;
    Args args;
    std::string keys;
    int usageScreens;
    int aboutScreens;
    int helpFailures;
  };
  const Case kCases[] = {
      {"no arguments, end of input closes", {}, "", 1, 0, 0},
      {"a complete command line without -s",
       {"-i", "A.hlp", "-a", "M.cnt", "-l", "run.log", "Out.cnt"},
       "\n",
       1,
       0,
       0},
      {"Escape cancels", {"-x"}, "\x1b", 1, 0, 0},
      {"other keys change nothing", {}, "xyz\n", 4, 0, 0},
      {"the About entry, twice", {}, "a\nA\x1b\n", 3, 2, 0},
      {"F1 in the usage dialog and in the About box",
       {},
       "\x1bOP\na\x1b[11~\n\n\n",
       3,
       2,
       2},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteBytes(dir.Path("M.cnt"), ":Base M.hlp\r\n");
    int status = -1;
    const std::string screen = RunWithKeys(dir, c.args, c.keys, &status);
    EXPECT_EQ(0, status);
    EXPECT_EQ(static_cast<std::size_t>(c.usageScreens),
              Count(screen, kUsageScreen))
        << screen;
    EXPECT_EQ(static_cast<std::size_t>(c.aboutScreens),
              Count(screen, kAboutScreen));
    EXPECT_EQ(static_cast<std::size_t>(c.helpFailures),
              Count(screen, kHelpFailed));
    EXPECT_EQ("M.cnt\n", ListDir(dir.path()));
    EXPECT_EQ(":Base M.hlp\r\n", ReadBytes(dir.Path("M.cnt")));
  }
}

// On a terminal the dialog reads single keys without echo, and the terminal
// is as it was once the program has ended.
TEST(UsageTerminalTest, ATerminalIsPutBackAfterwards) {
  int master = -1;
  int slave = -1;
  ASSERT_EQ(0, openpty(&master, &slave, nullptr, nullptr, nullptr));
  termios before;
  ASSERT_EQ(0, tcgetattr(slave, &before));
  ASSERT_TRUE(before.c_lflag & ICANON);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(master);
    setsid();
    dup2(slave, 0);
    dup2(slave, 1);
    dup2(slave, 2);
    execl(TOCSPLICE_PROGRAM, TOCSPLICE_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  // Each key goes alone, as typed: no Enter after "a", and Escape by itself.
  std::string screen;
  const auto readFor = [&](int milliseconds) {
    pollfd in = {master, POLLIN, 0};
    char buffer[4096];
    while (poll(&in, 1, milliseconds) > 0) {
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n <= 0) {
        break;
      }
      screen.append(buffer, n);
    }
  };
  readFor(1000);
  termios during;
  ASSERT_EQ(0, tcgetattr(slave, &during));
  EXPECT_FALSE(during.c_lflag & ICANON);
  EXPECT_FALSE(during.c_lflag & ECHO);
  for (const char* key : {"a", "\x1b", "\x1b"}) {
    ASSERT_EQ(1, write(master, key, 1));
    readFor(300);
  }
  int status = -1;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(0, WEXITSTATUS(status));
  termios after;
  ASSERT_EQ(0, tcgetattr(slave, &after));
  EXPECT_TRUE(after.c_lflag & ICANON);
  EXPECT_TRUE(after.c_lflag & ECHO);
  EXPECT_NE(std::string::npos, screen.find("== About Tocsplice =="));
  EXPECT_EQ(std::string::npos, screen.find("a\r\n== About"));  // no echo
  close(master);
  close(slave);
}

}  // namespace
