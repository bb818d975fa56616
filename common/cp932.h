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

// Where the last character starts (0 for an empty text).
std::size_t LastCharStart(std::string_view text);

// Whether the first prefix.size() bytes of `text` equal `prefix` without
// regard to the case of single-byte letters. Compares in place.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The first position, on a character boundary of `text`, where `text` with
// its single-byte letters upper-cased holds `needle` byte for byte; npos if
// none. A trail byte never starts a match and is never upper-cased, so ア
// (83 41) holds no "A". Compares in place.
std::size_t FindInUpperCased(std::string_view text, std::string_view needle);

// The same search without upper-casing: the first position, on a character
// boundary, where `text` holds `needle` in whole characters; npos if none.
// An empty needle is found at 0.
std::size_t FindWhole(std::string_view text, std::string_view needle);

// The number of characters: a lead byte and its trail byte count once.
std::size_t CharCount(std::string_view text);

// The length of the longest start of `text` that fits in `room` bytes
// without splitting a double-byte character.
std::size_t FittingLength(std::string_view text, std::size_t room);

// True when the last character of `text` is a backslash (not a trail byte).
bool EndsWithBackslash(std::string_view text);

// Folds A-Z to a-z in single-byte characters only.
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);

// Case-insensitive comparison that folds only single-byte letters;
// negative, zero or positive like strcmp.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

// A hash that agrees with EqualNoCase: texts equal without case hash alike.
std::size_t HashNoCase(std::string_view text);

}  // namespace qd::cp932
