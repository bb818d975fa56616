#include "filer/fileops/clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qd {
namespace {

using namespace std::string_literals;

// Hard CP932 names: trail bytes 0x5C (ソ, 表, 能, 申) and 0x7C (ポ, 竹, 掛).
const char* const kHardNames[] = {"ソフト.txt", "表示",       "能力.doc",   "予定表.xls",
                                  "十申",       "ポスト.txt", "竹掛け.txt", "space name.txt"};

TEST(DoubleNulListTest, EveryPathEndsWithANulAndTheListWithOneMore) {
  EXPECT_EQ(DoubleNulList("C:\\d\\", ""), "\0"s);
  EXPECT_EQ(DoubleNulList("C:\\d\\", "a.txt|sub|"), "C:\\d\\a.txt\0C:\\d\\sub\0\0"s);
  EXPECT_EQ(DoubleNulList("", "C:\\x\\a.txt|D:\\b|"), "C:\\x\\a.txt\0D:\\b\0\0"s);
  // Names whose trail bytes are "\" or "|" stay whole, byte for byte.
  std::string names, expected;
  for (const char* n : kHardNames) {
    names += n;
    names += '|';
    expected += "C:\\表示\\"s + n + '\0';
  }
  expected += '\0';
  EXPECT_EQ(DoubleNulList("C:\\表示\\", names), expected);
}

TEST(ForbiddenCharacterTest, TheTenCharactersButNoTrailByte) {
  for (char c : std::string("\\/:;*?\"<>|")) {
    EXPECT_TRUE(HasForbiddenCharacter("a"s + c + "b")) << c;
  }
  for (const char* n : kHardNames) EXPECT_FALSE(HasForbiddenCharacter(n)) << n;
  EXPECT_FALSE(HasForbiddenCharacter("a.b c~!#$%&'()=-^@[]{}+"));
}

TEST(DroppedNamesTest, ItemsOfTheShownFolderAndPathsTooLongAreLeftOut) {
  const std::string too_long = "C:\\other\\" + std::string(260, 'x');
  const struct {
    const char* current;
    std::vector<std::string> dropped;
    const char* names;
  } kCases[] = {
      {"C:\\data", {"C:\\data\\a.txt", "C:\\other\\b.txt", "C:\\DATA\\c.txt"}, "C:\\other\\b.txt|"},
      {"C:\\data\\", {"C:\\data\\a.txt", "C:\\data\\sub\\b.txt"}, "C:\\data\\sub\\b.txt|"},
      // A drive root compares as "C:", the folder part of "C:\a.txt".
      {"C:\\", {"C:\\a.txt", "D:\\a.txt"}, "D:\\a.txt|"},
      // 申 ends in 0x5C: the shown folder 十申 is not the folder 十.
      {"C:\\十申", {"C:\\十申\\ソフト.txt", "C:\\十\\ポスト.txt"}, "C:\\十\\ポスト.txt|"},
      {"C:\\十", {"C:\\十申\\ソフト.txt"}, "C:\\十申\\ソフト.txt|"},
      {"C:\\data", {too_long, "C:\\other\\ok.txt"}, "C:\\other\\ok.txt|"},
      {"C:\\data", {}, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DroppedNames(c.current, c.dropped), c.names) << c.current;
  }
}

TEST(FileClipboardTest, AnEmptySelectionEmptiesItAndTheFieldMirrorsTheMode) {
  FileClipboard clip;
  EXPECT_EQ(clip.FieldText(), "");
  clip.Record(ClipboardMode::Cut, "C:\\d\\", "a|");
  EXPECT_EQ(clip.FieldText(), "cut");
  EXPECT_EQ(clip.progress_title, kMoveTitle);
  clip.Record(ClipboardMode::Copy, "C:\\e\\", "b|");
  EXPECT_EQ(clip.FieldText(), "copy");
  EXPECT_EQ(clip.progress_title, kCopyTitle);
  EXPECT_EQ(clip.source_folder, "C:\\e\\");
  clip.Record(ClipboardMode::Copy, "C:\\e\\", "");
  EXPECT_EQ(clip.mode, ClipboardMode::None);
  EXPECT_EQ(clip.FieldText(), "");
  EXPECT_EQ(clip.source_folder, "");
  EXPECT_EQ(clip.names, "");
}

}  // namespace
}  // namespace qd
