#pragma once

#include <string>
#include <vector>

#include "tests/scratch_dir.h"

// Runs the program under test in `dir` and gives its exit status.
int RunTocsplice(const ScratchDir& dir, const std::vector<std::string>& args);

// Copies a file of tests/fixtures into `dir` under `name`.
void CopyFixture(const std::string& fixture, const ScratchDir& dir,
                 const std::string& name);

// The run log's first five entries.
std::string LogHeader(const std::string& input, const std::string& output,
                      const std::string& merge, const std::string& section);
