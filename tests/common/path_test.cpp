#include "common/path.h"

#include <gtest/gtest.h>

namespace qd::path {
namespace {

// 十申 ends in the trail byte 0x5C of 申, 表 has one in the middle: a rule
// that looks at bytes takes either for a backslash.
TEST(PathRules, BackslashesAreAddedAndRemovedOnlyWhereTheyAreCharacters) {
  struct Case {
    const char* folder;
    const char* with;
    const char* without;
  } cases[] = {
      {"C:\\表", "C:\\表\\", "C:\\表"},
      {"C:\\十申", "C:\\十申\\", "C:\\十申"},
      {"C:\\十申\\", "C:\\十申\\", "C:\\十申"},
      {"C:\\", "C:\\", "C:\\"},
      {"d:\\", "d:\\", "d:\\"},
      {"ソ", "ソ\\", "ソ"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithBackslash(c.folder), c.with) << c.folder;
    EXPECT_EQ(WithoutBackslash(c.folder), c.without) << c.folder;
  }
  EXPECT_EQ(Join("C:\\十申", "能力.doc"), "C:\\十申\\能力.doc");
  EXPECT_EQ(Join("C:\\", "a.txt"), "C:\\a.txt");
}

// A normal form is its own normal form, so each expected text is checked
// again as an input.
TEST(PathRules, NormaliseTakesOutDotsAndDoubledSeparators) {
  struct Case {
    const char* path;
    const char* normal;
  } cases[] = {
      {"C:\\a\\.\\b\\..\\c", "C:\\a\\c"},
      {"C:\\..\\..", "C:\\"},
      {"C:\\a\\\\b\\", "C:\\a\\b"},
      {"C:", "C:\\"},
      {"C:\\十申\\..\\表示\\.", "C:\\表示"},  // 申 and 表 carry 0x5C trail bytes
      {"C:\\十申\\", "C:\\十申"},
      {"C:\\予定表\\ソフト.txt", "C:\\予定表\\ソフト.txt"},
      // A network path: the server and the share are its root.
      {"\\\\srv\\share\\a\\..\\b", "\\\\srv\\share\\b"},
      {"\\\\srv\\share", "\\\\srv\\share\\"},
      {"\\\\srv\\share\\..\\..", "\\\\srv\\share\\"},
      {"\\\\srv\\\\share", "\\\\srv\\share\\"},
      {"\\\\srv\\\\share\\\\a\\", "\\\\srv\\share\\a"},
      {"\\\\\\srv\\share", "\\\\srv\\share\\"},
      {"\\\\十申\\表示\\ソフト.txt", "\\\\十申\\表示\\ソフト.txt"},
      {"\\\\srv\\十申\\..", "\\\\srv\\十申\\"},
      // Without a share yet: no doubled backslash after the leading two.
      {"\\\\srv", "\\\\srv"},
      {"\\\\srv\\", "\\\\srv"},
      {"\\\\srv\\\\", "\\\\srv"},
      {"\\\\十申\\", "\\\\十申"},
      {"\\\\", "\\\\"},
      {"\\\\\\", "\\\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Normalise(c.path), c.normal) << c.path;
    EXPECT_EQ(Normalise(c.normal), c.normal) << c.normal;
  }
}

TEST(PathRules, LastComponentAndFolderSplitAtTheLastRealBackslash) {
  struct Case {
    const char* path;
    const char* last;
    const char* folder;
  } cases[] = {
      {"C:\\work\\ソフト.txt", "ソフト.txt", "C:\\work"},
      {"C:\\十申", "十申", "C:\\"},  // 申's 0x5C is not a separator
      {"C:\\a.txt", "a.txt", "C:\\"},  // not "C:", the drive's current folder
      {"C:\\", "C:\\", "C:\\"},
      {"表示", "表示", ""},
      {"C:\\予定表\\表", "表", "C:\\予定表"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LastComponent(c.path), c.last) << c.path;
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
  }
}

TEST(PathRules, ABareDriveIsTheDrivesCurrentFolderUntilMadeARoot) {
  EXPECT_TRUE(IsBareDrive("D:"));
  EXPECT_TRUE(IsBareDrive("d:"));
  for (const char* p : {"D:\\", "D:x", "表", "", "1:"}) EXPECT_FALSE(IsBareDrive(p)) << p;
  EXPECT_EQ(DriveAsRoot("D:"), "D:\\");
  EXPECT_EQ(DriveAsRoot("D:\\work"), "D:\\work");
  EXPECT_EQ(DriveAsRoot("表"), "表");
  EXPECT_EQ(DriveRoot("c:\\x\\y"), "c:\\");
  EXPECT_EQ(DriveRoot("表\\x"), "");
}

TEST(PathRules, DriveNumbersCountFromA) {
  EXPECT_EQ(DriveNumber("a:\\"), 1);
  EXPECT_EQ(DriveNumber("d:\\x"), 4);
  EXPECT_EQ(DriveNumber("Z:"), 26);
  for (const char* p : {"", "C", "\\\\server\\share", "表:", "@:", "[:"}) {
    EXPECT_EQ(DriveNumber(p), 0) << p;
  }
  EXPECT_EQ(DriveLetter(1), 'A');
  EXPECT_EQ(DriveLetter(26), 'Z');
  EXPECT_EQ(DriveLetter(0), '\0');
  EXPECT_EQ(DriveLetter(27), '\0');
}

}  // namespace
}  // namespace qd::path
