#pragma once

#include <cstddef>
#include <string_view>

#include "framework/byte_search.h"
#include "framework/code_page.h"

// A complete line of a buffer: [begin, end), `end` just after its LF.
struct LineSpan {
  std::size_t begin = kNotFound;
  std::size_t end = kNotFound;

  bool Found() const { return begin != kNotFound; }
};

// The first complete line of `data` at or after `from` (a line start) that
// contains `text`: before the line's first NUL byte and, with a lead-byte
// table, starting at a character boundary. A last piece without an LF is no
// line. One linear scan of the buffer, however many lines it holds.
LineSpan FindLineContaining(std::string_view data, std::size_t from,
                            std::string_view text, const LeadByteTable* lead);
