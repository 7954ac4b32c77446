#pragma once

#include <string>

#include "framework/code_page.h"

// The merge rules read line by line in the plainest way, to check the program
// against: on real contents files in the end-to-end tests, and on anything
// at all in the fuzzer.
struct ReferenceResult {
  std::string output;
  std::string entries;  // the log after its header: rows 7 to 14
};

ReferenceResult ReferenceMerge(const std::string& master,
                               const std::string& input,
                               const std::string& section,
                               const LeadByteTable* lead = nullptr);
