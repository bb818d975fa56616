#include "settings/win32/profile_settings_file_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "common/win32/handles_win32.h"
#include "tests/contracts/settings_file_cases.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

using test::Win32TempDir;

TEST(WineEnvironment, RunsWithTheJapaneseCodePage) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_EQ(GetOEMCP(), 932u);
}

class ProfileTest : public ::testing::Test {
 protected:
  Win32TempDir dir;
  std::string path = dir.File("Qd.ini");
  ProfileSettingsFile profile{path};
};

TEST_F(ProfileTest, ValuesRoundTripAndSignedIntegersAreDecimal) {
  EXPECT_EQ(profile.ReadInt("Conf-Main", "TabMax", 20), 20);
  profile.WriteInt("Conf-Display", "ListText", -1);
  profile.WriteInt("Conf-Display", "ListBack", 0);
  profile.WriteString("Etc", "CmdLine", "C:\\表示\\ソフト.txt");
  EXPECT_EQ(profile.ReadInt("conf-display", "LISTTEXT", 5), -1);
  EXPECT_EQ(profile.ReadString("Conf-Display", "ListText", ""), "-1");
  EXPECT_EQ(profile.ReadString("Etc", "CmdLine", ""), "C:\\表示\\ソフト.txt");
  const std::string bytes = test::ReadFileBytes(path);
  EXPECT_NE(bytes.find("ListText=-1"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("CmdLine=C:\\表示\\ソフト.txt"), std::string::npos) << bytes;
  profile.DeleteKey("Etc", "Missing");
  profile.DeleteKey("conf-display", "listback");
  EXPECT_EQ(profile.ReadInt("Conf-Display", "ListBack", 5), 5);
  EXPECT_EQ(profile.ReadInt("Conf-Display", "ListText", 5), -1);
  profile.DeleteSection("conf-display");
  EXPECT_EQ(profile.ReadInt("Conf-Display", "ListText", 5), 5);
  EXPECT_EQ(profile.ReadString("Etc", "CmdLine", ""), "C:\\表示\\ソフト.txt");
}

TEST_F(ProfileTest, LongValuesAreReadWhole) {
  const std::string long_value(5000, 'x');
  profile.WriteString("S", "K", long_value);
  EXPECT_EQ(profile.ReadString("S", "K", ""), long_value);
}

TEST_F(ProfileTest, AValueWrittenByAnotherProcessIsReadAtTheNextRead) {
  profile.WriteString("Etc", "CmdLine", "first");
  EXPECT_EQ(profile.ReadString("Etc", "CmdLine", ""), "first");  // now cached, if at all
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string cmd = std::string("\"") + self + "\" --write-setting \"" + path +
                    "\" Etc CmdLine \"C:\\十申\\能力.doc\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(
      CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 30000), WAIT_OBJECT_0);
  EXPECT_EQ(profile.ReadString("Etc", "CmdLine", ""), "C:\\十申\\能力.doc");
}

// What the filer really reads from hand-edited files: the same as the
// portable store gives.
TEST_F(ProfileTest, HandEditedFilesReadAsDefiniteValues) {
  test::ExpectHandEditedFilesRead(
      profile, [&](const std::string& bytes) { test::WriteFileBytes(path, bytes); });
}

TEST_F(ProfileTest, SectionsAreWrittenWholeAndLineBreaksRefused) {
  test::ExpectSectionsWrittenWhole(
      profile, [&](const std::string& bytes) { test::WriteFileBytes(path, bytes); },
      [&] { return test::ReadFileBytes(path); });
}

}  // namespace
}  // namespace qd
