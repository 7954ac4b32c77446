#include "framework/posix_io.h"

#include <errno.h>
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
