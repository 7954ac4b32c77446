#pragma once

#include <cstddef>
#include <string_view>

#include "framework/code_page.h"

// The searches of the string class. They are case-sensitive and look at a
// string only up to its first NUL byte. Given a lead-byte table they step
// over each two-byte character as a whole, so a trail byte never matches on
// its own; a lead byte at the end of the string or before its NUL is a
// character of its own, so no search reads past the string.

constexpr std::size_t kNotFound = std::string_view::npos;

// The length of `s` up to its first NUL byte.
std::size_t TextLength(std::string_view s);

// From `pos`, a character boundary of `s` before `end`, steps character by
// character until reaching `target` or passing it; returns where it stopped.
// `target` is a boundary exactly when the result equals it. `end` bounds
// the two-byte steps: a lead byte at end - 1 stands alone.
std::size_t StepToBoundary(std::string_view s, std::size_t pos,
                           std::size_t target, std::size_t end,
                           const LeadByteTable& lead);

std::size_t FindChar(std::string_view s, char c, const LeadByteTable* lead);
std::size_t ReverseFindChar(std::string_view s, char c,
                            const LeadByteTable* lead);
std::size_t FindText(std::string_view s, std::string_view text,
                     const LeadByteTable* lead);
