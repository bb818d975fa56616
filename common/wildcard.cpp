#include "common/wildcard.h"

#include "common/cp932.h"
#include "common/name_list.h"

namespace qd {

// The single-backtrack match: only the last "*" seen is ever resumed. That
// is enough because a "*" may stop at every character start from where it
// begins on, so a later "*" can absorb whatever an earlier one would have
// taken beyond its first fit. Where a "*" resumes only grows, so the
// character starts are found by one cursor walking the name once.
bool MatchPattern(std::string_view pattern, std::string_view name) {
  constexpr std::size_t kNone = std::string_view::npos;
  std::size_t p = 0, n = 0;
  std::size_t star = kNone;  // the pattern position of the last "*"
  std::size_t resume = 0;    // where the name goes on after that "*"
  std::size_t start = 0;     // a character start of the name, never past `resume`
  auto start_at_or_after = [&](std::size_t at) {
    while (start < at) start += cp932::CharLength(name, start);
    return start;
  };
  for (;;) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      // After a "?" that took a lead byte the "*" first finishes that character.
      n = resume = start_at_or_after(n);
      continue;
    }
    if (p == pattern.size() && n == name.size()) return true;
    if (p < pattern.size() && n < name.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
      continue;
    }
    if (star == kNone || resume >= name.size()) return false;
    resume = start_at_or_after(resume + 1);
    p = star + 1;
    n = resume;
  }
}

WildcardMask::WildcardMask(std::string_view mask) {
  std::string terminated = cp932::ToUpper(mask);
  if (terminated.empty() || terminated.back() != ';') terminated += ';';
  for (std::string_view piece : SplitTerminated(terminated, ';')) patterns_.emplace_back(piece);
}

bool WildcardMask::Matches(std::string_view name) const {
  upper_.assign(name);
  for (std::size_t i = 0; i < upper_.size();) {
    const std::size_t n = cp932::CharLength(upper_, i);
    if (n == 1 && upper_[i] >= 'a' && upper_[i] <= 'z') upper_[i] = static_cast<char>(upper_[i] - 'a' + 'A');
    i += n;
  }
  for (const std::string& pattern : patterns_) {
    if (!pattern.empty() && MatchPattern(pattern, upper_)) return true;
  }
  return false;
}

}  // namespace qd
