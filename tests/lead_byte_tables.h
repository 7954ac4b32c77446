#pragma once

#include "framework/code_page.h"

// The lead bytes of the double-byte ANSI code pages, as Windows reports them.
const LeadByteTable& Cp932();  // Shift-JIS
const LeadByteTable& Cp936();
const LeadByteTable& Cp949();
const LeadByteTable& Cp950();
const LeadByteTable& Cp1361();
