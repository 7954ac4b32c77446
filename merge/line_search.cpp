#include "merge/line_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>

// Finds a text in a buffer. Stepping by its first byte with memchr is fastest
// while that byte is rare, as in most contents files; once it proves common
// (a file of near misses) a skip table takes over, so no input is much slower
// per byte than another.
class TextFinder {
 public:
  explicit TextFinder(std::string_view text) : m_text(text) {}

  // The first match in `bytes` that begins in [pos, end - size + 1), where
  // `bytes` begins at position `base` of the whole buffer.
  std::size_t Find(std::string_view bytes, std::size_t base, std::size_t pos,
                   std::size_t end) {
    const std::size_t hit = FindIn(bytes.substr(0, end - base), pos - base);
    return hit == kNotFound ? kNotFound : base + hit;
  }

 private:
  std::size_t FindIn(std::string_view data, std::size_t pos) {
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
        return FindIn(data, pos);
      }
    }
    return kNotFound;
  }

  std::string_view m_text;
  std::optional<
      std::boyer_moore_horspool_searcher<std::string_view::const_iterator>>
      m_skip;
};

namespace {

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

CLineScan::CLineScan(std::string_view data, std::size_t from,
                     std::string_view text, const LeadByteTable* lead)
    : m_data(data),
      m_text(text.substr(0, TextLength(text))),
      m_pLead(lead),
      m_finder(std::make_unique<TextFinder>(m_text)),
      m_nFrom(from),
      m_nPos(from) {
  // A line holds its only LF at its end.
  const std::size_t innerLf = m_text.find('\n');
  if (innerLf != kNotFound && innerLf + 1 < m_text.size()) {
    m_nPos = m_data.size();
  }
}

CLineScan::~CLineScan() = default;

bool CLineScan::Next(std::size_t limit, LineSpan* found,
                     const ByteWindow& window) {
  limit = std::min(limit, m_data.size());
  while (m_nPos < limit) {
    std::size_t hit = m_nPos;
    if (!m_text.empty()) {
      // Matches begin before the limit, so may end up to a text later.
      const std::size_t end =
          std::min(m_data.size(), limit + m_text.size() - 1);
      const bool inWindow =
          window.begin <= m_nPos && end <= window.begin + window.bytes.size();
      hit = inWindow ? m_finder->Find(window.bytes, window.begin, m_nPos, end)
                     : m_finder->Find(m_data, 0, m_nPos, end);
    }
    if (hit == kNotFound) {
      m_nPos = limit;
      break;
    }
    if (!m_line.Found() || hit >= m_line.end) {
      const std::size_t lf = m_data.find('\n', hit);
      if (lf == kNotFound) {
        m_nPos = m_data.size();  // a last piece without LF is no line
        break;
      }
      const std::size_t before = ReverseFindLf(m_data, m_nFrom, hit);
      m_line.begin = before == kNotFound ? m_nFrom : before + 1;
      m_line.end = lf + 1;
      const void* nul = std::memchr(m_data.data() + m_line.begin, '\0',
                                    m_line.end - m_line.begin);
      m_nNul = nul ? static_cast<const char*>(nul) - m_data.data() : m_line.end;
      m_nBoundary = m_line.begin;
    }
    if (!m_text.empty() && hit >= m_nNul) {
      m_nPos = m_line.end;
      continue;
    }
    if (m_pLead) {
      m_nBoundary = StepToBoundary(m_data, m_nBoundary, hit, m_nNul, *m_pLead);
      if (m_nBoundary != hit) {
        m_nPos = hit + 1;
        continue;
      }
    }
    *found = m_line;
    m_nPos = m_line.end;  // each line counts once
    return true;
  }
  return false;
}

LineSpan FindLineContaining(std::string_view data, std::size_t from,
                            std::string_view text, const LeadByteTable* lead) {
  CLineScan scan(data, from, text, lead);
  LineSpan line;
  return scan.Next(data.size(), &line, ByteWindow()) ? line : LineSpan();
}
