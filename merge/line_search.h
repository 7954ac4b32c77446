#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "framework/byte_search.h"
#include "framework/code_page.h"

// A complete line of a buffer: [begin, end), `end` just after its LF.
struct LineSpan {
  std::size_t begin = kNotFound;
  std::size_t end = kNotFound;

  bool Found() const { return begin != kNotFound; }
};

class TextFinder;

// Bytes [begin, begin + bytes.size()) of a buffer, held a second time where
// they are cheaper to read, such as a small buffer that stays in the cache.
struct ByteWindow {
  std::size_t begin = 0;
  std::string_view bytes;
};

// Finds, one after another, the complete lines of `data` from `from` (a line
// start) on that contain `text`: before the line's first NUL byte and, with a
// lead-byte table, starting at a character boundary. A last piece without an
// LF is no line. Several scans can go through one buffer together, a block at
// a time, so that the buffer is read from memory once for all of them.
class CLineScan {
 public:
  CLineScan(std::string_view data, std::size_t from, std::string_view text,
            const LeadByteTable* lead);
  ~CLineScan();
  CLineScan(const CLineScan&) = delete;
  CLineScan& operator=(const CLineScan&) = delete;

  // The next such line whose match begins before `limit`; false when there
  // is none there (a later call with a larger limit goes on from there).
  // Where `window` holds the stretch to search, it is searched instead.
  bool Next(std::size_t limit, LineSpan* found, const ByteWindow& window);
  // True once nothing more can be found.
  bool Ended() const { return m_nPos >= m_data.size(); }

 private:
  std::string_view m_data;
  std::string_view m_text;
  const LeadByteTable* m_pLead;
  std::unique_ptr<TextFinder> m_finder;
  std::size_t m_nFrom;
  std::size_t m_nPos;  // where the search goes on
  LineSpan m_line;     // the line of the latest match, with its first NUL
  std::size_t m_nNul = 0;
  std::size_t m_nBoundary = 0;  // a character boundary in m_line
};

// The first complete line of `data` at or after `from` (a line start) that
// contains `text`: before the line's first NUL byte and, with a lead-byte
// table, starting at a character boundary. A last piece without an LF is no
// line. One linear scan of the buffer, however many lines it holds.
LineSpan FindLineContaining(std::string_view data, std::size_t from,
                            std::string_view text, const LeadByteTable* lead);
