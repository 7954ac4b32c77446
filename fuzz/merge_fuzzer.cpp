// The merge over arbitrary master bytes, module names and section texts, in
// one- and two-byte mode, checked byte for byte against the plain reading of
// the rules, and for its shape: the master with at most the two lines added,
// each right after an LF of the master.
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "merge/contents_merger.h"
#include "tests/lead_byte_tables.h"
#include "tests/reference_merge.h"

namespace {

std::string g_dir;

std::string ReadAll(const std::string& path) {
  std::string bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
      bytes.append(buffer, n);
    }
    std::fclose(f);
  }
  return bytes;
}

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "check failed: %s\n", what);
    abort();
  }
}

// True when `output` is `master` with `first` and `second` each inserted at
// most once, and only right after an LF of the master.
bool IsMasterWithInsertions(const std::string& master,
                            const std::string& output, const std::string& first,
                            const std::string& second) {
  const std::size_t n = master.size();
  // can[i][a][b]: the rest of the output matches master[i..] when `first`
  // (a) and `second` (b) have already been placed.
  std::vector<std::array<std::array<bool, 2>, 2>> can(n + 1);
  for (std::size_t i = n + 1; i-- > 0;) {
    for (int a = 1; a >= 0; --a) {
      for (int b = 1; b >= 0; --b) {
        const std::size_t j =
            i + (a ? first.size() : 0) + (b ? second.size() : 0);
        bool ok = false;
        if (j <= output.size()) {
          ok = i == n ? j == output.size()
                      : output[j] == master[i] && can[i + 1][a][b];
          if (!ok && i > 0 && master[i - 1] == '\n') {
            ok = (!a && output.compare(j, first.size(), first) == 0 &&
                  can[i][1][b]) ||
                 (!b && output.compare(j, second.size(), second) == 0 &&
                  can[i][a][1]);
          }
        }
        can[i][a][b] = ok;
      }
    }
  }
  return can[0][0][0];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char templ[] = "/dev/shm/tocsplice-fuzz-XXXXXX";
  char fallback[] = "/tmp/tocsplice-fuzz-XXXXXX";
  const char* dir = mkdtemp(templ);
  g_dir = dir ? dir : mkdtemp(fallback);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const FuzzInput in = SplitFuzzInput(data, size, 3);
  const std::string input = WithoutNul(in.fields[0]);
  const std::string section = WithoutNul(in.fields[1]);
  const std::string& master = in.fields[2];
  if (input.empty()) {
    return 0;  // no merge is made without an input name
  }
  const LeadByteTable* lead = in.doubleByte ? &Cp932() : nullptr;
  const std::string masterPath = g_dir + "/m.cnt";
  const std::string outputPath = g_dir + "/o.cnt";
  const std::string logPath = g_dir + "/r.log";
  if (std::FILE* f = std::fopen(masterPath.c_str(), "wb")) {
    std::fwrite(master.data(), 1, master.size(), f);
    std::fclose(f);
  }
  int outcome;
  {
    CContentsMerger merger;
    merger.SetLeadBytes(lead);
    outcome = merger.Merge(outputPath, input, masterPath, section, logPath);
  }
  Check(outcome == kOutputWritten, "outcome");
  const ReferenceResult expected = ReferenceMerge(master, input, section, lead);
  const std::string output = ReadAll(outputPath);
  Check(output == expected.output, "output");
  const std::string header =
      "[LOG]\r\nInputFile=" + input + "\r\nOutputFile=" + outputPath +
      "\r\nMergeFile=" + masterPath + "\r\nFindString=" + section + "\r\n";
  Check(ReadAll(logPath) == header + expected.entries, "log");

  const std::string module = DeriveModuleName(input, lead);
  Check(IsMasterWithInsertions(master, output,
                               ":Index " + module + "=" + module + ".hlp\r\n",
                               ":include " + module + ".cnt\r\n"),
        "shape");
  return 0;
}
