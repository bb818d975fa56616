#include "settings/preference_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/cp932.h"
#include "settings/ini_settings_file.h"
#include "settings/key_sets.h"
#include "settings/preferences.h"
#include "tests/fakes/temp_dir.h"

namespace qd {
namespace {

// The 22 keys in their sections' order, each once (names match without
// regard to case), with the defaults a missing file reads as.
TEST(PreferenceTable, HoldsEveryPreferenceOnceWithItsDefault) {
  const auto rows = AllPreferences();
  ASSERT_EQ(rows.size(), 22u);
  std::set<std::string> seen;
  const std::string_view sections[] = {pref::kMain, pref::kDisplay, pref::kFolder, pref::kFileView};
  std::size_t section = 0;
  for (const Preference& p : rows) {
    while (section < 4 && p.section != sections[section]) ++section;
    ASSERT_LT(section, 4u) << p.key << ": sections out of order";
    EXPECT_TRUE(seen.insert(cp932::ToUpper(std::string(p.section) + "/" + std::string(p.key))).second)
        << p.key;
  }

  test::TempDir dir;
  IniSettingsFile none(dir.File("Qd.ini"));  // never written: every read is a default
  const struct {
    const Preference& row;
    int32_t number;
    const char* text;
  } defaults[] = {
      {pref::kEsc, 0, ""},           {pref::kFolderOpen, 200, ""},   {pref::kHistory, 50, ""},
      {pref::kSort, 200, ""},        {pref::kTabMax, 20, ""},        {pref::kListText, -1, ""},
      {pref::kListBack, 0, ""},      {pref::kMsgText, -1, ""},       {pref::kMsgBack, 0, ""},
      {pref::kFontSize, 10, ""},     {pref::kViewFontSize, 10, ""},  {pref::kViewText, -1, ""},
      {pref::kViewBack, 0, ""},      {pref::kTabCnt, 4, ""},         {pref::kFontName, 0, "Terminal"},
      {pref::kViewFontName, 0, "Terminal"}, {pref::kJumpFolder, 0, ""}, {pref::kCommandFolder, 0, ""},
  };
  for (const auto& d : defaults) {
    if (d.row.type == PreferenceType::Text) {
      EXPECT_EQ(ReadText(none, d.row), d.text) << d.row.key;
    } else {
      EXPECT_EQ(ReadNumber(none, d.row), d.number) << d.row.key;
    }
  }
  const Preferences read = ReadPreferences(none);
  EXPECT_EQ(read.list_text, 0xFFFFFFFFu);
  EXPECT_EQ(read.font_name, "Terminal");
  EXPECT_EQ(read.tab_max, 20u);
}

// What the settings program accepts for a number typed in: counts up to
// what %d stores without turning negative, and the two narrow ranges.
TEST(PreferenceTable, AcceptedRanges) {
  const struct {
    const Preference& row;
    int64_t value;
    bool accepted;
  } cases[] = {
      {pref::kTabMax, 0, false},           {pref::kTabMax, 1, true},
      {pref::kTabMax, 10000, true},        {pref::kTabMax, 10001, false},
      {pref::kTabCnt, 0, true},            {pref::kTabCnt, 20, true},
      {pref::kTabCnt, 21, false},          {pref::kTabCnt, -1, false},
      {pref::kFolderOpen, 2147483647, true}, {pref::kFolderOpen, 2147483648LL, false},
      {pref::kHistory, -1, false},         {pref::kListText, -1, true},
      {pref::kFontSize, -3, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InAcceptedRange(c.row, c.value), c.accepted) << c.row.key << " " << c.value;
  }
}

// A value written where the table says is what the filer reads.
TEST(PreferenceTable, TheFilerReadsWhereTheTableSays) {
  test::TempDir dir;
  IniSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Conf-Main", "TabMax", 300);
  ini.WriteInt("conf-display", "fontsize", 12);
  ini.WriteString("Conf-Folder", "JumpFolder", "C:\\表示\\十申");
  ini.WriteInt("Conf-Main", "DropCopy", 1);
  const Preferences p = ReadPreferences(ini);
  EXPECT_EQ(p.tab_max, 300u);
  EXPECT_EQ(p.font_size, 12);
  EXPECT_EQ(p.jump_folder, "C:\\表示\\十申");
  EXPECT_TRUE(ReadFlag(ini, pref::kDropCopy));
  EXPECT_FALSE(ReadFlag(ini, pref::kNewTab));
  // A hand-edited TabMax the settings program would refuse reads as the default.
  ini.WriteInt("Conf-Main", "TabMax", 0);
  EXPECT_EQ(ReadPreferences(ini).tab_max, 20u);
}

// Each set reads its own sections: a key bound in one set is unbound in the
// other, and its options are found under "%d-%d" in the set's option section.
TEST(KeySets, WhichCommandAKeyCodeRunsInEachSet) {
  test::TempDir dir;
  IniSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Key", "3116", CmdGoTo);  // Ctrl+Shift+F5
  ini.WriteString("KeyOption", "3116-0", "C:\\表示");
  ini.WriteInt("KeyView", "3116", ViewCmdLaunch);
  ini.WriteString("KeyOptionView", "3116-0", "C:\\ソフト.exe");
  ini.WriteString("KeyOptionView", "3116-1", "\"%l\" %t");
  ini.WriteString("KeyOptionView", "3116-2", "1");

  EXPECT_EQ(BoundCommand(ini, KeySet::Filer, 3116), CmdGoTo);
  EXPECT_EQ(BoundCommand(ini, KeySet::Viewer, 3116), ViewCmdLaunch);
  EXPECT_EQ(BoundCommand(ini, KeySet::Filer, 116), 0);
  EXPECT_EQ(BoundOption(ini, KeySet::Filer, 3116, KeyOptionSlot::Option), "C:\\表示");
  EXPECT_EQ(BoundOption(ini, KeySet::Filer, 3116, KeyOptionSlot::Option2), "");
  EXPECT_EQ(BoundOption(ini, KeySet::Viewer, 3116, KeyOptionSlot::Option), "C:\\ソフト.exe");
  EXPECT_EQ(BoundOption(ini, KeySet::Viewer, 3116, KeyOptionSlot::Option2), "\"%l\" %t");
  EXPECT_EQ(BoundOption(ini, KeySet::Viewer, 3116, KeyOptionSlot::Close), "1");
  EXPECT_EQ(SectionsOf(KeySet::Filer).index, "KeySet");
  EXPECT_EQ(SectionsOf(KeySet::Viewer).old_options, "KeyOption2View");
}

}  // namespace
}  // namespace qd
