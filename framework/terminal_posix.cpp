#include "framework/terminal_posix.h"

#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>

namespace {

// The settings to restore; shared with the signal handlers, which must put
// the terminal back before the process ends on a signal.
struct termios g_saved;
volatile sig_atomic_t g_bRaw = 0;
int g_nUsers = 0;
struct sigaction g_oldActions[4];
constexpr int kSignals[4] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void Restore() {
  if (g_bRaw) {
    tcsetattr(STDIN_FILENO, TCSANOW, &g_saved);
    g_bRaw = 0;
  }
}

void OnSignal(int signal) {
  Restore();
  for (int i = 0; i < 4; ++i) {
    if (kSignals[i] == signal) {
      sigaction(signal, &g_oldActions[i], nullptr);
    }
  }
  raise(signal);
}

bool ByteWithin(int milliseconds, char* byte) {
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  return poll(&in, 1, milliseconds) > 0 && read(STDIN_FILENO, byte, 1) == 1;
}

}  // namespace

CTerminal::CTerminal() {
  // Drawing into a closed pipe must not end the process.
  signal(SIGPIPE, SIG_IGN);
  if (g_nUsers++ > 0 || !isatty(STDIN_FILENO) ||
      tcgetattr(STDIN_FILENO, &g_saved) != 0) {
    return;
  }
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < 4; ++i) {
    sigaction(kSignals[i], &action, &g_oldActions[i]);
  }
  struct termios raw = g_saved;
  raw.c_lflag &= ~(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0) {
    g_bRaw = 1;
  }
}

CTerminal::~CTerminal() {
  if (--g_nUsers > 0) {
    return;
  }
  const bool wasRaw = g_bRaw;
  Restore();
  if (wasRaw) {
    for (int i = 0; i < 4; ++i) {
      sigaction(kSignals[i], &g_oldActions[i], nullptr);
    }
  }
}

CTerminal::Key CTerminal::ReadKey(char* character) {
  char byte;
  if (read(STDIN_FILENO, &byte, 1) != 1) {
    return kEnd;
  }
  if (byte == '\r' || byte == '\n') {
    return kEnter;
  }
  if (byte != '\x1b') {
    *character = byte;
    return kCharacter;
  }
  // Escape alone, or the start of a function key: ESC O P or ESC [ 1 1 ~ is
  // F1; any other sequence is read and dropped.
  char next;
  if (!ByteWithin(50, &next)) {
    return kEscape;
  }
  if (next == 'O') {
    char code;
    return ByteWithin(50, &code) && code == 'P' ? kHelp : kEscape;
  }
  if (next != '[') {
    return kEscape;
  }
  std::string sequence;
  char code;
  while (ByteWithin(50, &code)) {
    sequence += code;
    if ((code >= 'A' && code <= 'Z') || code == '~') {
      break;
    }
  }
  return sequence == "11~" ? kHelp : kEscape;
}

void CTerminal::Write(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n =
        write(STDOUT_FILENO, text.data() + done, text.size() - done);
    if (n <= 0) {
      return;  // nowhere to draw: the keys still work
    }
    done += static_cast<std::size_t>(n);
  }
}
