#include "framework/file_content.h"

#include <algorithm>
#include <cstdint>
#include <new>

CFileContent::CFileContent() = default;

CFileContent::~CFileContent() {
  if (m_bMapped) {
    Unmap();
  }
}

CFileContent::Result CFileContent::Load(const std::string& name,
                                        unsigned flags) {
  if (!m_file.Open(name, flags)) {
    return kNotOpened;
  }
  if (Map()) {
    m_bMapped = true;
    return kRead;
  }
  const bool read = ReadToEnd();
  const bool closed = m_file.Close();
  return read && closed ? kRead : kFailed;
}

bool CFileContent::ReadToEnd() {
  // The length is only a first guess: the file is read to its end, and a
  // pipe has no length at all. One byte more shows the end without a second
  // buffer.
  std::uint64_t length = 0;
  if (!m_file.GetLength(&length)) {
    length = 64 * 1024 - 1;
  }
  if (length >= SIZE_MAX / 2) {
    return false;
  }
  std::size_t capacity = static_cast<std::size_t>(length) + 1;
  m_buffer.reset(new (std::nothrow) char[capacity]);
  if (!m_buffer) {
    return false;
  }
  for (;;) {
    std::size_t got = 0;
    if (!m_file.Read(m_buffer.get() + m_nSize, capacity - m_nSize, &got)) {
      return false;
    }
    m_nSize += got;
    m_pData = m_buffer.get();
    if (m_nSize < capacity) {
      return true;
    }
    // More to come: a pipe, or a file that grew since its length was taken.
    if (capacity >= SIZE_MAX / 3) {
      return false;
    }
    const std::size_t larger = capacity + capacity / 2;
    std::unique_ptr<char[]> grown(new (std::nothrow) char[larger]);
    if (!grown) {
      return false;
    }
    std::copy(m_buffer.get(), m_buffer.get() + m_nSize, grown.get());
    m_buffer = std::move(grown);
    capacity = larger;
  }
}
