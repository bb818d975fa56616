// The one channel between Qd, QdKey and QdConf: Qd.ini beside the programs.
// Every write reaches the file before the call returns and every read
// consults the file, so a value written by one program is seen by another at
// its next read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qd {

class SettingsFile {
 public:
  virtual ~SettingsFile() = default;

  // The stored integer, or `def` when the entry is missing or is not a
  // number (see ParseSettingsInt).
  virtual int32_t ReadInt(std::string_view section, std::string_view key, int32_t def) = 0;
  // The stored text, or `def` when the entry is missing.
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) = 0;
  // Stores the value in signed decimal ("%d"); creates file and section.
  virtual void WriteInt(std::string_view section, std::string_view key, int32_t value) = 0;
  virtual void WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
  virtual void DeleteSection(std::string_view section) = 0;
  // Removes one entry; the section stays.
  virtual void DeleteKey(std::string_view section, std::string_view key) = 0;
};

// How a stored text reads as an integer, the same for every implementation:
// blanks before the number are skipped, an optional sign and decimal digits
// follow, and anything after the digits is ignored ("12px" reads 12). An
// empty text, a text without digits, and a number outside -2147483648 ..
// 4294967295 read as `def`. Values above 2147483647 wrap to the negative
// range, so callers that keep unsigned values see them unchanged.
int32_t ParseSettingsInt(std::string_view text, int32_t def);

// "<folder of the program>\Qd.ini" from the full path of the executable.
std::string SettingsPathFromModulePath(std::string_view module_path);

}  // namespace qd
