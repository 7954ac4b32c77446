#pragma once

#include <cstddef>
#include <string_view>

// Writes every byte of the pieces to `fd` with gather writes, going on after
// short writes and interruptions; false on the first real error.
bool WriteAll(int fd, const std::string_view* pieces, std::size_t count);
