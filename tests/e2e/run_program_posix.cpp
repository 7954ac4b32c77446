#include "tests/e2e/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& dir, const std::string& input) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) {
    argv.push_back(const_cast<char*>(a.c_str()));
  }
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) {
    return -1;
  }
  if (pid == 0) {
    if (!input.empty()) {
      const int fd = open(input.c_str(), O_RDONLY);
      if (fd < 0 || dup2(fd, 0) < 0) {
        _exit(126);
      }
    }
    if (chdir(dir.c_str()) != 0) {
      _exit(126);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    return -1;
  }
  return WEXITSTATUS(status);
}
