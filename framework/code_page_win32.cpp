#include <windows.h>

#include "framework/code_page.h"

namespace {

struct SystemCodePageInfo {
  unsigned codePage = 0;
  bool doubleByte = false;
  LeadByteTable leadBytes{};
};

SystemCodePageInfo Detect() {
  SystemCodePageInfo info;
  info.codePage = GetACP();
  CPINFOEXA cpInfo;
  if (!GetCPInfoExA(info.codePage, 0, &cpInfo)) {
    return info;
  }
  info.doubleByte = cpInfo.MaxCharSize > 1;
  for (int i = 0; i + 1 < MAX_LEADBYTES; i += 2) {
    const BYTE first = cpInfo.LeadByte[i];
    const BYTE last = cpInfo.LeadByte[i + 1];
    if (first == 0 && last == 0) {
      break;
    }
    for (unsigned b = first; b <= last; ++b) {
      info.leadBytes[b] = true;
    }
  }
  return info;
}

const SystemCodePageInfo& Info() {
  static const SystemCodePageInfo info = Detect();
  return info;
}

}  // namespace

const LeadByteTable* SystemLeadBytes() {
  return Info().doubleByte ? &Info().leadBytes : nullptr;
}

unsigned SystemCodePage() {
  return Info().codePage;
}
