#include "merge/line_search.h"

#include <cstring>

LineSpan FindLineContaining(std::string_view data, std::size_t from,
                            std::string_view text, const LeadByteTable* lead) {
  text = text.substr(0, TextLength(text));
  // A line holds its only LF at its end.
  const std::size_t innerLf = text.find('\n');
  if (innerLf != kNotFound && innerLf + 1 < text.size()) {
    return {};
  }
  LineSpan line;  // the line of the latest hit, with its first NUL
  std::size_t nul = 0;
  std::size_t boundary = 0;
  for (std::size_t pos = from; pos < data.size();) {
    const std::size_t hit = text.empty() ? pos : data.find(text, pos);
    if (hit == kNotFound) {
      return {};
    }
    if (!line.Found() || hit >= line.end) {
      const std::size_t lf = data.find('\n', hit);
      if (lf == kNotFound) {
        return {};
      }
      const std::size_t before =
          hit > from ? data.rfind('\n', hit - 1) : kNotFound;
      line.begin = before == kNotFound || before < from ? from : before + 1;
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
