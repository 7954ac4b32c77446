#include "framework/posix_io.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

bool WriteAll(int fd, const std::string_view* pieces, std::size_t count) {
  std::vector<iovec> iov;
  iov.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (!pieces[i].empty()) {
      iov.push_back({const_cast<char*>(pieces[i].data()), pieces[i].size()});
    }
  }
  std::size_t next = 0;
  while (next < iov.size()) {
    const int batch = static_cast<int>(std::min<std::size_t>(
        iov.size() - next, static_cast<std::size_t>(IOV_MAX)));
    ssize_t n = writev(fd, iov.data() + next, batch);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    // A short write: skip what went out and carry on with the rest.
    while (next < iov.size() &&
           static_cast<std::size_t>(n) >= iov[next].iov_len) {
      n -= static_cast<ssize_t>(iov[next].iov_len);
      ++next;
    }
    if (next < iov.size()) {
      iov[next].iov_base = static_cast<char*>(iov[next].iov_base) + n;
      iov[next].iov_len -= static_cast<std::size_t>(n);
    }
  }
  return true;
}

bool CopyRange(int from, std::size_t offset, const char* bytes,
               std::size_t size, int to) {
  loff_t position = static_cast<loff_t>(offset);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n =
        copy_file_range(from, &position, to, nullptr, size - done, 0);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n == 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS &&
                   errno != EOPNOTSUPP && errno != EBADF)) {
      return false;
    }
    // No copy between these two files: write the mapped bytes instead.
    const std::string_view rest(bytes + done, size - done);
    return WriteAll(to, &rest, 1);
  }
  return true;
}
