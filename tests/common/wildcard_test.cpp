#include "common/wildcard.h"

#include <gtest/gtest.h>

#include <random>

#include "common/cp932.h"
#include "tests/common/hex_text.h"

namespace qd {
namespace {

using test::Hex;

// The matcher as the plain recursive definition gives it, with a "*" that
// stops only where a character of the name starts: exponential at worst,
// the reference the linear matcher must agree with.
bool IsCharStart(std::string_view name, std::size_t at) {
  std::size_t i = 0;
  while (i < at) i += cp932::CharLength(name, i);
  return i == at;
}
std::size_t NextCharStart(std::string_view name, std::size_t at) {
  std::size_t i = 0;
  while (i <= at) i += cp932::CharLength(name, i);
  return i;
}
bool Reference(std::string_view p, std::string_view name, std::size_t n) {
  if (p.empty()) return n == name.size();
  if (p[0] == '*') {
    if (IsCharStart(name, n) && Reference(p.substr(1), name, n)) return true;
    return n < name.size() && Reference(p, name, NextCharStart(name, n));
  }
  if (n >= name.size()) return false;
  if (p[0] != '?' && p[0] != name[n]) return false;
  return Reference(p.substr(1), name, n + 1);
}

struct MatchCase {
  std::string pattern;
  std::string name;  // upper-cased as the callers do
  bool matches;
  const char* why;
};

TEST(MatchPattern, WildcardsAndTheTrapsOfDoubleByteNames) {
  const MatchCase cases[] = {
      {"*", "", true, "a star takes nothing"},
      {"", "", true, "the end of both"},
      {"", "A", false, "a name left over"},
      {"*.*", "README", false, "the dot is literal"},
      {"*.*", "A.B.C.TXT", true, "any dot will do"},
      {"*.TXT", "ソフト.TXT", true, "a star over 0x5C trail bytes"},
      {"X?Z", "XYZ", true, "one byte for ?"},
      {"X?Z", "X表Z", false, "a double-byte middle takes two"},
      {"X??Z", "X表Z", true, "?? for one double-byte character"},
      {"??", "表", true, "?? for one double-byte character"},
      {"?", "表", false, "? is one byte"},
      {"*A", "ア", false, "a star never stops on ア's trail byte 41"},
      {"*A", "xア", false, "nor after a character before it"},
      {"*A", "アA", true, "a real A after it"},
      {"*\\", "表", false, "表's trail byte 5C is no backslash"},
      {"*|*", "ポスト", false, "ポ's trail byte 7C is no bar"},
      {"*A*", "漢字ABC", true, "single bytes after double ones"},
      {"?*A", "ア", false, "a star after a lone lead byte finishes the character"},
      {"?*", "表", true, "and may then end with the name"},
      {"*?", "表", false, "a ? at the end takes the last byte only when it is a character"},
      {"*??", "表", true, ""},
      {"*Z*", "ホテル", false, "ホ's trail byte 7A is z, and Z was upper-cased"},
      {"*B*", "Ｂ溝", false, "Ｂ (82 61): no single-byte B anywhere"},
      {"Ｂ*", "Ｂ溝.TXT", true, "a double-byte literal"},
      {"ｱ*", "ｱｲｳ.TXT", true, "half-width kana are single bytes"},
      {"*ｳ.TXT", "ｱｲｳ.TXT", true, ""},
      {"A*B*C", "AXXBXXC", true, ""},
      {"A*B*C", "AXXBXXCX", false, ""},
      {"*X", "表X", true, ""},
      {"**", "表", true, "stars in a row"},
      {std::string("*\x95"), std::string("A\x95"), true, "a lone lead byte at the end is a character"},
  };
  for (const MatchCase& c : cases) {
    EXPECT_EQ(MatchPattern(c.pattern, c.name), c.matches)
        << c.pattern << " vs " << Hex(c.name) << ": " << c.why;
    EXPECT_EQ(Reference(c.pattern, c.name, 0), c.matches) << "reference, " << c.pattern;
  }
}

// Random patterns and names over bytes that meet as lead, trail and single
// characters: both matchers must agree on every pair.
TEST(MatchPattern, AgreesWithTheRecursiveDefinitionOnRandomPairs) {
  const std::vector<std::string> name_pieces = {"A", "B", "ア", "表", "Ｂ", "\\", "ｱ", "."};
  const std::vector<std::string> pattern_pieces = {"*", "*", "?", "A", "B", "ア", "表", "\\",
                                                   ".", "ｱ", std::string(1, '\x83')};
  std::mt19937 random(12);
  int matched = 0;
  for (int i = 0; i < 200000; ++i) {
    std::string name, pattern;
    for (int k = static_cast<int>(random() % 7); k > 0; --k) name += name_pieces[random() % name_pieces.size()];
    if (random() % 8 == 0) name += '\x83';  // a lone lead byte at the end
    for (int k = static_cast<int>(random() % 6); k > 0; --k) {
      pattern += pattern_pieces[random() % pattern_pieces.size()];
    }
    const bool want = Reference(pattern, name, 0);
    matched += want;
    ASSERT_EQ(MatchPattern(pattern, name), want) << Hex(pattern) << " vs " << Hex(name);
    // A pattern is a mask of one piece; but an empty piece matches nothing.
    if (!pattern.empty()) {
      ASSERT_EQ(WildcardMask(pattern).Matches(name), want) << Hex(pattern) << " vs " << Hex(name);
    }
  }
  EXPECT_GT(matched, 10000);  // the table is not all misses
}

// Exponential in the recursive form: the call would not come back.
TEST(MatchPattern, ManyStarsOnALongNameComeBack) {
  const std::string name(4000, 'A');
  std::string pattern;
  for (int i = 0; i < 200; ++i) pattern += "*A";
  EXPECT_FALSE(MatchPattern(pattern + "B", name));
  EXPECT_TRUE(MatchPattern(pattern, name));
  std::string japanese;
  for (int i = 0; i < 2000; ++i) japanese += "ア";
  EXPECT_FALSE(MatchPattern(pattern, japanese));
}

TEST(WildcardMask, SplitsAtSemicolonsAndUpperCasesSingleBytesOnly) {
  const WildcardMask mask("*.txt;*.doc");
  EXPECT_EQ(mask.patterns(), (std::vector<std::string>{"*.TXT", "*.DOC"}));
  EXPECT_TRUE(mask.Matches("a.txt"));
  EXPECT_TRUE(mask.Matches("B.Doc"));
  EXPECT_FALSE(mask.Matches("c.xls"));
  EXPECT_EQ(WildcardMask("a;").patterns(), std::vector<std::string>{"A"});
  EXPECT_EQ(WildcardMask("").patterns(), std::vector<std::string>{""});
  EXPECT_FALSE(WildcardMask("").Matches("a"));  // the empty piece matches no name
  EXPECT_TRUE(WildcardMask(";*").Matches("a"));

  // ホ (83 7a) upper-cased byte-wise would turn into セ (83 5a), Ｂ (82 61)
  // into 82 41.
  EXPECT_TRUE(WildcardMask("ホテル.txt").Matches("ホテル.TXT"));
  EXPECT_FALSE(WildcardMask("セテル.txt").Matches("ホテル.TXT"));
  EXPECT_TRUE(WildcardMask("Ｂ溝.TXT").Matches("Ｂ溝.txt"));
  EXPECT_FALSE(WildcardMask(std::string("\x82\x41*")).Matches("Ｂ溝.txt"));
  EXPECT_TRUE(WildcardMask("x?z").Matches("XYZ"));
  EXPECT_TRUE(WildcardMask("X?Z").Matches("xyz"));
  EXPECT_FALSE(WildcardMask("X?Z").Matches("x表z"));
  // A last piece that ends in a trail byte 3B is matched all the same.
  const WildcardMask trail(";*.TXT;*\xFC\x3B");
  EXPECT_TRUE(trail.Matches("x\xFC\x3B"));
  EXPECT_TRUE(trail.Matches("ソフト.txt"));
  EXPECT_FALSE(trail.Matches("x"));
}

// A lead byte takes the byte after it, so FC 3B is one character and its 3B
// no ";"; 5C trail bytes (表, ソ) and 7C ones (ポ) are no separators either.
TEST(SplitMask, CutsAtSemicolonCharactersAndKeepsAnUnendedLastPiece) {
  using Pieces = std::vector<std::string>;
  const std::string fc3b = "\xFC\x3B";
  const struct {
    std::string mask;
    Pieces pieces;
  } cases[] = {
      {"*.txt;*.doc", {"*.txt", "*.doc"}},
      {"*.txt;*.doc;", {"*.txt", "*.doc"}},
      {"", {""}},
      {";", {""}},
      {";;", {"", ""}},
      {";*", {"", "*"}},
      {"表*;ソ*", {"表*", "ソ*"}},
      {"ポスト.txt;予定表.xls", {"ポスト.txt", "予定表.xls"}},
      {"*.txt;*" + fc3b, {"*.txt", "*" + fc3b}},
      {"*.txt;" + fc3b, {"*.txt", fc3b}},
      {fc3b, {fc3b}},
      {fc3b + ";a", {fc3b, "a"}},
      {"a;" + fc3b + ";", {"a", fc3b}},
      {"a;\x83", {"a", "\x83"}},  // a lone lead byte at the end is a character
  };
  for (const auto& c : cases) {
    const std::vector<std::string_view> views = SplitMask(c.mask);
    EXPECT_EQ(Pieces(views.begin(), views.end()), c.pieces) << Hex(c.mask);
    Pieces upper = c.pieces;
    for (std::string& piece : upper) piece = cp932::ToUpper(piece);
    EXPECT_EQ(WildcardMask(c.mask).patterns(), upper) << Hex(c.mask);
  }
}

}  // namespace
}  // namespace qd
