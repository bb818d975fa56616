// Bytes as hex pairs, for failure messages and byte-exact expectations.
#pragma once

#include <string>
#include <string_view>

namespace qd::test {

inline std::string Hex(std::string_view s) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : s) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

}  // namespace qd::test
