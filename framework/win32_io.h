#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

// Writes every byte of the pieces to `file`, or fails. Small entries go out
// in one WriteFile call, so a reader never sees half of one.
bool WriteAll(HANDLE file, const std::string_view* pieces, std::size_t count);
