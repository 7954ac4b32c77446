#include "framework/file_content.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

namespace {

// The one mapping in use. A file that another process shortens raises
// SIGBUS on the pages past its new end; the handler puts zero pages there
// instead and remembers it, so the run fails cleanly instead of crashing.
char* volatile g_pMapBegin = nullptr;
volatile std::size_t g_nMapSize = 0;
volatile sig_atomic_t g_bShrunk = 0;
struct sigaction g_oldAction;

void OnBusError(int, siginfo_t* info, void*) {
  char* const begin = g_pMapBegin;
  char* const address = static_cast<char*>(info->si_addr);
  if (begin && address >= begin && address < begin + g_nMapSize) {
    const std::uintptr_t page =
        static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    char* const from = reinterpret_cast<char*>(
        reinterpret_cast<std::uintptr_t>(address) & ~(page - 1));
    const std::size_t length =
        static_cast<std::size_t>(begin + g_nMapSize - from);
    if (mmap(from, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED,
             -1, 0) != MAP_FAILED) {
      g_bShrunk = 1;
      return;
    }
  }
  // Not ours: the fault recurs on return and takes its ordinary course.
  sigaction(SIGBUS, &g_oldAction, nullptr);
}

}  // namespace

bool CFileContent::Map() {
  const int fd = static_cast<int>(m_file.Handle());
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
      static_cast<std::uint64_t>(info.st_size) > SIZE_MAX / 2 ||
      g_pMapBegin != nullptr) {
    return false;
  }
  const std::size_t size = static_cast<std::size_t>(info.st_size);
  void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  if (view == MAP_FAILED) {
    return false;
  }
  struct sigaction action = {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  if (sigaction(SIGBUS, &action, &g_oldAction) != 0) {
    munmap(view, size);
    return false;
  }
  g_bShrunk = 0;
  g_nMapSize = size;
  g_pMapBegin = static_cast<char*>(view);
  m_pData = static_cast<const char*>(view);
  m_nSize = size;
  return true;
}

void CFileContent::Unmap() {
  g_pMapBegin = nullptr;
  sigaction(SIGBUS, &g_oldAction, nullptr);
  munmap(const_cast<char*>(m_pData), m_nSize);
}

bool CFileContent::Intact() const {
  if (!m_bMapped) {
    return true;
  }
  struct stat info;
  return !g_bShrunk && fstat(static_cast<int>(m_file.Handle()), &info) == 0 &&
         static_cast<std::uint64_t>(info.st_size) >= m_nSize;
}

std::string_view CFileContent::Window(std::size_t begin, std::size_t end) {
  const std::string_view mapped = Bytes().substr(begin, end - begin);
  if (!m_bMapped) {
    return mapped;
  }
  m_window.resize(mapped.size());
  std::size_t done = 0;
  while (done < mapped.size()) {
    const ssize_t n =
        pread(static_cast<int>(m_file.Handle()), m_window.data() + done,
              mapped.size() - done, static_cast<off_t>(begin + done));
    if (n <= 0) {
      // Shortened meanwhile, or unreadable: the mapping says what it can.
      return mapped;
    }
    done += static_cast<std::size_t>(n);
  }
  return {m_window.data(), m_window.size()};
}
