#include "framework/file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "framework/posix_io.h"

CFile::CFile() : m_hFile(-1) {}

CFile::~CFile() {
  if (IsOpen()) {
    close(static_cast<int>(m_hFile));
  }
}

bool CFile::IsOpen() const {
  return m_hFile >= 0;
}

bool CFile::Open(const std::string& name, unsigned flags) {
  if (IsOpen()) {
    return false;
  }
  const bool write = (flags & modeWrite) != 0;
  int openFlags = O_CLOEXEC | (write ? O_WRONLY : O_RDONLY);
  if (write && (flags & modeCreate)) {
    openFlags |= O_CREAT;
  }
  const int fd = open(name.c_str(), openFlags, 0666);
  if (fd < 0) {
    return false;
  }
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  if (ok && write && (flags & 0x70) == shareDenyWrite) {
    ok = flock(fd, LOCK_EX | LOCK_NB) == 0;
  }
  // Emptied only once the lock is held, so a refused open changes nothing.
  if (ok && write && (flags & modeCreate) && S_ISREG(info.st_mode)) {
    ok = ftruncate(fd, 0) == 0;
  }
  if (!ok) {
    close(fd);
    return false;
  }
  m_hFile = fd;
  return true;
}

bool CFile::GetLength(std::uint64_t* length) const {
  struct stat info;
  if (!IsOpen() || fstat(static_cast<int>(m_hFile), &info) != 0 ||
      !S_ISREG(info.st_mode)) {
    return false;
  }
  *length = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool CFile::Read(char* buffer, std::size_t count, std::size_t* got) {
  *got = 0;
  if (!IsOpen()) {
    return false;
  }
  while (*got < count) {
    const std::size_t chunk = std::min<std::size_t>(count - *got, 1u << 30);
    const ssize_t n = read(static_cast<int>(m_hFile), buffer + *got, chunk);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return false;
    }
    if (n == 0) {
      break;
    }
    *got += static_cast<std::size_t>(n);
  }
  return true;
}

bool CFile::Write(const std::string_view* pieces, std::size_t count) {
  return IsOpen() && WriteAll(static_cast<int>(m_hFile), pieces, count);
}

bool CFile::Close() {
  if (!IsOpen()) {
    return false;
  }
  const int fd = static_cast<int>(m_hFile);
  m_hFile = -1;
  return close(fd) == 0;
}
