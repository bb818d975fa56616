// The real Qd.exe finding files through its own mask dialog: the history
// in Qd.ini, the rows of a real tree with Japanese names, Esc back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resources/command_ids.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"
#include "settings/command_table.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

// GetWindowTextA reads no control of another process; WM_GETTEXT does.
std::string SearchField(HWND main, int column) {
  return RemoteItemText(GetDlgItem(main, IDC_SEARCH_LINE), 0, column);
}

std::vector<std::string> Rows(HWND main) {
  std::vector<std::string> rows;
  for (int r = 0; r < RowCount(main); ++r) {
    rows.push_back(RemoteItemText(FileList(main), r, 0) + " @ " + RemoteItemText(FileList(main), r, 1));
  }
  return rows;
}

TEST(QdFind, TheMaskDialogFindsInARealTreeAndEscGoesBackToTheFolder) {
  Win32TempDir dir;
  const std::string work = dir.File("作業");
  for (const std::string f : {"", "\\表示", "\\表示\\ソフト", "\\十申"}) {
    ASSERT_TRUE(CreateDirectoryA((work + f).c_str(), nullptr)) << f;
  }
  for (const std::string f : {"\\a.txt", "\\b.doc", "\\表示\\ソフト\\Ｂ溝.TXT", "\\十申\\能力.txt"}) {
    test::WriteFileBytes(work + f, "x");
  }
  test::WriteFileBytes(dir.File("Qd.ini"), "[FindFile]\r\nNo0=*.doc\r\n");
  QdProcess qd(dir.path(), work);
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + work + "\\*.*]"; }));
  const int listed = RowCount(main);

  PostMessageA(main, WM_COMMAND, CmdFindFile, 0);
  HWND dialog = qd.WaitForPopup();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowTitle(dialog), "ファイル検索（ 区切り： ';' ）");
  EXPECT_EQ(ControlText(dialog, IDC_MASK_TEXT), "*.doc");  // the most recent mask
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_MASK_OPTION)));
  SendMessageA(GetDlgItem(dialog, IDC_MASK_TEXT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("*.txt"));
  ClickButton(dialog, IDOK);

  ASSERT_TRUE(test::WaitFor([&] { return SearchField(main, 2) == "ファイル検索"; }));
  ASSERT_TRUE(test::WaitFor([&] { return RowCount(main) == 3; }));
  EXPECT_EQ(Rows(main), (std::vector<std::string>{"a.txt @ " + work, "能力.txt @ " + work + "\\十申",
                                                   "Ｂ溝.TXT @ " + work + "\\表示\\ソフト"}));
  EXPECT_EQ(SearchField(main, 3), "3");
  EXPECT_EQ(SelectedRow(main), 0);
  const std::string ini = test::ReadFileBytes(dir.File("Qd.ini"));
  EXPECT_NE(ini.find("[FindFile]\r\nNo0=*.txt\r\nNo1=*.doc\r\n"), std::string::npos) << ini;

  qd.PostKey(VK_ESCAPE);
  ASSERT_TRUE(test::WaitFor([&] { return SearchField(main, 2).empty(); }));
  EXPECT_TRUE(test::WaitFor([&] { return RowCount(main) == listed; }));
  EXPECT_EQ(WindowTitle(main), " Qd - [" + work + "\\*.*]");
  EXPECT_TRUE(qd.Running());
  EXPECT_TRUE(EndsNormally(qd));
}

}  // namespace
}  // namespace qd::e2e
