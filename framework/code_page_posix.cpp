#include "framework/code_page.h"

// POSIX has no ANSI code page, and the tool's behaviour may depend on nothing
// but its command line and its files, so every byte is a character here.
const LeadByteTable* SystemLeadBytes() {
  return nullptr;
}

unsigned SystemCodePage() {
  return 0;
}
