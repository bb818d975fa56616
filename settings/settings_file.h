// The one channel between Qd, QdKey and QdConf: Qd.ini beside the programs.
// Every write reaches the file before the call returns and every read
// consults the file, so a value written by one program is seen by another at
// its next read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qd {

// One entry of a section: its name and value as a string read gives them.
struct SettingsEntry {
  std::string key;
  std::string value;
  bool operator==(const SettingsEntry&) const = default;
};
using SettingsSection = std::vector<SettingsEntry>;

class SettingsFile {
 public:
  virtual ~SettingsFile() = default;

  // The stored integer, or `def` when the entry is missing or is not a
  // number (see ParseSettingsInt).
  virtual int32_t ReadInt(std::string_view section, std::string_view key, int32_t def) = 0;
  // The stored text, or `def` when the entry is missing.
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) = 0;
  // Every entry of the section in the order of the file, read in one go.
  // Lines without "=" are not entries; a later entry of the same name is
  // kept here but never found by SectionValue, as ReadString finds the first.
  virtual SettingsSection ReadSection(std::string_view section) = 0;

  // Stores the value in signed decimal ("%d"); creates file and section.
  virtual bool WriteInt(std::string_view section, std::string_view key, int32_t value) = 0;
  // False, with nothing written, when a text would break the file's lines
  // (see StorableText) or the file cannot be written.
  virtual bool WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
  // Replaces the section whole with `entries` in one write of the file, so
  // that a failure leaves either the old section or the new one, never a
  // mix; no key of the old section survives.
  virtual bool WriteSection(std::string_view section, const SettingsSection& entries) = 0;
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

// Whether a text can go into the file as a name or a value: a CR or an LF
// would end its line and start lines of its own (a new section, say).
bool StorableText(std::string_view text);

// A value as the profile API reads it: one pair of matching quotes ("" or
// '') around it dropped.
std::string_view WithoutQuotes(std::string_view value);

// An entry line "name=value" as the reads take it: blanks around name and
// value dropped, then one pair of matching quotes around the value; nullopt
// for a line without "=".
std::optional<SettingsEntry> ParseEntryLine(std::string_view line);

// The value of the first entry named `key` (without regard to case), or
// `def`; the integer form reads as ParseSettingsInt does.
std::string SectionValue(const SettingsSection& section, std::string_view key,
                         std::string_view def);
int32_t SectionInt(const SettingsSection& section, std::string_view key, int32_t def);

// "<folder of the program>\Qd.ini" from the full path of the executable.
std::string SettingsPathFromModulePath(std::string_view module_path);

}  // namespace qd
