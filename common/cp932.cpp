#include "common/cp932.h"

#include <cstdint>
#include <cstring>

namespace qd::cp932 {

namespace {

unsigned char FoldLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

unsigned char FoldUpper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

template <typename Fold>
std::string FoldSingleBytes(std::string_view text, Fold fold) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = CharLength(out, i);
    if (n == 1) out[i] = static_cast<char>(fold(static_cast<unsigned char>(out[i])));
    i += n;
  }
  return out;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

std::size_t FittingLength(std::string_view text, std::size_t room) {
  std::size_t n = 0;
  while (n < text.size()) {
    const std::size_t len = CharLength(text, n);
    if (n + len > room) break;
    n += len;
  }
  return n;
}

std::size_t FindChar(std::string_view text, char ch, std::size_t from) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (i >= from && text[i] == ch) return i;
  }
  return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view text, char ch) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == ch) found = i;
  }
  return found;
}

bool EndsWithBackslash(std::string_view text) {
  return !text.empty() && FindLastChar(text, '\\') == text.size() - 1;
}

std::string ToLower(std::string_view text) { return FoldSingleBytes(text, FoldLower); }
std::string ToUpper(std::string_view text) { return FoldSingleBytes(text, FoldUpper); }

int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size()) {
    // Both sides advance by the length of a's character; when the texts
    // differ inside that character the comparison ends there anyway.
    const std::size_t n = CharLength(a, i);
    for (std::size_t k = 0; k < n && i + k < b.size(); ++k) {
      unsigned char ca = static_cast<unsigned char>(a[i + k]);
      unsigned char cb = static_cast<unsigned char>(b[i + k]);
      if (n == 1) {
        ca = FoldLower(ca);
        cb = FoldLower(cb);
      }
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    i += n;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::size_t HashNoCase(std::string_view text) {
  // The bytes as CompareNoCase sees them, folded into a buffer and mixed a
  // word at a time: a pass over every row of a large list hashes each name.
  uint32_t hash = 2166136261u ^ static_cast<uint32_t>(text.size());
  unsigned char folded[64];
  std::size_t fill = 0;
  const auto mix = [&](std::size_t count) {
    std::size_t k = 0;
    for (; k + 4 <= count; k += 4) {
      uint32_t word;
      std::memcpy(&word, folded + k, 4);
      hash = ((hash << 5 | hash >> 27) ^ word) * 0x9E3779B1u;
    }
    for (; k < count; ++k) hash = (hash ^ folded[k]) * 16777619u;
  };
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size();) {
    if (fill + 2 > sizeof folded) {
      mix(fill);
      fill = 0;
    }
    const unsigned char c = bytes[i];
    if (i + 1 < text.size() && IsLeadByte(c)) {
      folded[fill++] = c;
      folded[fill++] = bytes[i + 1];
      i += 2;
    } else {
      folded[fill++] = FoldLower(c);
      ++i;
    }
  }
  mix(fill);
  return hash;
}

std::size_t LastCharStart(std::string_view text) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
  return last;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

namespace {

// The search of FindInUpperCased and FindWhole: `fold` is applied to the
// single-byte characters of `text` only.
template <typename Fold>
std::size_t FindFolded(std::string_view text, std::string_view needle, Fold fold) {
  for (std::size_t i = 0; i + needle.size() <= text.size(); i += CharLength(text, i)) {
    std::size_t k = i;  // walks `text` by characters
    std::size_t j = 0;  // walks `needle` by bytes
    while (j < needle.size()) {
      const std::size_t n = CharLength(text, k);
      if (n == 1) {
        if (fold(static_cast<unsigned char>(text[k])) != static_cast<unsigned char>(needle[j])) {
          break;
        }
      } else if (j + 1 >= needle.size() || text[k] != needle[j] || text[k + 1] != needle[j + 1]) {
        break;  // a double-byte character matches whole or not at all
      }
      k += n;
      j += n;
    }
    if (j == needle.size()) return i;
  }
  return std::string_view::npos;
}

unsigned char Same(unsigned char c) { return c; }

}  // namespace

std::size_t FindInUpperCased(std::string_view text, std::string_view needle) {
  return FindFolded(text, needle, FoldUpper);
}

std::size_t FindWhole(std::string_view text, std::string_view needle) {
  return FindFolded(text, needle, Same);
}

std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) ++n;
  return n;
}

}  // namespace qd::cp932
