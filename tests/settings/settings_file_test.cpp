#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "settings/ini_settings_file.h"
#include "tests/fakes/temp_dir.h"

namespace qd {
namespace {

using test::TempDir;

TEST(ParseSettingsInt, ReadsSignedDecimalAndFallsBackToTheDefault) {
  struct Case {
    const char* text;
    int32_t expected;
  } cases[] = {
      {"0", 0},
      {"-1", -1},
      {"200", 200},
      {"+7", 7},
      {"  42", 42},
      {"\t-3", -3},
      {"12px", 12},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"4294967295", -1},  // unsigned readers see 4294967295
      {"4294967296", 77},  // beyond 32 bits
      {"-2147483649", 77},
      {"99999999999999999999999", 77},
      {"", 77},
      {"abc", 77},
      {"-", 77},
      {" ", 77},
      {"0x10", 0},  // decimal only: the digits stop at x
  };
  for (const Case& c : cases) EXPECT_EQ(ParseSettingsInt(c.text, 77), c.expected) << c.text;
}

TEST(SettingsPath, IsQdIniBesideTheProgram) {
  EXPECT_EQ(SettingsPathFromModulePath("D:\\Tools\\Qd\\Qd.exe"), "D:\\Tools\\Qd\\Qd.ini");
  // Folders whose names end in a 0x5C trail byte.
  EXPECT_EQ(SettingsPathFromModulePath("C:\\表\\Qd.exe"), "C:\\表\\Qd.ini");
  EXPECT_EQ(SettingsPathFromModulePath("C:\\十申\\ソフト\\Qd.exe"), "C:\\十申\\ソフト\\Qd.ini");
  EXPECT_EQ(SettingsPathFromModulePath("Qd.exe"), "\\Qd.ini");
}

class IniFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("Qd.ini");
  IniSettingsFile ini{path};
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  EXPECT_EQ(ini.ReadInt("Conf-Main", "TabMax", 20), 20);
  EXPECT_EQ(ini.ReadString("Conf-Display", "FontName", "Terminal"), "Terminal");
  ini.WriteInt("Conf-Display", "ListText", -1);
  EXPECT_EQ(TempDir::Read(path), "[Conf-Display]\r\nListText=-1\r\n");
  EXPECT_EQ(ini.ReadInt("Conf-Display", "ListText", 5), -1);
}

TEST_F(IniFileTest, WritesAreSeenByAnotherReaderAtItsNextRead) {
  IniSettingsFile other(path);
  ini.WriteString("Etc", "CmdLine", "C:\\表示\\ソフト.txt");
  EXPECT_EQ(other.ReadString("Etc", "CmdLine", ""), "C:\\表示\\ソフト.txt");
  other.WriteString("Etc", "CmdLine", "");
  EXPECT_EQ(ini.ReadString("Etc", "CmdLine", "x"), "");
}

TEST_F(IniFileTest, NamesMatchWithoutCaseAndValuesAreReplacedInPlace) {
  ini.WriteInt("Conf-Main", "NewTab", 1);
  ini.WriteInt("Tab", "DIR0", 3);
  ini.WriteInt("conf-main", "NEWTAB", 0);
  ini.WriteInt("CONF-MAIN", "Esc", 1);
  EXPECT_EQ(TempDir::Read(path), "[Conf-Main]\r\nNEWTAB=0\r\nEsc=1\r\n\r\n[Tab]\r\nDIR0=3\r\n");
  EXPECT_EQ(ini.ReadInt("conf-MAIN", "newtab", 9), 0);
}

TEST_F(IniFileTest, DeleteSectionRemovesItsEntriesOnly) {
  ini.WriteString("Tab", "DIR0", "C:\\");
  ini.WriteString("History", "path0", "C:\\a");
  ini.WriteInt("Tab", "CurSel", 0);
  ini.DeleteSection("tab");
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", "none"), "none");
  EXPECT_EQ(ini.ReadInt("Tab", "CurSel", -5), -5);
  EXPECT_EQ(ini.ReadString("History", "path0", ""), "C:\\a");
  ini.DeleteSection("NoSuchSection");
  EXPECT_EQ(ini.ReadString("History", "path0", ""), "C:\\a");
}

TEST_F(IniFileTest, DeleteKeyRemovesOneEntry) {
  ini.WriteString("Tab", "DIR0", "C:\\");
  ini.WriteString("Tab", "DIR1", "D:\\");
  ini.DeleteKey("tab", "dir1");
  EXPECT_EQ(ini.ReadString("Tab", "DIR1", "none"), "none");
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), "C:\\");
  ini.DeleteKey("Tab", "DIR7");
  ini.DeleteKey("Nowhere", "DIR0");
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), "C:\\");
}

TEST_F(IniFileTest, StringsRoundTripHardNames) {
  const char* names[] = {"ソフト.txt", "表示",       "予定表.xls",     "十申",
                         "ポスト.txt", "ホテル.TXT", "Ｂ溝.txt",       "ｱｲｳ.txt",
                         "x%d.txt",    "50%.dat",    "space name.txt", "a=b"};
  for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
    ini.WriteString("History", "path" + std::to_string(i), names[i]);
  }
  for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
    EXPECT_EQ(ini.ReadString("History", "path" + std::to_string(i), "?"), names[i]);
  }
}

TEST_F(IniFileTest, WriteIntoHandEditedFileKeepsItsOtherLines) {
  TempDir::Write(path, "; my notes\n[S]\nJ=1\n\n[T]\nX=1\n");
  ini.WriteInt("S", "K", 2);
  EXPECT_EQ(TempDir::Read(path), "; my notes\r\n[S]\r\nJ=1\r\nK=2\r\n\r\n[T]\r\nX=1\r\n");
}

}  // namespace
}  // namespace qd
