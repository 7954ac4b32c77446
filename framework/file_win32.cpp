#include <windows.h>

#include "framework/file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/win32_io.h"

namespace {

HANDLE AsHandle(std::intptr_t h) {
  return reinterpret_cast<HANDLE>(h);
}

}  // namespace

CFile::CFile()
    : m_hFile(reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE)) {}

CFile::~CFile() {
  if (IsOpen()) {
    CloseHandle(AsHandle(m_hFile));
  }
}

bool CFile::IsOpen() const {
  return AsHandle(m_hFile) != INVALID_HANDLE_VALUE;
}

bool CFile::Open(const std::string& name, unsigned flags) {
  if (IsOpen()) {
    return false;
  }
  const DWORD access = (flags & modeWrite) ? GENERIC_WRITE : GENERIC_READ;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  if ((flags & 0x70) == shareDenyWrite) {
    share = FILE_SHARE_READ;
  } else if ((flags & 0x70) == shareDenyRead) {
    share = FILE_SHARE_WRITE;
  }
  const DWORD creation = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
  const HANDLE h = CreateFileA(name.c_str(), access, share, nullptr, creation,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    return false;
  }
  m_hFile = reinterpret_cast<std::intptr_t>(h);
  return true;
}

bool CFile::GetLength(std::uint64_t* length) const {
  LARGE_INTEGER size;
  if (!IsOpen() || GetFileType(AsHandle(m_hFile)) != FILE_TYPE_DISK ||
      !GetFileSizeEx(AsHandle(m_hFile), &size)) {
    return false;
  }
  *length = static_cast<std::uint64_t>(size.QuadPart);
  return true;
}

bool CFile::Read(char* buffer, std::size_t count, std::size_t* got) {
  *got = 0;
  if (!IsOpen()) {
    return false;
  }
  while (*got < count) {
    const DWORD chunk =
        static_cast<DWORD>(std::min<std::size_t>(count - *got, 1u << 30));
    DWORD n = 0;
    if (!ReadFile(AsHandle(m_hFile), buffer + *got, chunk, &n, nullptr)) {
      // A pipe whose writer has gone has simply ended.
      if (GetLastError() == ERROR_BROKEN_PIPE) {
        break;
      }
      return false;
    }
    if (n == 0) {
      break;
    }
    *got += n;
  }
  return true;
}

bool CFile::Write(const std::string_view* pieces, std::size_t count) {
  return IsOpen() && WriteAll(AsHandle(m_hFile), pieces, count);
}

bool CFile::Close() {
  if (!IsOpen()) {
    return false;
  }
  const HANDLE h = AsHandle(m_hFile);
  m_hFile = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
  return CloseHandle(h) != 0;
}
