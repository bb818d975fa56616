#include "settings/settings_file.h"

#include "common/cp932.h"

namespace qd {

int32_t ParseSettingsInt(std::string_view text, int32_t def) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t first_digit = i;
  uint64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return def;  // beyond 32 bits
  }
  if (i == first_digit) return def;
  if (negative) {
    if (value > 0x80000000ull) return def;
    return static_cast<int32_t>(-static_cast<int64_t>(value));
  }
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::string SettingsPathFromModulePath(std::string_view module_path) {
  const std::size_t slash = cp932::FindLastChar(module_path, '\\');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : module_path.substr(0, slash);
  return std::string(folder) + "\\Qd.ini";
}

}  // namespace qd
