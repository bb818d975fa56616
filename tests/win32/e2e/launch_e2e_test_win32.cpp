// The real Qd.exe starting a program on the selected item through a key
// bound in Qd.ini, with its parameter line made from the key's template.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "settings/command_table.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

std::string CommandInterpreter() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\cmd.exe";
}

TEST(QdLaunch, TheTemplateReachesTheProgramAndARefusedStartIsNamed) {
  Win32TempDir dir, work;
  test::WriteFileBytes(work.File("a b.txt"), "blank");
  const std::string missing = work.File("none.exe");
  {
    ProfileSettingsFile ini(dir.File("Qd.ini"));
    ini.WriteString("Tab", "DIR0", work.path());
    ini.WriteInt("Key", std::to_string(VK_F9), CmdLaunchProgram);
    ini.WriteString("KeyOption", std::to_string(VK_F9) + "-0", CommandInterpreter());
    ini.WriteString("KeyOption", std::to_string(VK_F9) + "-1", "/c copy \"%p\" \"%d\\%n.bak\"");
    ini.WriteInt("Key", std::to_string(VK_F10), CmdLaunchProgram);
    ini.WriteString("KeyOption", std::to_string(VK_F10) + "-0", missing);
  }
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, 1) == "a b.txt"; }));

  PostChars(main, "a");
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "a b.txt"; }));
  qd.PostKey(VK_F9);
  EXPECT_TRUE(test::WaitFor([&] { return Exists(work.File("a b.bak")); }));

  qd.PostKey(VK_F10);
  EXPECT_TRUE(test::WaitFor([&] { return MessageText(main) == "起動エラー [" + missing + "]"; }));

  qd.PostKey(VK_ESCAPE);
  EXPECT_TRUE(qd.WaitForExit());
}

}  // namespace
}  // namespace qd::e2e
