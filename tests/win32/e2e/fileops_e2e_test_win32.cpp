// The real Qd.exe renaming and making items through its own dialogs: text
// typed into the fields, buttons pressed, the result read off the disk.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/command_ids.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"
#include "settings/command_table.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

constexpr DWORD kMissing = INVALID_FILE_ATTRIBUTES;

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool IsFolder(const std::string& path) {
  const DWORD a = AttributesOf(path);
  return a != kMissing && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// GetWindowTextA reads no control of another process; WM_GETTEXT does.
// Replaces a field's text by typing, and waits until the field holds it:
// a pressed button is sent, and would overtake the posted characters.
::testing::AssertionResult TypeInto(HWND dialog, int id, const std::string& text) {
  HWND edit = GetDlgItem(dialog, id);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  PostCharsTo(edit, text);
  if (test::WaitFor([&] { return ControlText(dialog, id) == text; })) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the field holds \"" << ControlText(dialog, id) << "\"";
}

void Command(HWND main, int id) { PostMessageA(main, WM_COMMAND, id, 0); }

// Starts the filer on `folder` and waits until it lists it.
HWND StartOn(QdProcess& qd, const std::string& folder) {
  HWND main = qd.WaitForMainWindow();
  if (main == nullptr) return nullptr;
  const std::string title = " Qd - [" + folder + "\\*.*]";
  if (!test::WaitFor([&] { return WindowTitle(main) == title; })) return nullptr;
  return main;
}

TEST(QdFileOps, RenameThroughTheDialogAsksAgainForATakenNameAndRenamesOnDisk) {
  Win32TempDir dir;
  const std::string work = dir.File("作業");
  ASSERT_TRUE(CreateDirectoryA(work.c_str(), nullptr));
  // ソ, 表 and 予 all carry 0x5C as a trail byte.
  test::WriteFileBytes(work + "\\ソフト.txt", "soft");
  test::WriteFileBytes(work + "\\表.txt", "table");
  QdProcess qd(dir.path(), work);
  HWND main = StartOn(qd, work);
  ASSERT_NE(main, nullptr);
  qd.PostKey(VK_DOWN);
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "ソフト.txt"; }));

  Command(main, CmdRename);
  HWND dialog = qd.WaitForPopup();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_RENAME_BEFORE), "ソフト.txt");
  ASSERT_TRUE(TypeInto(dialog, IDC_RENAME_AFTER, "表.txt"));
  ClickButton(dialog, IDOK);
  HWND box = qd.WaitForBoxWithText("表.txt は既に存在しています。");
  ASSERT_NE(box, nullptr);
  ClickButton(box, IDOK);

  dialog = qd.WaitForPopup();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(TypeInto(dialog, IDC_RENAME_AFTER, "予定表.txt"));
  ClickButton(dialog, IDOK);
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "予定表.txt"; }));
  EXPECT_EQ(test::ReadFileBytes(work + "\\予定表.txt"), "soft");
  EXPECT_EQ(test::ReadFileBytes(work + "\\表.txt"), "table");
  EXPECT_EQ(AttributesOf(work + "\\ソフト.txt"), kMissing);
  EXPECT_FALSE(qd.ShowsOtherDialog());
  EXPECT_TRUE(EndsNormally(qd));
}

TEST(QdFileOps, NewFolderThroughTheDialogWithMoreMakesEachAndSelectsThem) {
  Win32TempDir dir;
  const std::string work = dir.File("作業");
  ASSERT_TRUE(CreateDirectoryA(work.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((work + "\\表示").c_str(), nullptr));
  QdProcess qd(dir.path(), work);
  HWND main = StartOn(qd, work);
  ASSERT_NE(main, nullptr);

  Command(main, CmdNewFolder);
  HWND dialog = qd.WaitForPopup();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowTitle(dialog), "新規フォルダ");
  ASSERT_TRUE(TypeInto(dialog, IDC_NEW_ITEM_NAME, "能力"));
  ClickButton(dialog, IDC_NEW_ITEM_MORE);
  ASSERT_TRUE(test::WaitFor([&] { return IsFolder(work + "\\能力"); }));

  // A taken name is told in the message area and the dialog comes back.
  dialog = qd.WaitForPopup();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(TypeInto(dialog, IDC_NEW_ITEM_NAME, "表示"));
  ClickButton(dialog, IDOK);
  EXPECT_TRUE(test::WaitFor([&] { return MessageText(main) == "そのフォルダ名は既に存在しています。"; }));

  dialog = qd.WaitForPopup();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(TypeInto(dialog, IDC_NEW_ITEM_NAME, "予定"));
  ClickButton(dialog, IDOK);
  ASSERT_TRUE(test::WaitFor([&] { return IsFolder(work + "\\予定"); }));
  ASSERT_TRUE(test::WaitFor([&] { return RowCount(main) == 4; }));
  // Both made folders are selected again; the message area is emptied.
  // Folder rows show their names after a slash.
  EXPECT_EQ(SelectedNames(main), "/能力|/予定|");
  EXPECT_EQ(MessageText(main), "");
  EXPECT_TRUE(EndsNormally(qd));
}

}  // namespace
}  // namespace qd::e2e
