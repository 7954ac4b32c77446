// The double-byte searches against a naive reading: list where each
// character starts, then look only there.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/byte_search.h"
#include "fuzz/fuzz_input.h"
#include "tests/lead_byte_tables.h"

namespace {

std::vector<std::size_t> Starts(const std::string& s,
                                const LeadByteTable* lead) {
  const std::size_t end =
      s.find('\0') == std::string::npos ? s.size() : s.find('\0');
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < end; ++i) {
    starts.push_back(i);
    if (lead && (*lead)[static_cast<unsigned char>(s[i])] && i + 1 < end) {
      ++i;
    }
  }
  return starts;
}

void Expect(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "%s differs\n", what);
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const FuzzInput in = SplitFuzzInput(data, size, 2);
  const std::string& s = in.fields[1];
  const std::string text = WithoutNul(in.fields[0]);
  const LeadByteTable* lead = in.doubleByte ? &Cp932() : nullptr;
  const std::vector<std::size_t> starts = Starts(s, lead);
  const char c = text.empty() ? '\\' : text[0];
  std::size_t first = kNotFound;
  std::size_t last = kNotFound;
  std::size_t found = text.empty() ? 0 : kNotFound;
  const std::string str = s.substr(0, s.find('\0'));
  for (std::size_t p : starts) {
    if (s[p] == c) {
      last = p;
      first = first == kNotFound ? p : first;
    }
    if (found == kNotFound && str.compare(p, text.size(), text) == 0) {
      found = p;
    }
  }
  Expect(FindChar(s, c, lead) == first, "FindChar");
  Expect(ReverseFindChar(s, c, lead) == last, "ReverseFindChar");
  Expect(FindText(s, text, lead) == found, "FindText");
  Expect(TextLength(s) == str.size(), "TextLength");
  return 0;
}
