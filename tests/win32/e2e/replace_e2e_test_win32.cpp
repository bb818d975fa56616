// Name replace with the real Qd.exe: texts typed into its dialog, the
// confirmation answered with All, the names checked on disk.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/command_ids.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"
#include "settings/command_table.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

// An edit field's text as the control holds it (the system keeps no copy
// of what is typed for another process to read).
std::string FieldText(HWND dialog, int id) {
  char text[300] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(QdReplace, TypedTextsAndAllRenameEveryMatchingItemOnDisk) {
  Win32TempDir dir, files;
  for (const char* name : {"Banana.TXT", "memo.md", "予定表.txt"}) {
    test::WriteFileBytes(files.File(name), "x");
  }
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteString("Tab", "DIR0", files.path());
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(
      test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + files.path() + "\\*.*]"; }));

  // The cursor is on "..": every row is in scope, and the dialog starts empty.
  PostMessageA(main, WM_COMMAND, CmdReplaceNames, 0);
  HWND replace = qd.WaitForBoxWithText("置換前：");
  ASSERT_NE(replace, nullptr);
  EXPECT_EQ(WindowTitle(replace), "ファイル名置換");
  PostCharsTo(GetDlgItem(replace, IDC_REPLACE_BEFORE), ".txt");
  PostCharsTo(GetDlgItem(replace, IDC_REPLACE_AFTER), "_表.txt");  // 0x5C trail byte in 表
  ASSERT_TRUE(test::WaitFor([&] { return FieldText(replace, IDC_REPLACE_AFTER) == "_表.txt"; }))
      << FieldText(replace, IDC_REPLACE_AFTER);
  ClickButton(replace, IDOK);

  HWND confirm = qd.WaitForBoxWithText("変更前 ：");
  ASSERT_NE(confirm, nullptr);
  EXPECT_EQ(FieldText(confirm, IDC_RENAME_BEFORE), "Banana.TXT");
  EXPECT_EQ(FieldText(confirm, IDC_RENAME_AFTER), "Banana_表.txt");
  ClickButton(confirm, IDC_RENAME_ALL);

  EXPECT_TRUE(test::WaitFor([&] { return Exists(files.File("予定表_表.txt")); }));
  EXPECT_TRUE(Exists(files.File("Banana_表.txt")));
  EXPECT_FALSE(Exists(files.File("Banana.TXT")));
  EXPECT_FALSE(Exists(files.File("予定表.txt")));
  EXPECT_TRUE(Exists(files.File("memo.md")));
  EXPECT_FALSE(qd.ShowsOtherDialog());  // All asked nothing more
  EXPECT_TRUE(test::WaitFor([&] { return SelectedNames(main) == "Banana_表.txt|予定表_表.txt|"; }));
  EXPECT_EQ(ini.ReadInt("Etc", "Replace-Casesensitive", -1), 0);

  qd.PostKey(VK_ESCAPE);
  EXPECT_TRUE(qd.WaitForExit());
}

}  // namespace
}  // namespace qd::e2e
