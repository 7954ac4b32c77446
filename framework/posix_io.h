#pragma once

#include <cstddef>
#include <string_view>

// Writes every byte of the pieces to `fd` with gather writes, going on after
// short writes and interruptions; false on the first real error.
bool WriteAll(int fd, const std::string_view* pieces, std::size_t count);

// Copies `size` bytes of file `from`, starting at `offset`, to the end of
// what was written to `to`, inside the kernel where it can; `bytes` (the same
// bytes, mapped) serve where it cannot. False when the source ends early.
bool CopyRange(int from, std::size_t offset, const char* bytes,
               std::size_t size, int to);
