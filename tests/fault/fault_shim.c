/* Injects file-system faults into a program under test, preloaded with
 * LD_PRELOAD. Configured by the environment:
 *   TOCSPLICE_FAULT_OP     calls to fail, comma-separated: open, read, pread,
 *                          write, writev, copy_file_range, fsync, close,
 *                          rename, mmap
 *   TOCSPLICE_FAULT_MATCH  only calls on a file whose path contains this
 *   TOCSPLICE_FAULT_NTH    fail only the nth such call of each kind (from 1);
 *                          0 or unset: every one
 *   TOCSPLICE_FAULT_ERRNO  the error to report (default EIO)
 *   TOCSPLICE_FAULT_SHORT  reads and writes go short instead of failing
 *   TOCSPLICE_FAULT_FIRED  a file created when a fault is injected
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

enum {
  kOpen,
  kRead,
  kPread,
  kWrite,
  kWritev,
  kCopy,
  kFsync,
  kClose,
  kRename,
  kMmap,
  kKinds
};
static const char* const kNames[kKinds] = {
    "open",  "read",  "pread",  "write", "writev", "copy_file_range",
    "fsync", "close", "rename", "mmap"};
static long g_count[kKinds];

static int Listed(int kind) {
  const char* ops = getenv("TOCSPLICE_FAULT_OP");
  if (!ops)
    return 0;
  const size_t n = strlen(kNames[kind]);
  for (const char* p = ops; (p = strstr(p, kNames[kind])) != NULL; p += n) {
    const int starts = p == ops || p[-1] == ',';
    const int ends = p[n] == '\0' || p[n] == ',';
    if (starts && ends)
      return 1;
  }
  return 0;
}

static int PathMatches(const char* path) {
  const char* match = getenv("TOCSPLICE_FAULT_MATCH");
  return !match || (path && strstr(path, match));
}

static int FdMatches(int fd) {
  char link[64], path[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(link, path, sizeof path - 1);
  if (n < 0)
    return 0;
  path[n] = '\0';
  return PathMatches(path);
}

/* Whether this call is to fail; counts the matching calls of its kind. */
static int Fault(int kind, int matches) {
  if (!Listed(kind) || !matches)
    return 0;
  const long nth =
      getenv("TOCSPLICE_FAULT_NTH") ? atol(getenv("TOCSPLICE_FAULT_NTH")) : 0;
  ++g_count[kind];
  if (nth > 0 && g_count[kind] != nth)
    return 0;
  const char* fired = getenv("TOCSPLICE_FAULT_FIRED");
  if (fired) {
    int (*realOpen)(const char*, int, ...) = dlsym(RTLD_NEXT, "open");
    const int fd = realOpen(fired, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
      int (*realClose)(int) = dlsym(RTLD_NEXT, "close");
      realClose(fd);
    }
  }
  return 1;
}

static int Short(void) {
  return getenv("TOCSPLICE_FAULT_SHORT") != NULL;
}

static int FailWith(void) {
  const char* e = getenv("TOCSPLICE_FAULT_ERRNO");
  errno = e ? atoi(e) : EIO;
  return -1;
}

#define REAL(name, type) ((type)dlsym(RTLD_NEXT, name))

static int Open(const char* name, const char* path, int flags, mode_t mode) {
  if (Fault(kOpen, PathMatches(path)))
    return FailWith();
  return REAL(name, int (*)(const char*, int, ...))(path, flags, mode);
}

int open(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  const mode_t mode = va_arg(ap, mode_t);
  va_end(ap);
  return Open("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  const mode_t mode = va_arg(ap, mode_t);
  va_end(ap);
  return Open("open64", path, flags, mode);
}

ssize_t read(int fd, void* buf, size_t count) {
  if (Fault(kRead, FdMatches(fd))) {
    if (!Short())
      return FailWith();
    count = count > 1 ? count / 2 : count;
  }
  return REAL("read", ssize_t(*)(int, void*, size_t))(fd, buf, count);
}

static ssize_t Pread(const char* name, int fd, void* buf, size_t count,
                     off_t offset) {
  if (Fault(kPread, FdMatches(fd))) {
    if (!Short())
      return FailWith();
    count = count > 1 ? count / 2 : count;
  }
  return REAL(name, ssize_t(*)(int, void*, size_t, off_t))(fd, buf, count,
                                                           offset);
}

ssize_t pread(int fd, void* buf, size_t count, off_t offset) {
  return Pread("pread", fd, buf, count, offset);
}

ssize_t pread64(int fd, void* buf, size_t count, off_t offset) {
  return Pread("pread64", fd, buf, count, offset);
}

ssize_t write(int fd, const void* buf, size_t count) {
  if (Fault(kWrite, FdMatches(fd))) {
    if (!Short())
      return FailWith();
    count = count > 1 ? count / 2 : count;
  }
  return REAL("write", ssize_t(*)(int, const void*, size_t))(fd, buf, count);
}

ssize_t writev(int fd, const struct iovec* iov, int count) {
  if (Fault(kWritev, FdMatches(fd))) {
    if (!Short() || count == 0)
      return FailWith();
    return REAL("write", ssize_t(*)(int, const void*, size_t))(
        fd, iov[0].iov_base,
        iov[0].iov_len > 1 ? iov[0].iov_len / 2 : iov[0].iov_len);
  }
  return REAL("writev", ssize_t(*)(int, const struct iovec*, int))(fd, iov,
                                                                   count);
}

ssize_t copy_file_range(int in, off_t* inOffset, int out, off_t* outOffset,
                        size_t length, unsigned flags) {
  if (Fault(kCopy, FdMatches(out))) {
    if (!Short())
      return FailWith();
    length = length > 1 ? length / 2 : length;
  }
  return REAL("copy_file_range",
              ssize_t(*)(int, off_t*, int, off_t*, size_t, unsigned))(
      in, inOffset, out, outOffset, length, flags);
}

int fsync(int fd) {
  if (Fault(kFsync, FdMatches(fd)))
    return FailWith();
  return REAL("fsync", int (*)(int))(fd);
}

int close(int fd) {
  const int matches = FdMatches(fd);
  const int result = REAL("close", int (*)(int))(fd);
  if (result == 0 && Fault(kClose, matches))
    return FailWith();
  return result;
}

int rename(const char* from, const char* to) {
  if (Fault(kRename, PathMatches(to)))
    return FailWith();
  return REAL("rename", int (*)(const char*, const char*))(from, to);
}

static void* Mmap(const char* name, void* addr, size_t length, int prot,
                  int flags, int fd, off_t offset) {
  if (fd >= 0 && Fault(kMmap, FdMatches(fd))) {
    FailWith();
    return MAP_FAILED;
  }
  return REAL(name, void* (*)(void*, size_t, int, int, int, off_t))(
      addr, length, prot, flags, fd, offset);
}

void* mmap(void* addr, size_t length, int prot, int flags, int fd,
           off_t offset) {
  return Mmap("mmap", addr, length, prot, flags, fd, offset);
}

void* mmap64(void* addr, size_t length, int prot, int flags, int fd,
             off_t offset) {
  return Mmap("mmap64", addr, length, prot, flags, fd, offset);
}
