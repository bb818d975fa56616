// Byte rules of code page 932 (Shift-JIS). Every name and text of Qd is a
// CP932 byte string; these helpers never take a trail byte for an ASCII
// character, and they do not depend on the process code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qd::cp932 {

// 0x81-0x9F and 0xE0-0xFC start a double-byte character.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length of the character that starts at `pos` (1 or 2; 1 at a lone lead
// byte at the end of the text).
std::size_t CharLength(std::string_view text, std::size_t pos);

// Position of the first / last character equal to the single-byte `ch`,
// skipping the trail bytes of double-byte characters; npos when absent.
std::size_t FindChar(std::string_view text, char ch, std::size_t from = 0);
std::size_t FindLastChar(std::string_view text, char ch);

// The number of characters: a lead byte and its trail byte count once.
std::size_t CharCount(std::string_view text);

// True when the last character of `text` is a backslash (not a trail byte).
bool EndsWithBackslash(std::string_view text);

// Folds A-Z to a-z in single-byte characters only.
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);

// Case-insensitive comparison that folds only single-byte letters;
// negative, zero or positive like strcmp.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

}  // namespace qd::cp932
