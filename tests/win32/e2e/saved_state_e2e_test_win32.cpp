// The real Qd.exe keeps its state between runs and opens handed-over paths.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "common/win32/handles_win32.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"
#include "resources/command_ids.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

TEST(QdSavedState, FirstStartWritesExactlyTheDefaultsAndASecondRunRestoresThem) {
  Win32TempDir dir;
  {
    QdProcess qd(dir.path());
    HWND main = qd.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    qd.PostKey(VK_ESCAPE);
    ASSERT_TRUE(qd.WaitForExit());
  }
  const std::string expected =
      "[WindowRect]\r\nleft=268\r\ntop=50\r\nright=727\r\nbottom=650\r\nMenu=1\r\n\r\n"
      "[ColumnWidth]\r\nName=125\r\nExt=60\r\nSize=60\r\nDate=135\r\nAttr=50\r\n\r\n"
      "[Tab]\r\nCurSel=0\r\nDIR0=" +
      dir.path() +
      "\r\n\r\n"
      "[History]\r\npath0=" +
      dir.path() + "\r\n";
  // The profile API decides the blank lines between sections; the entries
  // and their order are the filer's.
  std::string saved = test::ReadFileBytes(dir.File("Qd.ini"));
  std::string want = expected;
  for (std::string* text : {&saved, &want}) {
    for (std::size_t at; (at = text->find("\r\n\r\n")) != std::string::npos;) text->erase(at, 2);
  }
  EXPECT_EQ(saved, want);

  // A second run, started elsewhere, comes back to the saved tab.
  Win32TempDir elsewhere;
  CopyFileA(dir.File("Qd.exe").c_str(), elsewhere.File("Qd.exe").c_str(), FALSE);
  ProfileSettingsFile(dir.File("Qd.ini")).WriteInt("WindowRect", "left", 300);
  QdProcess again(dir.path());
  HWND main = again.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.bottom, 650);
  EXPECT_TRUE(
      test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + dir.path() + "\\*.*]"; }));
  again.PostKey(VK_ESCAPE);
  ASSERT_TRUE(again.WaitForExit());
}

TEST(QdSavedState, HandedOverFileIsShownInTheTabThatHasItsFolder) {
  Win32TempDir dir, a, b;
  for (const char* name : {"first.txt", "ソフト.txt", "zz.txt"}) {
    test::WriteFileBytes(b.File(name), "x");
  }
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Conf-Main", "NewProc", 1);
  ini.WriteString("Tab", "DIR0", dir.path());
  ini.WriteString("Tab", "DIR1", a.path());
  ini.WriteString("Tab", "DIR2", b.path());
  ini.WriteInt("Tab", "CurSel", 0);
  QdProcess first(dir.path());
  HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::WaitFor([&] { return WindowTitle(main).rfind(" Qd - [", 0) == 0; }));

  QdProcess second(dir.path(), b.File("ソフト.txt"));
  ASSERT_TRUE(second.WaitForExit());
  HWND tabs = GetDlgItem(main, IDC_TAB_STRIP);
  EXPECT_TRUE(test::WaitFor([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 2; }));
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_TRUE(test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + b.path() + "\\*.*]"; }));
  EXPECT_EQ(RowName(main, SelectedRow(main)), "ソフト.txt");
  EXPECT_EQ(ini.ReadString("Etc", "CmdLine", "x"), "");

  // With one tab the path opens in it.
  first.PostKey(VK_ESCAPE);
  ASSERT_TRUE(first.WaitForExit());
  ini.DeleteSection("Tab");
  QdProcess one(dir.path());
  main = one.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::WaitFor([&] { return WindowTitle(main).rfind(" Qd - [", 0) == 0; }));
  QdProcess hand(dir.path(), b.File("zz.txt"));
  ASSERT_TRUE(hand.WaitForExit());
  EXPECT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "zz.txt"; }));
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_TAB_STRIP), TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(RemoteTabText(GetDlgItem(main, IDC_TAB_STRIP), 0), b.path().substr(b.path().rfind('\\') + 1));
}

TEST(QdSavedState, AShortPathIsOpenedAndRememberedInItsLongForm) {
  Win32TempDir dir;
  const std::string long_folder = dir.File("Long Folder 表示 name");
  CreateDirectoryA(long_folder.c_str(), nullptr);
  char short_path[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(long_folder.c_str(), short_path, MAX_PATH), 0u);
  ASSERT_NE(std::string(short_path), long_folder);
  {
    QdProcess qd(dir.path(), short_path);
    HWND main = qd.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(test::WaitFor([&] {
      return WindowTitle(main) == " Qd - [" + long_folder + "\\*.*]";
    })) << WindowTitle(main);
    qd.PostKey(VK_ESCAPE);
    ASSERT_TRUE(qd.WaitForExit());
  }
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), long_folder);
  EXPECT_EQ(ini.ReadString("History", "path0", ""), long_folder);
}

TEST(QdSavedState, ASettingsFileThatCannotBeWrittenIsLeftIntactAndTheFilerStillEnds) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteString("Tab", "DIR0", dir.path());
  const std::string before = test::ReadFileBytes(dir.File("Qd.ini"));
  // Held open without sharing, the file can be neither read nor written by
  // the filer (a read-only attribute would not stop the root user CI runs as).
  UniqueHandle lock(CreateFileA(dir.File("Qd.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
  QdProcess qd(dir.path());
  ASSERT_NE(qd.WaitForMainWindow(), nullptr);
  qd.PostKey(VK_ESCAPE);
  ASSERT_TRUE(qd.WaitForExit());
  EXPECT_EQ(qd.ExitCode(), 0u);
  CloseHandle(lock.release());
  EXPECT_EQ(test::ReadFileBytes(dir.File("Qd.ini")), before);
}

}  // namespace
}  // namespace qd::e2e
