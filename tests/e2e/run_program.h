#pragma once

#include <string>
#include <vector>

// Runs `program` with `args`, in `dir`, its standard input from `input` when
// not empty, and waits for it. Returns its exit status, or -1 when it could
// not be started or did not end normally.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& dir, const std::string& input = "");
