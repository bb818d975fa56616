#include "common/cp932.h"

#include <gtest/gtest.h>

#include "tests/common/hex_text.h"

namespace qd::cp932 {
namespace {

using test::Hex;

// The build turns UTF-8 literals into CP932; everything else rests on it.
TEST(Cp932Literals, AreCompiledToShiftJisBytes) {
  EXPECT_EQ(Hex("表示"), "95 5c 8e a6");
  EXPECT_EQ(Hex("ソフト"), "83 5c 83 74 83 67");
  EXPECT_EQ(Hex("能力"), "94 5c 97 cd");
  EXPECT_EQ(Hex("（;￢_￢）"), "81 69 3b 81 ca 5f 81 ca 81 6a");
  EXPECT_EQ(Hex("ｱｲｳ"), "b1 b2 b3");
}

TEST(Cp932Bytes, LeadBytesAreTheTwoShiftJisBands) {
  for (int c = 0; c < 256; ++c) {
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(c)), lead) << c;
  }
}

struct FindCase {
  std::string text;
  char ch;
  std::size_t first;
  std::size_t last;
};

TEST(Cp932Bytes, SearchesNeverMatchATrailByte) {
  const auto npos = std::string::npos;
  const FindCase cases[] = {
      {"表示", '\\', npos, npos},
      {"C:\\表示\\ソフト.txt", '\\', 2, 7},
      {"C:\\十申", '\\', 2, 2},
      {"予定表.xls", '\\', npos, npos},
      {"予定表.xls", '.', 6, 6},
      {"ア．ｔｘｔ", '.', npos, npos},
      {"a.b.c.txt", '.', 1, 5},
      {"ポスト.txt|竹掛け.txt|", '|', 10, 21},
      {"x", '\\', npos, npos},
      {"", '\\', npos, npos},
      // A lone lead byte at the end is a character of its own.
      {std::string("a\\\x95"), '\\', 1, 1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindChar(c.text, c.ch), c.first) << Hex(c.text);
    EXPECT_EQ(FindLastChar(c.text, c.ch), c.last) << Hex(c.text);
  }
  EXPECT_EQ(FindChar("a|b|c", '|', 2), 3u);
}

TEST(Cp932Bytes, EndsWithBackslashIgnoresTrailBytes) {
  EXPECT_FALSE(EndsWithBackslash("十申"));
  EXPECT_FALSE(EndsWithBackslash("C:\\表"));
  EXPECT_TRUE(EndsWithBackslash("C:\\表\\"));
  EXPECT_TRUE(EndsWithBackslash("C:\\"));
  EXPECT_FALSE(EndsWithBackslash(""));
}

// A cut to a byte budget keeps whole characters: 十申 (trail byte 5C) is
// never left as a lone lead byte or a half that reads as a backslash.
TEST(Cp932Bytes, FittingLengthNeverSplitsACharacter) {
  const struct {
    const char* text;
    std::size_t room;
    std::size_t kept;
  } cases[] = {
      {"abc", 5, 3},  {"abc", 2, 2},       {"十申", 3, 2}, {"十申", 4, 4},
      {"a十申", 2, 1}, {"ソフト.txt", 5, 4}, {"", 3, 0},     {"表", 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FittingLength(c.text, c.room), c.kept) << c.text << c.room;
}

TEST(Cp932Bytes, CaseFoldingTouchesSingleByteLettersOnly) {
  EXPECT_EQ(ToLower("ホテル.TXT"), "ホテル.txt");
  EXPECT_EQ(ToUpper("Ｂ溝.txt"), "Ｂ溝.TXT");
  EXPECT_EQ(ToLower("漢字abc.TXT"), "漢字abc.txt");
  EXPECT_EQ(ToUpper("ｱｲｳ.txt"), "ｱｲｳ.TXT");
}

struct SubstringCase {
  std::string text, needle;
  std::size_t whole;       // FindWhole
  std::size_t upper_case;  // FindInUpperCased, with the needle upper-cased
};

// A match starts and ends on character boundaries, and the upper-casing
// touches single-byte letters only.
TEST(Cp932Bytes, SubstringSearchesKeepToWholeCharacters) {
  const auto npos = std::string::npos;
  const SubstringCase cases[] = {
      {"Banana.txt", "b", npos, 0},
      {"Banana.txt", "a", 1, 1},
      {"Banana.txt", ".TXT", npos, 6},
      {"Banana.txt", "", 0, 0},
      {"", "", 0, 0},
      {"", "a", npos, npos},
      // ホ is 83 7a: no "z" in it, and no "Z" once upper-cased.
      {"ホテル.TXT", "z", npos, npos},
      // Ｂ and 溝 carry 0x61 ("a") as trail bytes.
      {"Ｂ溝.txt", "a", npos, npos},
      {"Ｂ溝.txt", "溝", 2, 2},
      // ソ is 83 5c: the 5c is no backslash, and "\x5c\x83" would straddle two characters.
      {"ソフト.txt", "\\", npos, npos},
      {"ソフト.txt", "\x5c\x83", npos, npos},
      {"予定表.xls", "表.x", 4, 4},
      {"漢字abc.TXT", "ABC", npos, 4},
      {"ｱｲｳ.txt", "ｲ", 1, 1},
      {"ア．ｔｘｔ", "ｔ", 4, 4},  // a full-width letter is not folded
      {"ア．ｔｘｔ", "Ｔ", npos, npos},
  };
  for (const SubstringCase& c : cases) {
    EXPECT_EQ(FindWhole(c.text, c.needle), c.whole) << Hex(c.text) << " / " << Hex(c.needle);
    EXPECT_EQ(FindInUpperCased(c.text, ToUpper(c.needle)), c.upper_case)
        << Hex(c.text) << " / " << Hex(c.needle);
  }
}

TEST(Cp932Bytes, HashNoCaseAgreesWithEqualNoCase) {
  const std::pair<const char*, const char*> equal[] = {
      {"ホテル.TXT", "ホテル.txt"}, {"C:\\表示", "c:\\表示"}, {"Ｂ溝", "Ｂ溝"}, {"", ""}, {"ｱｲｳ", "ｱｲｳ"}};
  for (const auto& [a, b] : equal) {
    ASSERT_TRUE(EqualNoCase(a, b)) << a;
    EXPECT_EQ(HashNoCase(a), HashNoCase(b)) << a;
  }
  // A folded trail byte would make these collide on every hash.
  EXPECT_NE(HashNoCase("Ｂ溝"), HashNoCase("\x82\x41溝"));
  EXPECT_NE(HashNoCase("ア"), HashNoCase("\x83\x61"));
}

TEST(Cp932Bytes, CompareNoCase) {
  EXPECT_TRUE(EqualNoCase("ホテル.TXT", "ホテル.txt"));
  EXPECT_TRUE(EqualNoCase("C:\\表示", "c:\\表示"));
  // ホ is 83 7a and セ 83 5a: folding the trail byte would make them equal.
  EXPECT_FALSE(EqualNoCase("ホテル", "セテル"));
  // Ｂ is 82 61; 82 41 differs from it only in a folded trail byte.
  EXPECT_FALSE(EqualNoCase("Ｂ溝", "\x82\x41溝"));
  EXPECT_EQ(ToUpper("ホテル"), "ホテル");
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(CompareNoCase("abcd", "ABC"), 0);
  EXPECT_LT(CompareNoCase("a", "表"), 0);
  EXPECT_EQ(CompareNoCase("", ""), 0);
}

}  // namespace
}  // namespace qd::cp932
