#include "tests/lead_byte_tables.h"

#include <initializer_list>
#include <utility>

namespace {

LeadByteTable MakeTable(std::initializer_list<std::pair<int, int>> ranges) {
  LeadByteTable table{};
  for (const auto& range : ranges) {
    for (int b = range.first; b <= range.second; ++b) {
      table[b] = true;
    }
  }
  return table;
}

}  // namespace

const LeadByteTable& Cp932() {
  static const LeadByteTable table = MakeTable({{0x81, 0x9F}, {0xE0, 0xFC}});
  return table;
}

const LeadByteTable& Cp936() {
  static const LeadByteTable table = MakeTable({{0x81, 0xFE}});
  return table;
}

const LeadByteTable& Cp949() {
  static const LeadByteTable table = MakeTable({{0x81, 0xFE}});
  return table;
}

const LeadByteTable& Cp950() {
  static const LeadByteTable table = MakeTable({{0x81, 0xFE}});
  return table;
}

const LeadByteTable& Cp1361() {
  static const LeadByteTable table =
      MakeTable({{0x84, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}});
  return table;
}
