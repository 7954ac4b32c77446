#include "framework/byte_search.h"

#include <cstring>

std::size_t TextLength(std::string_view s) {
  const void* nul = std::memchr(s.data(), '\0', s.size());
  return nul ? static_cast<const char*>(nul) - s.data() : s.size();
}

std::size_t StepToBoundary(std::string_view s, std::size_t pos,
                           std::size_t target, std::size_t end,
                           const LeadByteTable& lead) {
  while (pos < target) {
    const bool pair = lead[static_cast<unsigned char>(s[pos])] && pos + 1 < end;
    pos += pair ? 2 : 1;
  }
  return pos;
}

std::size_t FindChar(std::string_view s, char c, const LeadByteTable* lead) {
  const std::size_t end = TextLength(s);
  if (!lead) {
    const void* hit = std::memchr(s.data(), c, end);
    return hit ? static_cast<const char*>(hit) - s.data() : kNotFound;
  }
  for (std::size_t pos = 0; pos < end;) {
    if (s[pos] == c) {
      return pos;
    }
    pos = StepToBoundary(s, pos, pos + 1, end, *lead);
  }
  return kNotFound;
}

std::size_t ReverseFindChar(std::string_view s, char c,
                            const LeadByteTable* lead) {
  const std::size_t end = TextLength(s);
  if (!lead) {
    const std::size_t hit = s.substr(0, end).rfind(c);
    return hit;
  }
  std::size_t found = kNotFound;
  for (std::size_t pos = 0; pos < end;) {
    if (s[pos] == c) {
      found = pos;
    }
    pos = StepToBoundary(s, pos, pos + 1, end, *lead);
  }
  return found;
}

std::size_t FindText(std::string_view s, std::string_view text,
                     const LeadByteTable* lead) {
  const std::string_view str = s.substr(0, TextLength(s));
  std::size_t boundary = 0;
  for (std::size_t from = 0;;) {
    const std::size_t hit = str.find(text, from);
    if (hit == kNotFound || !lead) {
      return hit;
    }
    boundary = StepToBoundary(str, boundary, hit, str.size(), *lead);
    if (boundary == hit) {
      return hit;
    }
    from = hit + 1;
  }
}
