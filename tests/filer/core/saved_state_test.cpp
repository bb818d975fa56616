#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

class SavedStateTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\start";
    for (const char* f : {"C:\\start", "C:\\P", "C:\\Q", "C:\\R", "C:\\docs"}) MakeFolder(f);
    for (const char* n : {"alpha.txt", "report.txt", "report2.txt", "zeta.txt"}) {
      AddFile("C:\\docs", n);
    }
    AddFile("C:\\", "root.txt");
  }
  // Ends the filer as Esc does and returns the saved file.
  std::string Exit() {
    window->Cancel();
    EXPECT_EQ(frame.closes, 1);
    frame.closes = 0;
    return test::TempDir::Read(settings.path());
  }
  std::string Tab(int i) { return settings.ReadString("Tab", "DIR" + std::to_string(i), ""); }
  std::string CursorName() const { return window->rows().ItemName(list.NextSelected(-1)); }
};

TEST_F(SavedStateTest, FirstStartWithoutAFileSavesTheDefaults) {
  FilerController& w = Make();
  EXPECT_EQ(frame.window, (PaneRect{268, 50, 727 - 268, 650 - 50}));
  EXPECT_EQ(tabs.texts, (Strings{"start"}));
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(history.items, (Strings{"C:\\start"}));
  EXPECT_TRUE(w.menu_shown());
  EXPECT_EQ(Exit(),
            "[WindowRect]\r\nleft=268\r\ntop=50\r\nright=727\r\nbottom=650\r\nMenu=1\r\n\r\n"
            "[ColumnWidth]\r\nName=125\r\nExt=60\r\nSize=60\r\nDate=135\r\nAttr=50\r\n\r\n"
            "[Tab]\r\nCurSel=0\r\nDIR0=C:\\start\r\n\r\n"
            "[History]\r\npath0=C:\\start\r\n");
}

TEST_F(SavedStateTest, ASecondRunRestoresTabsHistoryAndGeometry) {
  Make();
  window->OpenNewTab("C:\\Q", true);
  window->ChangeFolder("C:\\R");
  frame.window = {10, 20, 600, 500};
  list.SetColumnWidth(0, 200);
  Exit();
  tabs = test::FakeTabStrip{};
  FilerController& w = Make();
  EXPECT_EQ(frame.window, (PaneRect{10, 20, 600, 500}));
  EXPECT_EQ(list.columns[0].width, 200);
  EXPECT_EQ(message.columns[0].width, 200 + 60 + 60);
  EXPECT_EQ(tabs.texts, (Strings{"start", "R"}));
  EXPECT_EQ(w.tab_set().current(), 1);
  EXPECT_EQ(fs.current, "C:\\R");
  // The listing at start records its folder at the top once more.
  EXPECT_EQ(history.items, (Strings{"C:\\R", "C:\\Q", "C:\\start"}));
}

TEST_F(SavedStateTest, ExitWhileMaximisedKeepsTheEarlierRectangle) {
  settings.WriteInt("WindowRect", "left", 5);
  settings.WriteInt("ColumnWidth", "Name", 99);
  Make();
  frame.maximised = true;
  frame.window = {0, 0, 1024, 768};
  Exit();
  EXPECT_EQ(settings.ReadInt("WindowRect", "left", 0), 5);
  EXPECT_EQ(settings.ReadInt("WindowRect", "right", 0), 0);  // never written
  EXPECT_EQ(settings.ReadInt("ColumnWidth", "Name", 0), 99);
  EXPECT_EQ(settings.ReadInt("ColumnWidth", "Ext", 0), 0);  // never written
}

TEST_F(SavedStateTest, AGapInTheTabNumbersEndsTheTabs) {
  settings.WriteString("Tab", "DIR0", "C:\\P");
  settings.WriteString("Tab", "DIR1", "C:\\Q");
  settings.WriteString("Tab", "DIR3", "C:\\R");
  settings.WriteInt("Tab", "CurSel", 7);  // names no tab: tab 0
  settings.WriteString("History", "path0", "C:\\Q");
  settings.WriteString("History", "path2", "C:\\stale");
  FilerController& w = Make();
  EXPECT_EQ(tabs.texts, (Strings{"P", "Q"}));
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(fs.current, "C:\\P");
  Exit();
  // After a save the sections hold exactly the current entries: the keys
  // beyond the gap are gone too.
  EXPECT_EQ(settings.ReadSection("Tab"),
            (SettingsSection{{"CurSel", "0"}, {"DIR0", "C:\\P"}, {"DIR1", "C:\\Q"}}));
  EXPECT_EQ(settings.ReadSection("History"),
            (SettingsSection{{"path0", "C:\\P"}, {"path1", "C:\\Q"}}));
}

TEST_F(SavedStateTest, FewerTabsThanBeforeRemoveTheKeysBeyond) {
  for (int i = 0; i < 4; ++i) settings.WriteString("Tab", "DIR" + std::to_string(i), "C:\\P");
  Make();
  window->OnCommand(CmdCloseTab);
  window->OnCommand(CmdCloseTab);
  Exit();
  EXPECT_EQ(Tab(1), "C:\\P");
  EXPECT_EQ(Tab(2), "");
  EXPECT_EQ(Tab(3), "");
}

TEST_F(SavedStateTest, AFullHistoryOfFiftySavesFortyNine) {
  for (int i = 0; i < 50; ++i) {
    settings.WriteString("History", "path" + std::to_string(i), "C:\\h" + std::to_string(i));
  }
  settings.WriteString("History", "path50", "C:\\beyond");
  Make();
  EXPECT_EQ(history.Count(), 50);  // read while i < History; the listing pushed one out
  Exit();
  EXPECT_EQ(settings.ReadString("History", "path48", ""), "C:\\h47");
  EXPECT_EQ(settings.ReadString("History", "path49", ""), "");
  EXPECT_EQ(settings.ReadString("History", "path50", ""), "");
}

TEST_F(SavedStateTest, TheSavedHistoryStopsOneShortOfTheLimit) {
  // History=5 holds five entries but saves at most four: one short of the
  // limit, not at it, and the setting rather than the default decides.
  struct Case {
    int visited;  // folders listed after the start folder
    Strings saved;
  } cases[] = {
      {2, {"C:\\Q", "C:\\P", "C:\\start"}},
      {3, {"C:\\R", "C:\\Q", "C:\\P", "C:\\start"}},
      {4, {"C:\\docs", "C:\\R", "C:\\Q", "C:\\P"}},  // five held
  };
  const char* folders[] = {"C:\\P", "C:\\Q", "C:\\R", "C:\\docs"};
  for (const Case& c : cases) {
    settings.DeleteSection("History");
    settings.DeleteSection("Tab");  // start in C:\start again
    settings.WriteInt("Conf-Main", "History", 5);
    fs.current = "C:\\start";
    Make();
    for (int i = 0; i < c.visited; ++i) window->ChangeFolder(folders[i]);
    ASSERT_EQ(history.Count(), c.visited + 1);
    Exit();
    Strings saved, expected = c.saved;
    expected.resize(6);  // and nothing beyond
    for (int i = 0; i < 6; ++i) {
      saved.push_back(settings.ReadString("History", "path" + std::to_string(i), ""));
    }
    EXPECT_EQ(saved, expected) << c.visited;
  }
}

TEST_F(SavedStateTest, TheMenuHiddenAtExitIsHiddenAtTheNextStart) {
  Make();
  window->OnCommand(CmdToggleMenu);
  Exit();
  EXPECT_EQ(settings.ReadInt("WindowRect", "Menu", 1), 0);
  frame.menu_calls.clear();
  FilerController& w = Make();
  EXPECT_FALSE(w.menu_shown());
  EXPECT_EQ(frame.menu_calls, (std::vector<bool>{false}));
}

// A store that stops writing after some writes: a crash or a full disk in
// the middle of the exit.
class FailingSettings : public SettingsFile {
 public:
  explicit FailingSettings(SettingsFile& inner) : inner_(inner) {}
  void FailAfter(int writes) { left_ = writes; }
  int32_t ReadInt(std::string_view s, std::string_view k, int32_t d) override {
    return inner_.ReadInt(s, k, d);
  }
  std::string ReadString(std::string_view s, std::string_view k, std::string_view d) override {
    return inner_.ReadString(s, k, d);
  }
  SettingsSection ReadSection(std::string_view s) override { return inner_.ReadSection(s); }
  bool WriteInt(std::string_view s, std::string_view k, int32_t v) override {
    return left_-- > 0 && inner_.WriteInt(s, k, v);
  }
  bool WriteString(std::string_view s, std::string_view k, std::string_view v) override {
    return left_-- > 0 && inner_.WriteString(s, k, v);
  }
  bool WriteSection(std::string_view s, const SettingsSection& entries) override {
    return left_-- > 0 && inner_.WriteSection(s, entries);
  }
  void DeleteSection(std::string_view s) override {
    if (left_-- > 0) inner_.DeleteSection(s);
  }
  void DeleteKey(std::string_view s, std::string_view k) override {
    if (left_-- > 0) inner_.DeleteKey(s, k);
  }

 private:
  SettingsFile& inner_;
  int left_ = 1 << 30;
};

TEST_F(SavedStateTest, AnExitThatFailsHalfwayLeavesTheEarlierTabsReadable) {
  const std::string before =
      "[Tab]\r\nCurSel=0\r\nDIR0=C:\\P\r\nDIR1=C:\\Q\r\nDIR2=C:\\R\r\n"
      "[History]\r\npath0=C:\\P\r\npath1=C:\\Q\r\n";
  for (int writes = 0; writes < 30; ++writes) {
    test::TempDir::Write(settings.path(), before);
    FailingSettings failing(settings);
    tabs = test::FakeTabStrip{};
    history.items.clear();
    FilerController w(FilerPorts{failing, frame, prompts, list, message, search, history, fs, keys, tabs, shell},
                  "C:\\Qd", "");
    w.Initialise();
    w.OnCommand(CmdCloseTab);  // two tabs are saved instead of three
    failing.FailAfter(writes);
    w.SaveState();
    // Wherever the writes stopped, each section is the old one or the new
    // one whole.
    const std::vector<std::string> saved = {Tab(0), Tab(1), Tab(2)};
    EXPECT_TRUE(saved == (std::vector<std::string>{"C:\\P", "C:\\Q", "C:\\R"}) ||
                saved == (std::vector<std::string>{"C:\\Q", "C:\\R", ""}))
        << writes << ": " << saved[0] << " " << saved[1] << " " << saved[2];
    EXPECT_FALSE(settings.ReadString("History", "path0", "").empty()) << writes;
  }
}

TEST_F(SavedStateTest, APathOpensInTheTabThatShowsItsFolder) {
  settings.WriteString("Tab", "DIR0", "C:\\P");
  settings.WriteString("Tab", "DIR1", "C:\\Q");
  settings.WriteString("Tab", "DIR2", "C:\\docs");
  FilerController& w = Make();
  settings.WriteString("Etc", "CmdLine", "c:\\DOCS\\report.txt");
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(w.tab_set().current(), 2);
  EXPECT_EQ(tabs.TabCount(), 3);
  EXPECT_EQ(fs.current, "C:\\docs");
  EXPECT_EQ(CursorName(), "report.txt");
  EXPECT_EQ(settings.ReadString("Etc", "CmdLine", "x"), "");
  EXPECT_EQ(w.pending_path(), "");
}

TEST_F(SavedStateTest, WithOneTabThePathOpensInTheCurrentTab) {
  FilerController& w = Make();
  settings.WriteString("Etc", "CmdLine", "C:\\docs\\report2.txt");
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(tabs.TabCount(), 1);
  EXPECT_EQ(fs.current, "C:\\docs");
  EXPECT_EQ(CursorName(), "report2.txt");
  settings.WriteString("Etc", "CmdLine", "C:\\root.txt");  // a file in a drive root
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(fs.current, "C:\\");
  EXPECT_EQ(CursorName(), "root.txt");
}

TEST_F(SavedStateTest, NewTabAndNoCheckAlwaysAddATab) {
  settings.WriteInt("Conf-Main", "NewTab", 1);
  settings.WriteInt("Conf-Main", "NewTabNoChk", 1);
  settings.WriteString("Tab", "DIR0", "C:\\P");
  settings.WriteString("Tab", "DIR1", "C:\\docs");
  FilerController& w = Make();
  settings.WriteString("Etc", "CmdLine", "C:\\docs");
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(tabs.texts, (Strings{"P", "docs", "docs"}));
  EXPECT_EQ(w.tab_set().current(), 1);
  settings.WriteInt("Conf-Main", "NewTabNoChk", 0);
  settings.WriteString("Etc", "CmdLine", "C:\\P");  // now found: no new tab
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(tabs.TabCount(), 3);
  EXPECT_EQ(w.tab_set().current(), 0);
}

TEST_F(SavedStateTest, TheCommandLinePathOpensAtStartInItsLongForm) {
  fs.long_names["C:\\DOCUME~1"] = "docs";
  fs.folders["C:\\DOCUME~1"] = fs.folders["C:\\docs"];
  window = std::make_unique<FilerController>(
      FilerPorts{settings, frame, prompts, list, message, search, history, fs, keys, tabs, shell}, "C:\\Qd",
      "C:\\DOCUME~1");
  window->Initialise();
  EXPECT_EQ(fs.current, "C:\\docs");
  EXPECT_EQ(window->tab_set().at(0).path, "C:\\docs");
  EXPECT_EQ(tabs.texts, (Strings{"docs"}));
  EXPECT_EQ(window->pending_path(), "");
}

TEST_F(SavedStateTest, ABareFileNameOpensInTheCurrentFolder) {
  fs.current = "C:\\docs";
  window = std::make_unique<FilerController>(
      FilerPorts{settings, frame, prompts, list, message, search, history, fs, keys, tabs, shell}, "C:\\Qd",
      "zeta.txt");
  window->Initialise();
  EXPECT_EQ(fs.current, "C:\\docs");
  EXPECT_EQ(CursorName(), "zeta.txt");
  EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(SavedStateTest, AMissingPathIsIgnored) {
  window = std::make_unique<FilerController>(
      FilerPorts{settings, frame, prompts, list, message, search, history, fs, keys, tabs, shell},
      "C:\\Qd", "C:\\nothing-here");
  window->Initialise();
  EXPECT_EQ(fs.current, "C:\\start");
  EXPECT_TRUE(prompts.errors.empty());
  EXPECT_EQ(window->pending_path(), "C:\\nothing-here");
}

// "Qd.exe .", "Qd.exe ..", a relative name: the folder they name opens.
TEST_F(SavedStateTest, RelativePathsOpenTheFolderTheyName) {
  MakeFolder("C:\\start\\sub");
  fs.folders["C:\\start"].push_back({"sub", kAttrDirectory, 0, test::kJuly2000});
  AddFile("C:\\start\\sub", "能力.doc");
  struct Case {
    const char* given;
    const char* folder;
    const char* cursor;
  } cases[] = {
      {".", "C:\\start", ".."},
      {"..", "C:\\", "C:\\"},
      {"sub", "C:\\start\\sub", ".."},
      {".\\sub\\..\\sub\\能力.doc", "C:\\start\\sub", "能力.doc"},
      {"\\docs", "C:\\docs", ".."},
  };
  for (const Case& c : cases) {
    fs.current = "C:\\start";
    prompts.errors.clear();
    window = std::make_unique<FilerController>(
        FilerPorts{settings, frame, prompts, list, message, search, history, fs, keys, tabs, shell},
        "C:\\Qd", c.given);
    tabs = test::FakeTabStrip{};
    history.items.clear();
    window->Initialise();
    EXPECT_TRUE(prompts.errors.empty()) << c.given;
    EXPECT_EQ(fs.current, c.folder) << c.given;
    EXPECT_EQ(window->tab_set().at(0).path, c.folder) << c.given;
    if (std::string(c.cursor) != "C:\\") {
      EXPECT_EQ(CursorName(), c.cursor) << c.given;
    }
  }
}

TEST_F(SavedStateTest, AQuotedPathHandedOverOpens) {
  FilerController& w = Make();
  settings.WriteString("Etc", "CmdLine", "\"C:\\docs\\report.txt\"");
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(fs.current, "C:\\docs");
  EXPECT_EQ(CursorName(), "report.txt");
}

// Saved CurSel=1 with DIR1 gone: after the error the start folder is
// listed, and the title and the tab say so (a second start looks for the
// title).
TEST_F(SavedStateTest, AVanishedCurrentTabShowsTheStartFolder) {
  settings.WriteString("Tab", "DIR0", "C:\\P");
  settings.WriteString("Tab", "DIR1", "C:\\gone");
  settings.WriteInt("Tab", "CurSel", 1);
  FilerController& w = Make();
  EXPECT_EQ(prompts.errors, (Strings{"フォルダ移動エラー"}));
  EXPECT_EQ(fs.current, "C:\\start");
  EXPECT_EQ(frame.title, " Qd - [C:\\start\\*.*]");
  EXPECT_EQ(w.tab_set().at(1).path, "C:\\start");
  EXPECT_EQ(tabs.texts, (Strings{"P", "start"}));
  EXPECT_EQ(list.RowCount(), 1);  // its ".."
  EXPECT_EQ(search.CellText(0, 3), "1");
}

// Paths the filer cannot hold: one of 260 characters or more, and one the
// file system cannot hand back. Entering them fails as a folder change
// fails, and no empty path is ever saved for a tab or the history.
TEST_F(SavedStateTest, AFolderWhosePathCannotBeHeldIsNotEntered) {
  const std::string base = "C:\\" + std::string(240, 'd');  // 243 characters
  MakeFolder(base);
  MakeFolder(base + "\\" + std::string(15, 'e'));   // 259: the longest that is held
  MakeFolder(base + "\\" + std::string(16, 'f'));   // 260
  std::string japanese = "C:\\";
  for (int i = 0; i < 200; ++i) japanese += "表";  // 203 characters, 403 bytes
  MakeFolder(japanese);
  settings.WriteString("Tab", "DIR0", base);
  settings.WriteString("Tab", "DIR1", "C:\\P");
  FilerController& w = Make();
  EXPECT_TRUE(w.ChangeFolder(std::string(15, 'e')));
  EXPECT_TRUE(w.ChangeFolder(".."));
  prompts.errors.clear();
  EXPECT_FALSE(w.ChangeFolder(std::string(16, 'f')));
  EXPECT_EQ(prompts.errors, (Strings{"フォルダ移動エラー"}));
  EXPECT_EQ(fs.current, base);
  EXPECT_EQ(w.tab_set().at(0).path, base);
  EXPECT_EQ(frame.title, " Qd - [" + base + "\\*.*]");
  EXPECT_TRUE(w.ChangeFolder(japanese));  // under 260 characters: held
  fs.unreadable = japanese;               // the system cannot hand it back now
  EXPECT_TRUE(w.ChangeFolder("C:\\P"));
  EXPECT_FALSE(w.ChangeFolder(japanese));
  EXPECT_EQ(fs.current, "C:\\P");
  Exit();
  for (const SettingsEntry& e : settings.ReadSection("Tab")) EXPECT_FALSE(e.value.empty()) << e.key;
  for (const SettingsEntry& e : settings.ReadSection("History")) {
    EXPECT_FALSE(e.value.empty()) << e.key;
  }
  EXPECT_EQ(Tab(0), "C:\\P");
  EXPECT_EQ(Tab(1), "C:\\P");
}

TEST(LongPathForm, ReplacesEveryComponentFromTheLast) {
  test::FakeFileSystem fs;
  fs.folders["C:\\"];
  fs.long_names = {{"C:\\PROGRA~1\\ソフト~1\\a.txt", "a.txt"},
                   {"C:\\PROGRA~1\\ソフト~1", "ソフトウェア"},
                   {"C:\\PROGRA~1", "Program Files"}};
  EXPECT_EQ(LongPathForm(fs, "C:\\PROGRA~1\\ソフト~1\\a.txt"),
            "C:\\Program Files\\ソフトウェア\\a.txt");
  EXPECT_EQ(LongPathForm(fs, "C:\\missing"), "");
  fs.long_names["abc~1.txt"] = "abcdefghij.txt";
  EXPECT_EQ(LongPathForm(fs, "abc~1.txt"), "abcdefghij.txt");
  fs.long_names = {{"C:\\x", std::string(300, 'x')}};
  EXPECT_EQ(LongPathForm(fs, "C:\\x"), "");  // 260 or more: the path stays as it is
}

TEST(LongPathForm, KeepsUpTo259BytesAndDropsFrom260) {
  // The limit counts bytes, so a double-byte name reaches it at half the
  // characters; "C:\" and the backslash between components count too.
  const std::string so = "ソ";  // two bytes in CP932
  std::string kana;
  for (int i = 0; i < 128; ++i) kana += so;
  struct Case {
    std::string folder, file;  // long names of C:\f and C:\f\g ("" : no second component)
    std::size_t length;        // of the long form
  } cases[] = {
      {std::string(256, 'x'), "", 259},
      {std::string(257, 'x'), "", 260},
      {kana, "", 259},
      {"x" + kana, "", 260},
      {std::string(100, 'x'), std::string(155, 'y'), 259},
      {std::string(100, 'x'), std::string(156, 'y'), 260},
  };
  for (const Case& c : cases) {
    test::FakeFileSystem fs;
    fs.folders["C:\\"];
    fs.long_names = {{"C:\\f", c.folder}, {"C:\\f\\g", c.file}};
    const std::string path = c.file.empty() ? "C:\\f" : "C:\\f\\g";
    const std::string expected = "C:\\" + c.folder + (c.file.empty() ? "" : "\\" + c.file);
    ASSERT_EQ(expected.size(), c.length);
    EXPECT_EQ(LongPathForm(fs, path), c.length < 260 ? expected : "") << c.length;
  }
}

}  // namespace
}  // namespace qd
