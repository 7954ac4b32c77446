#pragma once

#include <string>
#include <vector>

#include "framework/code_page.h"

// Splits a raw Windows command line into its arguments, dropping the program
// name, by the rules of the classic C run-time: blanks separate arguments
// outside quotes; 2n backslashes before a quote give n and the quote toggles
// quoting; 2n+1 give n and a literal quote; inside quotes "" gives one quote
// and ends the quoting. With a lead-byte table a two-byte character is never
// split, so its trail byte is never a blank, quote or backslash.
std::vector<std::string> SplitCommandLine(const std::string& commandLine,
                                          const LeadByteTable* lead);
