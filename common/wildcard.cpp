#include "common/wildcard.h"

#include <cstring>

#include "common/cp932.h"
#include "common/name_list.h"

namespace qd {

namespace {

// Marks where each character of the name starts; the end counts as one.
void MarkCharStarts(std::string_view name, std::vector<unsigned char>& starts) {
  starts.assign(name.size() + 1, 0);
  for (std::size_t i = 0; i < name.size(); i += cp932::CharLength(name, i)) starts[i] = 1;
  starts[name.size()] = 1;
}

// The single-backtrack match: only the last "*" seen is ever resumed. That
// is enough because a "*" may stop at every character start from where it
// begins on, so a later "*" can absorb whatever an earlier one would have
// taken beyond its first fit. When a literal byte follows the "*", the
// resume jumps to the next such byte instead of trying every character.
bool Match(std::string_view pattern, std::string_view name, const unsigned char* starts) {
  constexpr std::size_t kNone = std::string_view::npos;
  std::size_t p = 0, n = 0;
  std::size_t star = kNone;  // the pattern position of the last "*"
  std::size_t resume = 0;    // where the name goes on after that "*"
  auto start_at_or_after = [&](std::size_t at) {
    while (!starts[at]) ++at;
    return at;
  };
  // The next place at or after `at` where the rest after the "*" may begin.
  auto next_resume = [&](std::size_t at) {
    at = start_at_or_after(at);
    if (star + 1 >= pattern.size()) return at;
    const char c = pattern[star + 1];
    if (c == '?' || c == '*') return at;
    for (;;) {
      const void* hit = at < name.size() ? std::memchr(name.data() + at, c, name.size() - at) : nullptr;
      if (!hit) return name.size();  // the "*" runs to the end, where the literal fails
      at = static_cast<std::size_t>(static_cast<const char*>(hit) - name.data());
      if (starts[at]) return at;
      ++at;
    }
  };
  for (;;) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      // After a "?" that took a lead byte the "*" first finishes that character.
      n = resume = next_resume(n);
      continue;
    }
    if (p == pattern.size() && n == name.size()) return true;
    if (p < pattern.size() && n < name.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
      continue;
    }
    if (star == kNone || resume >= name.size()) return false;
    resume = next_resume(resume + 1);
    p = star + 1;
    n = resume;
  }
}

}  // namespace

bool MatchPattern(std::string_view pattern, std::string_view name) {
  std::vector<unsigned char> starts;
  MarkCharStarts(name, starts);
  return Match(pattern, name, starts.data());
}

std::vector<std::string_view> SplitMask(std::string_view mask) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < mask.size(); i += cp932::CharLength(mask, i)) {
    if (mask[i] != ';') continue;
    pieces.push_back(mask.substr(start, i - start));
    start = i + 1;
  }
  // The last piece needs no ";" after it, whatever its last byte is.
  if (start < mask.size() || mask.empty()) pieces.push_back(mask.substr(start));
  return pieces;
}

WildcardMask::WildcardMask(std::string_view mask) {
  // Upper-casing leaves trail bytes alone, so the pieces fall where they did.
  const std::string upper = cp932::ToUpper(mask);
  for (std::string_view piece : SplitMask(upper)) patterns_.emplace_back(piece);
}

bool WildcardMask::Matches(std::string_view name) const {
  // One pass folds the single-byte letters and marks the character starts.
  upper_.assign(name);
  starts_.assign(name.size() + 1, 0);
  for (std::size_t i = 0; i < upper_.size();) {
    starts_[i] = 1;
    const std::size_t n = cp932::CharLength(upper_, i);
    if (n == 1 && upper_[i] >= 'a' && upper_[i] <= 'z') upper_[i] = static_cast<char>(upper_[i] - 'a' + 'A');
    i += n;
  }
  starts_[name.size()] = 1;
  for (const std::string& pattern : patterns_) {
    if (!pattern.empty() && Match(pattern, upper_, starts_.data())) return true;
  }
  return false;
}

}  // namespace qd
