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

bool StorableText(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos;
}

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<SettingsEntry> ParseEntryLine(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = TrimBlanks(line.substr(0, eq));
  const std::string_view value = WithoutQuotes(TrimBlanks(line.substr(eq + 1)));
  return SettingsEntry{std::string(key), std::string(value)};
}

std::string SectionValue(const SettingsSection& section, std::string_view key,
                         std::string_view def) {
  for (const SettingsEntry& e : section) {
    if (cp932::EqualNoCase(e.key, key)) return e.value;
  }
  return std::string(def);
}

int32_t SectionInt(const SettingsSection& section, std::string_view key, int32_t def) {
  return ParseSettingsInt(SectionValue(section, key, ""), def);
}

std::string SettingsPathFromModulePath(std::string_view module_path) {
  const std::size_t slash = cp932::FindLastChar(module_path, '\\');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : module_path.substr(0, slash);
  return std::string(folder) + "\\Qd.ini";
}

}  // namespace qd
