// The real Qd.exe copying and moving files between two tabs through keys
// bound in Qd.ini, checked on disk.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"
#include "resources/command_ids.h"
#include "settings/command_table.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

std::string FileMessageField(HWND main) { return RemoteItemText(GetDlgItem(main, IDC_SEARCH_LINE), 0, 1); }

TEST(QdClipboard, CopyAndCutThroughBoundKeysPasteIntoTheOtherTab) {
  Win32TempDir dir, src, dest;
  test::WriteFileBytes(src.File("alpha.txt"), "a");
  test::WriteFileBytes(src.File("ポスト.txt"), "p");
  {
    ProfileSettingsFile ini(dir.File("Qd.ini"));
    ini.WriteString("Tab", "DIR0", src.path());
    ini.WriteString("Tab", "DIR1", dest.path());
    ini.WriteString("Tab", "CurSel", "0");
    ini.WriteInt("Key", std::to_string(VK_F5), CmdCopy);
    ini.WriteInt("Key", std::to_string(VK_F6), CmdPaste);
    ini.WriteInt("Key", std::to_string(VK_F7), CmdCut);
    ini.WriteInt("Key", std::to_string(VK_F8), CmdNextTab);
  }
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, 1) == "alpha.txt"; }));

  PostChars(main, "a");
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "alpha.txt"; }));
  qd.PostKey(VK_F5);
  ASSERT_TRUE(test::WaitFor([&] { return FileMessageField(main) == "copy"; }));
  qd.PostKey(VK_F8);
  qd.PostKey(VK_F6);
  EXPECT_TRUE(test::WaitFor([&] { return Exists(dest.File("alpha.txt")); }));
  EXPECT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "alpha.txt"; }));
  EXPECT_TRUE(Exists(src.File("alpha.txt")));
  EXPECT_EQ(FileMessageField(main), "copy");

  // Back in the first tab, on alpha.txt again: the row below, ポスト.txt,
  // is cut and moved into the second.
  qd.PostKey(VK_F8);
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, 2) == "ポスト.txt"; }));
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "alpha.txt"; }));
  qd.PostKey(VK_DOWN);
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "ポスト.txt"; }));
  qd.PostKey(VK_F7);
  ASSERT_TRUE(test::WaitFor([&] { return FileMessageField(main) == "cut"; }));
  qd.PostKey(VK_F8);
  qd.PostKey(VK_F6);
  EXPECT_TRUE(test::WaitFor([&] { return Exists(dest.File("ポスト.txt")); }));
  EXPECT_FALSE(Exists(src.File("ポスト.txt")));
  EXPECT_TRUE(test::WaitFor([&] { return FileMessageField(main).empty(); }));
  EXPECT_EQ(test::ReadFileBytes(dest.File("ポスト.txt")), "p");

  qd.PostKey(VK_ESCAPE);
  EXPECT_TRUE(qd.WaitForExit());
}

}  // namespace
}  // namespace qd::e2e
