#include <windows.h>

#include "framework/win32_io.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kJoinLimit = 64 * 1024;

bool WriteBytes(HANDLE file, const char* data, std::size_t size) {
  while (size > 0) {
    const DWORD chunk =
        static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace

bool WriteAll(HANDLE file, const std::string_view* pieces, std::size_t count) {
  std::size_t total = 0;
  for (std::size_t i = 0; i < count; ++i) {
    total += pieces[i].size();
  }
  if (count > 1 && total <= kJoinLimit) {
    std::string joined;
    joined.reserve(total);
    for (std::size_t i = 0; i < count; ++i) {
      joined.append(pieces[i]);
    }
    return WriteBytes(file, joined.data(), joined.size());
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!WriteBytes(file, pieces[i].data(), pieces[i].size())) {
      return false;
    }
  }
  return true;
}
