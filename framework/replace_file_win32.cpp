#include <windows.h>

#include "framework/replace_file.h"

#include <string>

#include "framework/win32_io.h"

struct CReplaceFile::Impl {
  std::string path;
  HANDLE file = INVALID_HANDLE_VALUE;  // held from Open, as the check's proof
  bool created = false;
  bool done = false;
  std::string tempPath;

  ~Impl() {
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
    }
    if (!tempPath.empty()) {
      DeleteFileA(tempPath.c_str());
    }
    if (created && !done) {
      DeleteFileA(path.c_str());
    }
  }

  bool CloseHeld() {
    const HANDLE held = file;
    file = INVALID_HANDLE_VALUE;
    return CloseHandle(held) != 0;
  }

  bool WriteInPlace(const std::string_view* pieces, std::size_t count,
                    bool disk) {
    if (disk) {
      LARGE_INTEGER zero{};
      if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) ||
          !SetEndOfFile(file)) {
        return false;
      }
    }
    if (!WriteAll(file, pieces, count)) {
      return false;
    }
    if (disk && !FlushFileBuffers(file)) {
      return false;
    }
    return CloseHeld();
  }

  bool WriteBeside(const std::string_view* pieces, std::size_t count,
                   bool* noRoom) {
    char full[MAX_PATH * 2];
    char* filePart = nullptr;
    const DWORD n =
        GetFullPathNameA(path.c_str(), sizeof full, full, &filePart);
    if (n == 0 || n >= sizeof full || !filePart) {
      return false;
    }
    const std::string dir(full, filePart - full);
    char temp[MAX_PATH * 2];
    if (!GetTempFileNameA(dir.c_str(), "tsp", 0, temp)) {
      const DWORD error = GetLastError();
      *noRoom = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
      return false;
    }
    tempPath = temp;
    const HANDLE h =
        CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      return false;
    }
    bool ok = WriteAll(h, pieces, count) && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
    // The held handle shares no delete access, so it must go before the move.
    ok = CloseHeld() && ok;
    if (!ok ||
        !MoveFileExA(temp, path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    tempPath.clear();
    return true;
  }
};

CReplaceFile::CReplaceFile() : m_pImpl(new Impl) {}

CReplaceFile::~CReplaceFile() = default;

bool CReplaceFile::Open(const std::string& name) {
  Impl& impl = *m_pImpl;
  if (impl.file != INVALID_HANDLE_VALUE) {
    return false;
  }
  impl.path = name;
  const HANDLE h =
      CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    return false;
  }
  impl.created = GetLastError() != ERROR_ALREADY_EXISTS;
  impl.file = h;
  return true;
}

bool CReplaceFile::Replace(const std::string_view* pieces, std::size_t count,
                           const CFileContent*) {
  Impl& impl = *m_pImpl;
  if (impl.file == INVALID_HANDLE_VALUE || impl.done) {
    return false;
  }
  bool ok;
  if (GetFileType(impl.file) != FILE_TYPE_DISK) {
    ok = impl.WriteInPlace(pieces, count, false);
  } else {
    bool noRoom = false;
    ok = impl.WriteBeside(pieces, count, &noRoom);
    if (!ok && noRoom && impl.file != INVALID_HANDLE_VALUE) {
      ok = impl.WriteInPlace(pieces, count, true);
    }
  }
  impl.done = ok;
  return ok;
}
