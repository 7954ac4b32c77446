#include "merge/line_search.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>

namespace {

// Finds a text in a buffer. Stepping by its first byte with memchr is fastest
// while that byte is rare, as in most contents files; once it proves common
// (a file of near misses) a skip table takes over, so no input is much slower
// per byte than another.
class TextFinder {
 public:
  explicit TextFinder(std::string_view text) : m_text(text) {}

  std::size_t Find(std::string_view data, std::size_t pos) {
    if (m_text.empty()) {
      return pos <= data.size() ? pos : kNotFound;
    }
    if (m_skip) {
      const char* end = data.data() + data.size();
      const char* hit = (*m_skip)(data.data() + pos, end).first;
      return hit == end ? kNotFound
                        : static_cast<std::size_t>(hit - data.data());
    }
    const std::size_t start = pos;
    std::size_t misses = 0;
    while (pos + m_text.size() <= data.size()) {
      const void* first = std::memchr(data.data() + pos, m_text[0],
                                      data.size() - pos - m_text.size() + 1);
      if (!first) {
        return kNotFound;
      }
      pos = static_cast<const char*>(first) - data.data();
      if (std::memcmp(data.data() + pos, m_text.data(), m_text.size()) == 0) {
        return pos;
      }
      ++pos;
      if (++misses >= 64 && m_text.size() >= 4 && (pos - start) < misses * 32) {
        m_skip.emplace(m_text.begin(), m_text.end());
        return Find(data, pos);
      }
    }
    return kNotFound;
  }

 private:
  std::string_view m_text;
  std::optional<
      std::boyer_moore_horspool_searcher<std::string_view::const_iterator>>
      m_skip;
};

// The last LF in data[from, to), or kNotFound; eight bytes at a time, as
// lines may be long.
std::size_t ReverseFindLf(std::string_view data, std::size_t from,
                          std::size_t to) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  while (to - from >= 8) {
    std::uint64_t word;
    std::memcpy(&word, data.data() + to - 8, 8);
    const std::uint64_t x = word ^ (kOnes * '\n');
    if (((x - kOnes) & ~x & kHighs) != 0) {
      break;  // an LF among these eight: find it byte by byte
    }
    to -= 8;
  }
  while (to > from) {
    if (data[--to] == '\n') {
      return to;
    }
  }
  return kNotFound;
}

}  // namespace

LineSpan FindLineContaining(std::string_view data, std::size_t from,
                            std::string_view text, const LeadByteTable* lead) {
  text = text.substr(0, TextLength(text));
  // A line holds its only LF at its end.
  const std::size_t innerLf = text.find('\n');
  if (innerLf != kNotFound && innerLf + 1 < text.size()) {
    return {};
  }
  TextFinder finder(text);
  LineSpan line;  // the line of the latest hit, with its first NUL
  std::size_t nul = 0;
  std::size_t boundary = 0;
  for (std::size_t pos = from; pos < data.size();) {
    const std::size_t hit = finder.Find(data, pos);
    if (hit == kNotFound) {
      return {};
    }
    if (!line.Found() || hit >= line.end) {
      const std::size_t lf = data.find('\n', hit);
      if (lf == kNotFound) {
        return {};
      }
      const std::size_t before = ReverseFindLf(data, from, hit);
      line.begin = before == kNotFound ? from : before + 1;
      line.end = lf + 1;
      const void* firstNul =
          std::memchr(data.data() + line.begin, '\0', line.end - line.begin);
      nul = firstNul ? static_cast<const char*>(firstNul) - data.data()
                     : line.end;
      boundary = line.begin;
    }
    if (!text.empty() && hit >= nul) {
      pos = line.end;
      continue;
    }
    if (lead) {
      boundary = StepToBoundary(data, boundary, hit, nul, *lead);
      if (boundary != hit) {
        pos = hit + 1;
        continue;
      }
    }
    return line;
  }
  return {};
}
