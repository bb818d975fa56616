// The texts of a listing row: name and extension split, size, date and
// attribute texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/file_attributes.h"

namespace qd {

inline constexpr std::string_view kDirSizeText = "<DIR>";

// Position of the dot that starts the extension (the last dot of the name,
// never a trail byte), or the length of the name when there is none or the
// dot is the first character (".profile" has no extension).
std::size_t ExtensionStart(std::string_view file_name);

// " %.4d/%.2d/%.2d %.2d:%.2d:%.2d" of a local file time (100 ns units since
// 1601-01-01). Every value gives a text of the same width.
std::string DateText(uint64_t local_file_time);
// The text shown when a time cannot be converted.
inline constexpr std::string_view kNoDateText = " ----/--/-- --:--:--";

// The letters of the attribute text, in the order the text shows them.
struct AttributeLetter {
  uint32_t bit;
  char letter;
};
inline constexpr std::array<AttributeLetter, 5> kAttributeLetters = {{
    {kAttrArchive, 'A'},
    {kAttrDirectory, 'D'},
    {kAttrHidden, 'H'},
    {kAttrReadOnly, 'R'},
    {kAttrSystem, 'S'},
}};

// Five characters "ADHRS", a dash where the attribute is not set.
std::string AttributeText(uint32_t attributes);

struct CivilTime {
  int year, month, day, hour, minute, second;
};
// Calendar time of a file time; false for values with the top bit set,
// which Windows does not convert either.
bool ToCivilTime(uint64_t file_time, CivilTime* out);

}  // namespace qd
