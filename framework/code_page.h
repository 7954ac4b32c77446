#pragma once

#include <array>

// Marks the bytes that begin a two-byte character of an ANSI code page.
using LeadByteTable = std::array<bool, 256>;

// The lead bytes of the system's ANSI code page, decided once on first use
// (the entry point makes that use before anything else); null when every
// byte is a character of its own.
const LeadByteTable* SystemLeadBytes();

// The code page behind SystemLeadBytes(); 0 where the platform has none.
unsigned SystemCodePage();
