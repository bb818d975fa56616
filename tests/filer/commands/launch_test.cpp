// Running a program on the selection: the send command's one start with
// every short path, the launch command's start per item with its template.
#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kProgram = "C:\\bin\\tool.exe";

// C:\work: .., 十申 (a folder whose name ends in the byte 5C), a b.txt,
// ソフト.txt (rows in that order). Ctrl+E sends, Ctrl+L launches.
class LaunchTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\work";
    MakeFolder("C:\\work");
    AddFolder("C:\\work", "十申");
    AddFile("C:\\work", "a b.txt");
    AddFile("C:\\work", "ソフト.txt");
    settings.WriteInt("Key", "2117", CmdSendWithProgram);  // Ctrl+F6
    settings.WriteString("KeyOption", "2117-0", kProgram);
    settings.WriteInt("Key", "2118", CmdLaunchProgram);  // Ctrl+F7
    settings.WriteString("KeyOption", "2118-0", kProgram);
    settings.WriteString("KeyOption", "2118-1", "/a \"%p\" %n%e %%");
    keys.ctrl = true;
  }
  void Press(int vk) { window->OnKey(KeyMessage::KeyDown, vk); }
};

TEST_F(LaunchTest, SendHandsEverySelectedItemOnceAsABlankAndItsShortPath) {
  Make();
  list.Select({1, 2, 3});
  fs.without_short_form = {"C:\\work\\a b.txt"};
  Press(117);
  EXPECT_EQ(shell.opened, (Strings{std::string(kProgram) +
                                   " | ~C:\\work\\十申 \"C:\\work\\a b.txt\" ~C:\\work\\ソフト.txt"}));
  // Nothing selected: the program starts without parameters.
  shell.opened.clear();
  list.Select({});
  Press(117);
  EXPECT_EQ(shell.opened, (Strings{kProgram}));
}

TEST_F(LaunchTest, LaunchStartsOncePerItemWithTheTemplateExpanded) {
  Make();
  list.Select({2, 3});
  Press(118);
  EXPECT_EQ(shell.opened, (Strings{std::string(kProgram) + " |/a \"C:\\work\\a b.txt\" a b.txt %",
                                   std::string(kProgram) + " |/a \"C:\\work\\ソフト.txt\" ソフト.txt %"}));
  // From the menu the options are the last key's.
  shell.opened.clear();
  list.Select({1});
  window->OnCommand(CmdLaunchProgram);
  EXPECT_EQ(shell.opened, (Strings{std::string(kProgram) + " |/a \"C:\\work\\十申\" 十申 %"}));
}

// Nothing selected: the folder itself, given its backslash once (a drive
// root keeps its one; 十申 ends in a trail byte, not a backslash).
TEST_F(LaunchTest, NothingSelectedLaunchesOnTheFolderWithOneBackslash) {
  settings.WriteString("KeyOption", "2118-1", "%p");
  MakeFolder("C:\\work\\十申");
  for (const char* folder : {"C:\\", "C:\\work\\十申"}) {
    Make();
    window->ChangeFolder(folder);
    list.Select({});
    shell.opened.clear();
    Press(118);
    EXPECT_EQ(shell.opened, (Strings{std::string(kProgram) + " |" + folder +
                                     (std::string(folder) == "C:\\" ? "" : "\\")}))
        << folder;
  }
}

// In a pick list the rows' own paths are the items: a tab list's rows give
// their tabs' folders, one start each; nothing selected starts nothing.
TEST_F(LaunchTest, InATabListEachSelectedTabsFolderIsAnItem) {
  settings.WriteString("KeyOption", "2118-1", "%p");
  MakeFolder("C:\\work\\十申");
  FilerController& w = Make();
  w.OpenNewTab("C:\\work\\十申", false);
  w.OnCommand(CmdTabList);
  list.Select({0, 1});
  Press(118);
  EXPECT_EQ(shell.opened, (Strings{std::string(kProgram) + " |C:\\work",
                                   std::string(kProgram) + " |C:\\work\\十申"}));
  shell.opened.clear();
  list.Select({});
  Press(118);
  EXPECT_TRUE(shell.opened.empty());
}

// The first start the shell refuses ends the run, named in the message area.
TEST_F(LaunchTest, AFailedStartStopsAtOnceAndSaysWhichProgram) {
  Make();
  shell.unstartable = {kProgram};
  list.Select({1, 2, 3});
  Press(118);
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(message.CellText(0, 0), std::string("起動エラー [") + kProgram + "]");
}

TEST_F(LaunchTest, AnEmptyProgramIsReportedAndNothingStarts) {
  settings.WriteString("KeyOption", "2118-0", "");
  Make();
  list.Select({2});
  Press(118);
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(prompts.errors, (Strings{"オプション未設定"}));
}

}  // namespace
}  // namespace qd
