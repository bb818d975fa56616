// Masks: wildcard patterns separated by ";". "*" stands for any run of
// characters, "?" for exactly one byte, every other byte for itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qd {

// Whether `name` matches `pattern`. Callers upper-case both sides first
// (cp932::ToUpper, which leaves trail bytes alone). A "*" stops only where a
// character of the name starts, so "*A" never ends on the trail byte of ア
// (83 41); "?" is one byte, so a double-byte character takes "??". Time is
// at most the product of the two lengths, however many "*" there are.
bool MatchPattern(std::string_view pattern, std::string_view name);

// The patterns of a mask: the pieces between the ";" characters (a trail
// byte 3B, as in FC 3B, is no ";"). A mask that does not end in ";" is read
// as if it did, so "a;b" and "a;b;" are the same two pieces; a piece may be
// empty, and so is the one piece of an empty mask.
std::vector<std::string_view> SplitMask(std::string_view mask);

// A mask split into its patterns (SplitMask), upper-cased once. An empty
// piece matches no name.
class WildcardMask {
 public:
  explicit WildcardMask(std::string_view mask);
  // Whether the name, upper-cased, matches any of the patterns.
  bool Matches(std::string_view name) const;
  const std::vector<std::string>& patterns() const { return patterns_; }

 private:
  std::vector<std::string> patterns_;
  // The name upper-cased and where its characters start, kept to spare
  // fresh memory per name.
  mutable std::string upper_;
  mutable std::vector<unsigned char> starts_;
};

}  // namespace qd
