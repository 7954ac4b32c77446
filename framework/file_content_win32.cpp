#include "framework/file_content.h"

// A mapped view would pin the master against every writer, and a 32-bit
// process may lack the address space for it, so the file is read.
bool CFileContent::Map() {
  return false;
}

void CFileContent::Unmap() {}

bool CFileContent::Intact() const {
  return true;
}

std::string_view CFileContent::Window(std::size_t begin, std::size_t end) {
  return Bytes().substr(begin, end - begin);
}
