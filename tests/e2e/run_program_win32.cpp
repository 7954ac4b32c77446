#include <windows.h>

#include "tests/e2e/run_program.h"

namespace {

// Quotes one argument so that the classic splitting gives it back unchanged.
std::string Quote(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
    return arg;
  }
  std::string quoted = "\"";
  std::size_t slashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
    slashes = 0;
    quoted += c;
  }
  quoted.append(2 * slashes, '\\');
  return quoted + "\"";
}

}  // namespace

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& dir, const std::string& input) {
  std::string commandLine = Quote(program);
  for (const std::string& a : args) {
    commandLine += " " + Quote(a);
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  HANDLE stdinFile = INVALID_HANDLE_VALUE;
  if (!input.empty()) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    stdinFile = CreateFileA(input.c_str(), GENERIC_READ, FILE_SHARE_READ,
                            &inherit, OPEN_EXISTING, 0, nullptr);
    if (stdinFile == INVALID_HANDLE_VALUE) {
      return -1;
    }
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = stdinFile;
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION process = {};
  const BOOL started =
      CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, !input.empty(),
                     0, nullptr, dir.c_str(), &startup, &process);
  if (stdinFile != INVALID_HANDLE_VALUE) {
    CloseHandle(stdinFile);
  }
  if (!started) {
    return -1;
  }
  CloseHandle(process.hThread);
  DWORD status = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  } else {
    GetExitCodeProcess(process.hProcess, &status);
  }
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}
