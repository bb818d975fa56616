#include "filer/commands/macros.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_file_system.h"

namespace qd {
namespace {

// Every macro against the paths that break byte-wise code: trail bytes 5C
// in folder and file names (十申, 表示, ソフト), a "%" inside the path, a
// drive root, a folder path ending in "\".
TEST(ExpandMacros, EachMacroTakesItsPartOfThePath) {
  test::FakeFileSystem fs;
  const struct {
    const char* path;
    const char* text;
    const char* expanded;
  } cases[] = {
      {"D:\\Data\\report.txt", "%p", "D:\\Data\\report.txt"},
      {"D:\\Data\\report.txt", "%d", "D:\\Data"},
      {"D:\\Data\\report.txt", "%f", "report.txt"},
      {"D:\\Data\\report.txt", "%n", "report"},
      {"D:\\Data\\report.txt", "%e", ".txt"},
      {"D:\\Data\\report.txt", "%s", "~D:\\Data\\report.txt"},
      {"D:\\Data\\report.txt", "/a %p", "/a D:\\Data\\report.txt"},
      {"D:\\Data\\report.txt", "\"%d\" %n%e", "\"D:\\Data\" report.txt"},
      {"D:\\Data\\report.txt", "no macro at all", "no macro at all"},
      {"D:\\report.txt", "%d", "D:"},
      {"D:\\Data\\", "%d|%f|%n|%e", "D:\\Data|||"},
      {"D:\\50%d\\a.txt", "%p %d", "D:\\50%d\\a.txt D:\\50%d"},
      {"C:\\十申\\表示.txt", "%d|%f|%n|%e", "C:\\十申|表示.txt|表示|.txt"},
      {"C:\\ソフト", "%d|%f|%n", "C:|ソフト|ソフト"},
      {"C:\\予定表\\.cvsignore", "%n|%e", "|.cvsignore"},
      {"\\\\srv\\share\\a.b.c", "%d|%n|%e", "\\\\srv\\share|a.b|.c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandMacros(c.text, c.path, fs), c.expanded) << c.path << " " << c.text;
  }
}

// What is no macro goes, with its "%": other letters (case counts), a last
// "%", and a double-byte character whole, never leaving its trail byte.
TEST(ExpandMacros, AnythingElseAfterAPercentIsDroppedWithIt) {
  test::FakeFileSystem fs;
  const struct {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"%P", ""},       {"%x%y", ""},          {"%%p", "%p"},      {"100%", "100"},
      {"%", ""},        {"", ""},              {"a%表b", "ab"},    {"%ソ%ソ", ""},
      {"表%p示", "表C:\\a示"}, {"%%%", "%"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandMacros(c.text, "C:\\a", fs), c.expanded) << c.text;
}

// A path whose short form cannot be had goes in whole, quoted when it has
// a blank; never empty.
TEST(ShortPathArgument, FallsBackToThePathQuotedWhenItHasABlank) {
  test::FakeFileSystem fs;
  fs.without_short_form = {"C:\\My Docs\\a b.txt", "C:\\表示\\ソフト.txt"};
  EXPECT_EQ(ShortPathArgument(fs, "C:\\My Docs\\a b.txt"), "\"C:\\My Docs\\a b.txt\"");
  EXPECT_EQ(ShortPathArgument(fs, "C:\\表示\\ソフト.txt"), "C:\\表示\\ソフト.txt");
  EXPECT_EQ(ShortPathArgument(fs, "C:\\Long Name.txt"), "~C:\\Long Name.txt");
  EXPECT_EQ(ExpandMacros("x %s", "C:\\My Docs\\a b.txt", fs), "x \"C:\\My Docs\\a b.txt\"");
}

TEST(SplitPath, SplitsByCharactersAsSplitpathDoes) {
  const struct {
    const char* path;
    PathParts parts;
  } cases[] = {
      {"D:\\Data\\report.txt", {"D:", "\\Data\\", "report", ".txt"}},
      {"report", {"", "", "report", ""}},
      {"C:\\十申", {"C:", "\\", "十申", ""}},
      {"C:\\表\\ポスト.txt", {"C:", "\\表\\", "ポスト", ".txt"}},
      {"a/b\\c.d", {"", "a/b\\", "c", ".d"}},
  };
  for (const auto& c : cases) {
    const PathParts p = SplitPath(c.path);
    EXPECT_EQ(p.drive, c.parts.drive) << c.path;
    EXPECT_EQ(p.folder, c.parts.folder) << c.path;
    EXPECT_EQ(p.name, c.parts.name) << c.path;
    EXPECT_EQ(p.ext, c.parts.ext) << c.path;
  }
}

}  // namespace
}  // namespace qd
