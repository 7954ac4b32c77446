#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Splits a fuzzer's input into a mode byte and fields separated by 0xFF; the
// last field takes the rest, 0xFF bytes included.
struct FuzzInput {
  bool doubleByte = false;
  std::vector<std::string> fields;
};

inline FuzzInput SplitFuzzInput(const std::uint8_t* data, std::size_t size,
                                std::size_t fieldCount) {
  FuzzInput input;
  if (size == 0) {
    input.fields.resize(fieldCount);
    return input;
  }
  input.doubleByte = (data[0] & 1) != 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::size_t pos = 0;
  for (std::size_t i = 0; i + 1 < fieldCount; ++i) {
    const std::size_t sep = rest.find('\xff', pos);
    if (sep == std::string::npos) {
      input.fields.push_back(rest.substr(pos));
      pos = rest.size();
      continue;
    }
    input.fields.push_back(rest.substr(pos, sep - pos));
    pos = sep + 1;
  }
  input.fields.push_back(rest.substr(pos));
  return input;
}

// A command-line argument cannot hold a NUL byte.
inline std::string WithoutNul(std::string s) {
  return s.substr(0, s.find('\0'));
}
