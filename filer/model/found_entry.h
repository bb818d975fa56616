// One entry of a directory search, as the row store takes it.
#pragma once

#include <cstdint>
#include <string_view>

namespace qd {

struct FoundEntry {
  std::string_view name;
  uint32_t attributes;
  uint64_t size;        // all 64 bits
  uint64_t write_time;  // FILETIME: 100 ns since 1601-01-01, UTC
};

}  // namespace qd
