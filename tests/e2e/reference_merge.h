#pragma once

#include <string>

// The merge rules read line by line in the plainest way, one byte one
// character, to check the program against on real contents files.
struct ReferenceResult {
  std::string output;
  std::string entries;  // the log after its header: rows 7 to 14
};

ReferenceResult ReferenceMerge(const std::string& master,
                               const std::string& input,
                               const std::string& section);
