#include "framework/replace_file.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/file_content.h"
#include "framework/posix_io.h"

namespace {

// Writes the pieces to `fd`; those inside `source` are copied from its file.
bool WritePieces(int fd, const std::string_view* pieces, std::size_t count,
                 const CFileContent* source) {
  const CFile* file = source ? source->MappedFile() : nullptr;
  if (!file) {
    return WriteAll(fd, pieces, count);
  }
  const std::string_view whole = source->Bytes();
  std::size_t plain = 0;  // first piece not yet written
  for (std::size_t i = 0; i <= count; ++i) {
    const bool inside =
        i < count && !pieces[i].empty() && pieces[i].data() >= whole.data() &&
        pieces[i].data() + pieces[i].size() <= whole.data() + whole.size();
    if (!inside && i < count) {
      continue;
    }
    if (!WriteAll(fd, pieces + plain, i - plain)) {
      return false;
    }
    if (i < count &&
        !CopyRange(static_cast<int>(file->Handle()),
                   static_cast<std::size_t>(pieces[i].data() - whole.data()),
                   pieces[i].data(), pieces[i].size(), fd)) {
      return false;
    }
    plain = i + 1;
  }
  return true;
}

}  // namespace

struct CReplaceFile::Impl {
  std::string path;  // the file itself, symbolic links followed
  int fd = -1;       // held from Open, for its lock and for in-place writing
  bool created = false;
  bool done = false;
  std::string tempPath;

  ~Impl() {
    if (!tempPath.empty()) {
      unlink(tempPath.c_str());
    }
    // A file that only Open brought into being goes again if nothing came of
    // it, unless something else has taken its name meanwhile.
    if (fd >= 0 && created && !done) {
      struct stat mine, now;
      if (fstat(fd, &mine) == 0 && stat(path.c_str(), &now) == 0 &&
          mine.st_dev == now.st_dev && mine.st_ino == now.st_ino) {
        unlink(path.c_str());
      }
    }
    if (fd >= 0) {
      close(fd);
    }
  }

  bool WriteInPlace(const std::string_view* pieces, std::size_t count,
                    const CFileContent* source, bool regular) {
    if (regular && ftruncate(fd, 0) != 0) {
      return false;
    }
    if (!WritePieces(fd, pieces, count, source)) {
      return false;
    }
    // Devices and pipes cannot be flushed, and need not be.
    if (regular && fsync(fd) != 0) {
      return false;
    }
    const int held = fd;
    fd = -1;
    return close(held) == 0;
  }

  bool WriteBeside(const std::string_view* pieces, std::size_t count,
                   const CFileContent* source, const struct stat& old,
                   bool* noRoom) {
    const std::size_t slash = path.rfind('/');
    const std::string dir =
        slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string base =
        slash == std::string::npos ? path : path.substr(slash + 1);
    std::string templ = (slash == std::string::npos ? "" : dir) + "." + base +
                        ".tocsplice-XXXXXX";
    const int temp = mkostemp(&templ[0], O_CLOEXEC);
    if (temp < 0) {
      *noRoom = errno == EACCES || errno == EPERM || errno == EROFS;
      return false;
    }
    tempPath = templ;
    // The new file takes the old one's permissions and, where allowed, owner.
    bool ok = fchmod(temp, old.st_mode & 07777) == 0;
    if (ok && (old.st_uid != geteuid() || old.st_gid != getegid())) {
      (void)!fchown(temp, old.st_uid, old.st_gid);
    }
    ok = ok && WritePieces(temp, pieces, count, source) && fsync(temp) == 0;
    ok = close(temp) == 0 && ok;
    if (!ok || rename(tempPath.c_str(), path.c_str()) != 0) {
      return false;
    }
    tempPath.clear();
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
      fsync(dirFd);
      close(dirFd);
    }
    return true;
  }
};

CReplaceFile::CReplaceFile() : m_pImpl(new Impl) {}

CReplaceFile::~CReplaceFile() = default;

bool CReplaceFile::Open(const std::string& name) {
  Impl& impl = *m_pImpl;
  if (impl.fd >= 0) {
    return false;
  }
  impl.path = name;
  struct stat link;
  if (lstat(name.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    if (char* target = realpath(name.c_str(), nullptr)) {
      impl.path = target;
      free(target);
    }
  }
  struct stat before;
  const bool existed = stat(impl.path.c_str(), &before) == 0;
  // Non-blocking, so that a pipe without a reader fails instead of hanging.
  const int fd = open(impl.path.c_str(),
                      O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) {
    return false;
  }
  impl.fd = fd;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    return false;
  }
  impl.created = !existed;
  const int flags = fcntl(fd, F_GETFL);
  return flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

bool CReplaceFile::Replace(const std::string_view* pieces, std::size_t count,
                           const CFileContent* source) {
  Impl& impl = *m_pImpl;
  struct stat old;
  if (impl.fd < 0 || impl.done || fstat(impl.fd, &old) != 0) {
    return false;
  }
  bool ok;
  if (!S_ISREG(old.st_mode)) {
    ok = impl.WriteInPlace(pieces, count, source, false);
  } else {
    bool noRoom = false;
    ok = impl.WriteBeside(pieces, count, source, old, &noRoom);
    if (!ok && noRoom) {
      ok = impl.WriteInPlace(pieces, count, source, true);
    }
  }
  impl.done = ok;
  return ok;
}
