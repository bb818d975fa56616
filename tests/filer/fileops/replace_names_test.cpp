#include "filer/fileops/replace_names.h"

#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

ReplaceOptions Replace(const std::string& before, const std::string& after,
                       bool case_sensitive = false) {
  ReplaceOptions o;
  o.before = before;
  o.after = after;
  o.case_sensitive = case_sensitive;
  return o;
}
ReplaceOptions CaseOf(CaseChange change, bool name_part, bool ext_part) {
  ReplaceOptions o;
  o.name_part = name_part;
  o.ext_part = ext_part;
  o.case_change = change;
  return o;
}
ReplaceAnswer Confirmed(const ReplaceOptions& options) { return {true, options}; }


struct ProposeCase {
  std::string name;
  bool row_split;  // the row walk's parts (a folder has none after its name); else at the last dot
  bool folder;
  ReplaceOptions options;
  std::optional<std::string> proposed;
};

// A row's parts as the row walk takes them from the Name and Ext texts.
ReplaceItem RowItem(const std::string& name, bool folder) {
  if (folder || name.find('.') == std::string::npos || name[0] == '.') return {name, name, {}};
  return SplitAtLastDot(name);
}

TEST(ProposeName, ReplacesTheFirstOccurrenceAndChangesOnlyTheCheckedParts) {
  const auto none = std::nullopt;
  const ProposeCase cases[] = {
      {"Banana.txt", false, false, Replace("b", "x"), "xanana.txt"},
      {"Banana.txt", false, false, Replace("b", "x", true), none},
      {"Banana.txt", false, false, Replace("B", "x", true), "xanana.txt"},
      {"Banana.txt", false, false, Replace("a", "x"), "Bxnana.txt"},
      {"Banana.txt", false, false, Replace("", "new_"), "new_Banana.txt"},
      {"Banana.txt", false, false, Replace(".txt", ".bak"), "Banana.bak"},
      {"Banana.txt", false, false, Replace("ana", ""), "Bna.txt"},
      {"Banana.txt", false, false, Replace("q", "x"), none},
      // Trail bytes are no letters: ホ (83 7a) holds no "z", Ｂ溝 (82 61 8d 61) no "a".
      {"ホテル.TXT", false, false, Replace("z", "x"), none},
      {"ホテル.TXT", false, false, Replace(".txt", ".bak"), "ホテル.bak"},
      {"Ｂ溝.txt", false, false, Replace("a", "x"), none},
      {"Ｂ溝.txt", false, false, Replace("溝", "池"), "Ｂ池.txt"},
      {"ソフト.txt", false, false, Replace("\\", "x"), none},
      {"ソフト.txt", false, false, Replace("\\", "x", true), none},
      {"Ｂ溝.txt", false, false, Replace("a", "x", true), none},
      {"ホテル.TXT", false, false, Replace("z", "x", true), none},
      {"予定表.xls", false, false, Replace("表", "\\"), "予定\\.xls"},
      {"ア．ｔｘｔ", false, false, Replace("ｔ", "t"), "ア．tｘｔ"},
      // Case changes.
      {"a.txt", true, false, CaseOf(CaseChange::Upper, false, true), "a.TXT"},
      {"a.txt", false, false, CaseOf(CaseChange::Upper, false, true), "a.TXT"},
      {"my.dir", true, true, CaseOf(CaseChange::Upper, false, true), none},
      {"my.dir", false, true, CaseOf(CaseChange::Upper, false, true), "my.DIR"},
      {"sub", false, true, CaseOf(CaseChange::Upper, false, true), none},
      {"my.dir", true, true, CaseOf(CaseChange::Upper, true, false), "MY.DIR"},
      {"my.dir", false, true, CaseOf(CaseChange::Upper, true, false), "MY.dir"},
      {"README", true, false, CaseOf(CaseChange::Lower, true, true), "readme"},
      {"ホテル.TXT", true, false, CaseOf(CaseChange::Lower, true, true), "ホテル.txt"},
      {"ホテル.txt", true, false, CaseOf(CaseChange::Upper, true, true), "ホテル.TXT"},
      {"アイ.TXT", true, false, CaseOf(CaseChange::Lower, true, true), "アイ.txt"},  // 83 41 83 43
      {"Ｂ溝.txt", false, false, CaseOf(CaseChange::Upper, true, true), "Ｂ溝.TXT"},
      {"漢字abc.TXT", true, false, CaseOf(CaseChange::Lower, true, false), "漢字abc.TXT"},
      {"漢字abc.TXT", true, false, CaseOf(CaseChange::Upper, true, false), "漢字ABC.TXT"},
      {"ｱｲｳ.txt", true, false, CaseOf(CaseChange::Upper, true, true), "ｱｲｳ.TXT"},
      {"ａｂｃ.txt", true, false, CaseOf(CaseChange::Upper, true, true), "ａｂｃ.TXT"},
      {"a.b.c.txt", false, false, CaseOf(CaseChange::Upper, true, false), "A.B.C.txt"},
      {".profile", true, false, CaseOf(CaseChange::Upper, true, false), ".PROFILE"},
      {".profile", false, false, CaseOf(CaseChange::Upper, false, true), ".PROFILE"},
      {".profile", true, false, CaseOf(CaseChange::Upper, false, true), none},
  };
  for (const ProposeCase& c : cases) {
    const ReplaceItem item = c.row_split ? RowItem(c.name, c.folder) : SplitAtLastDot(c.name);
    EXPECT_EQ(ProposeName(item, c.options), c.proposed)
        << c.name << (c.row_split ? " (row walk)" : " (selection walk)") << " before '"
        << c.options.before << "'";
  }
}

TEST(SplitAtLastDot, TheExtensionIsTheLastDotAndWhatFollows) {
  const struct {
    std::string name, name_part, ext_part;
  } cases[] = {
      {"a.b.c.txt", "a.b.c", ".txt"},   {"予定表.xls", "予定表", ".xls"}, {"表示", "表示", ""},
      {"ア．ｔｘｔ", "ア．ｔｘｔ", ""}, {".profile", "", ".profile"},     {"name.", "name", "."},
  };
  for (const auto& c : cases) {
    const ReplaceItem item = SplitAtLastDot(c.name);
    EXPECT_EQ(item.name, c.name);
    EXPECT_EQ(item.name_part, c.name_part) << c.name;
    EXPECT_EQ(item.ext_part, c.ext_part) << c.name;
  }
}

TEST(CaseChangeRefusal, ACaseButtonNeedsAPart) {
  EXPECT_EQ(CaseChangeRefusal(CaseOf(CaseChange::Upper, false, false)), kNoPartChecked);
  EXPECT_EQ(CaseChangeRefusal(CaseOf(CaseChange::Lower, false, false)), kNoPartChecked);
  EXPECT_EQ(CaseChangeRefusal(CaseOf(CaseChange::Upper, true, false)), "");
  EXPECT_EQ(CaseChangeRefusal(CaseOf(CaseChange::Lower, false, true)), "");
  EXPECT_EQ(CaseChangeRefusal(Replace("", "")), "");  // OK is not a case button
}

// C:\work, in row order: .., my.dir/, sub/, a.txt, Banana.txt, c.txt, Ｂ溝.txt, ホテル.TXT.
class ReplaceNamesTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\work";
    MakeFolder("C:\\work");
    AddFolder("C:\\work", "my.dir");
    AddFolder("C:\\work", "sub");
    for (const char* n : {"a.txt", "Banana.txt", "c.txt", "Ｂ溝.txt", "ホテル.TXT"}) {
      AddFile("C:\\work", n);
    }
  }
  int RowOf(const std::string& name) const {
    const Strings names = Names();
    for (int r = 0; r < static_cast<int>(names.size()); ++r) {
      if (names[r] == name) return r;
    }
    ADD_FAILURE() << "no row " << name;
    return 0;
  }
  void SelectNames(const Strings& names) {
    std::fill(list.selected.begin(), list.selected.end(), false);
    for (const std::string& n : names) list.selected.at(RowOf(n)) = true;
  }
  // Runs the command on the named rows selected, with the dialog answers given.
  FilerController& Run(const Strings& selected, std::vector<ReplaceAnswer> replace,
                       std::vector<RenameAnswer> confirm) {
    FilerController& w = window ? *window : Make();
    SelectNames(selected);
    prompts.replace_answers = std::move(replace);
    prompts.rename_answers = std::move(confirm);
    prompts.replace_requests.clear();
    prompts.rename_requests.clear();
    w.OnCommand(CmdReplaceNames);
    return w;
  }
  Strings SelectedNames() const {
    Strings names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    return names;
  }
  Strings Asked(bool proposed) const {
    Strings s;
    for (const RenameRequest& r : prompts.rename_requests)
      s.push_back(proposed ? r.after : r.before);
    return s;
  }
  std::string Stored(const char* key) { return settings.ReadString("Etc", key, "none"); }
};

TEST_F(ReplaceNamesTest, OneSelectedRowWalksItAndTheRowsBelowButNotAbove) {
  Run({"Banana.txt"}, {Confirmed(Replace("a", "x"))}, {test::RenameOk("Bxnana.txt")});
  ASSERT_EQ(prompts.replace_requests.size(), 1u);
  EXPECT_EQ(prompts.replace_requests[0].before, "Banana.txt");  // the cursor row's name
  EXPECT_EQ(prompts.replace_requests[0].after, "");
  // a.txt above holds an "a" but is not walked; c.txt and ホテル.TXT hold none.
  EXPECT_EQ(Asked(false), (Strings{"Banana.txt"}));
  EXPECT_EQ(Asked(true), (Strings{"Bxnana.txt"}));
  EXPECT_TRUE(prompts.rename_requests[0].allow_all);
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\Banana.txt > C:\\work\\Bxnana.txt"}));
  EXPECT_EQ(SelectedNames(), (Strings{"Bxnana.txt"}));
}

TEST_F(ReplaceNamesTest, WithoutSelectionAllPrependsToEveryNameAfterOneQuestion) {
  Run({}, {Confirmed(Replace("", "new_"))}, {test::RenameAll("new_my.dir")});
  EXPECT_EQ(prompts.replace_requests[0].before, "");  // row 0 is ".."
  EXPECT_EQ(Asked(false), (Strings{"my.dir"}));
  EXPECT_EQ(fs.renames.size(), 7u);
  EXPECT_EQ(Names(), (Strings{"..", "new_my.dir", "new_sub", "new_a.txt", "new_Banana.txt",
                              "new_c.txt", "new_Ｂ溝.txt", "new_ホテル.TXT"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ReplaceNamesTest, TheSelectionWalkChangesTheExtensionAndNextLeavesAnItemOut) {
  Run({"..", "a.txt", "c.txt"}, {Confirmed(Replace(".txt", ".bak"))}, {test::RenameOk("a.bak"), test::RenameNext()});
  EXPECT_EQ(Asked(false), (Strings{"a.txt", "c.txt"}));
  EXPECT_EQ(Asked(true), (Strings{"a.bak", "c.bak"}));
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\a.txt > C:\\work\\a.bak"}));
  EXPECT_EQ(SelectedNames(), (Strings{"a.bak"}));  // c.txt was skipped: not reselected
}

// Which rows are walked decides how names split: the row walk takes the
// rows' own Name and Ext texts (a folder has no extension), the selection
// walk splits every name at its last dot.
TEST_F(ReplaceNamesTest, CaseChangesSplitNamesAsTheirWalkDoes) {
  const struct {
    const char* what;
    Strings selected;
    ReplaceOptions options;
    Strings asked, proposed;
  } cases[] = {
      {"extension only, row walk",
       {},
       CaseOf(CaseChange::Upper, false, true),
       {"a.txt", "Banana.txt", "c.txt", "Ｂ溝.txt", "ホテル.TXT"},
       {"a.TXT", "Banana.TXT", "c.TXT", "Ｂ溝.TXT", "ホテル.TXT"}},
      {"extension only, selection walk",
       {"my.dir", "sub", "a.txt"},
       CaseOf(CaseChange::Upper, false, true),
       {"my.dir", "a.txt"},
       {"my.DIR", "a.TXT"}},
      {"name only, row walk from one row",
       {"my.dir"},
       CaseOf(CaseChange::Upper, true, false),
       {"my.dir", "sub", "a.txt", "Banana.txt", "c.txt", "Ｂ溝.txt", "ホテル.TXT"},
       {"MY.DIR", "SUB", "A.txt", "BANANA.txt", "C.txt", "Ｂ溝.txt", "ホテル.TXT"}},
      {"name only, selection walk",
       {"my.dir", "sub"},
       CaseOf(CaseChange::Upper, true, false),
       {"my.dir", "sub"},
       {"MY.dir", "SUB"}},
      {"both parts lower case",
       {"Banana.txt", "ホテル.TXT"},
       CaseOf(CaseChange::Lower, true, true),
       {"Banana.txt", "ホテル.TXT"},
       {"banana.txt", "ホテル.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    window.reset();
    fs.renames.clear();
    std::vector<RenameAnswer> nexts(c.asked.size(), test::RenameNext());
    Run(c.selected, {Confirmed(c.options)}, nexts);
    EXPECT_EQ(Asked(false), c.asked);
    EXPECT_EQ(Asked(true), c.proposed);
    EXPECT_TRUE(fs.renames.empty());
  }
}

TEST_F(ReplaceNamesTest, CaseOnlyChangesGoAheadAndKeepTrailBytes) {
  Run({"Ｂ溝.txt", "ホテル.TXT"}, {Confirmed(CaseOf(CaseChange::Upper, true, true))},
      {test::RenameAll("Ｂ溝.TXT")});
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\Ｂ溝.txt > C:\\work\\Ｂ溝.TXT"}));
  EXPECT_TRUE(prompts.errors.empty());
  // ホテル.TXT was already upper case: not renamed, but selected again.
  EXPECT_EQ(SelectedNames(), (Strings{"Ｂ溝.TXT", "ホテル.TXT"}));
}

// Names with "|" and "\\" as trail bytes pass the name list and the split
// whole; a folder whose name ends in such a byte has no dot to split at.
TEST_F(ReplaceNamesTest, HardNamesPassTheSelectionWalkWhole) {
  AddFolder("C:\\work", "十申");
  AddFile("C:\\work", "ポスト.txt");
  AddFile("C:\\work", "予定表.xls");
  Run({"十申", "ポスト.txt", "予定表.xls"}, {Confirmed(CaseOf(CaseChange::Upper, false, true))},
      {test::RenameAll("ポスト.TXT")});
  EXPECT_EQ(Asked(false), (Strings{"ポスト.txt"}));
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\ポスト.txt > C:\\work\\ポスト.TXT",
                                 "C:\\work\\予定表.xls > C:\\work\\予定表.XLS"}));
  EXPECT_EQ(SelectedNames(), (Strings{"ポスト.TXT", "予定表.XLS"}));
}

// After All, items pass without the dialog, but a taken name or a refused
// rename still brings it back for that item.
TEST_F(ReplaceNamesTest, AllStillStopsAtATakenNameAndARefusedRename) {
  AddFile("C:\\work", "Banana.bak");
  fs.refused = {"C:\\work\\c.txt"};
  Run({"a.txt", "Banana.txt", "c.txt"}, {Confirmed(Replace(".TXT", ".bak"))},
      {test::RenameAll("a.bak"), test::RenameOk(""), test::RenameOk("Banana2.bak"), test::RenameNext()});
  EXPECT_EQ(Asked(false), (Strings{"a.txt", "Banana.txt", "Banana.txt", "c.txt"}));
  EXPECT_EQ(Asked(true), (Strings{"a.bak", "Banana.bak", "Banana.bak", "c.bak"}));
  EXPECT_EQ(prompts.errors, (Strings{"Banana.bak は既に存在しています。"}));
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\a.txt > C:\\work\\a.bak",
                                 "C:\\work\\Banana.txt > C:\\work\\Banana2.bak",
                                 "C:\\work\\c.txt > C:\\work\\c.bak"}));
  // The list is true to the disk: c.txt kept its name.
  EXPECT_EQ(Names(), (Strings{"..", "my.dir", "sub", "a.bak", "Banana.bak", "Banana2.bak", "c.txt",
                              "Ｂ溝.txt", "ホテル.TXT"}));
  EXPECT_EQ(SelectedNames(), (Strings{"a.bak", "Banana2.bak"}));
}

TEST_F(ReplaceNamesTest, ARefusedRenameSaysSoInTheMessageArea) {
  fs.refused = {"C:\\work\\c.txt"};
  Run({"c.txt", "Ｂ溝.txt"}, {Confirmed(Replace("c", "d"))}, {test::RenameOk("d.txt")});
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(message.CellText(0, 0), "リネームエラー（再実行）");
  EXPECT_EQ(Asked(false), (Strings{"c.txt", "c.txt"}));  // the dialog again, then Cancel
  // Nothing was listed again: nothing changed.
  EXPECT_EQ(SelectedNames(), (Strings{"c.txt", "Ｂ溝.txt"}));
}

TEST_F(ReplaceNamesTest, CancelEndsTheWalkAndKeepsWhatWasRenamed) {
  Run({}, {Confirmed(Replace("", "x"))}, {test::RenameOk("xmy.dir"), test::RenameOk("sub"), test::RenameCancel()});
  EXPECT_EQ(Asked(false), (Strings{"my.dir", "sub", "a.txt"}));
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\my.dir > C:\\work\\xmy.dir"}));
  // sub, left as it was, is reselected; a.txt, where the walk was cancelled, is not.
  EXPECT_EQ(SelectedNames(), (Strings{"sub", "xmy.dir"}));
}

TEST_F(ReplaceNamesTest, CancelOnTheFirstItemLeavesTheCursorOnItAndListsNothing) {
  Make();
  const std::size_t searches = fs.searches.size();
  Run({}, {Confirmed(Replace("c", "d"))}, {test::RenameCancel()});
  EXPECT_EQ(Asked(false), (Strings{"c.txt"}));
  EXPECT_EQ(fs.searches.size(), searches);
  EXPECT_EQ(SelectedNames(), (Strings{"c.txt"}));  // the cursor was moved to the item asked for
}

TEST_F(ReplaceNamesTest, OptionsAreReadAndWrittenOnlyAfterAConfirmedDialog) {
  settings.WriteInt("Etc", "Replace-Casesensitive", 1);
  settings.WriteInt("Etc", "Replace-Ext", 1);
  ReplaceOptions neither = CaseOf(CaseChange::Upper, false, false);
  neither.before = "typed";
  ReplaceOptions empty = Replace("", "", true);
  empty.name_part = true;
  Run({"a.txt"}, {Confirmed(neither), Confirmed(empty)}, {});
  EXPECT_EQ(prompts.errors,
            (Strings{"名前・拡張子共にチェックがありません。", "置換前・後、共に未入力です。"}));
  ASSERT_EQ(prompts.replace_requests.size(), 3u);
  const ReplaceOptions& first = prompts.replace_requests[0];
  EXPECT_EQ(first.before, "a.txt");
  EXPECT_TRUE(first.case_sensitive);
  EXPECT_FALSE(first.name_part);
  EXPECT_TRUE(first.ext_part);
  // Each refusal opens the dialog again as the user left it.
  EXPECT_EQ(prompts.replace_requests[1].before, "typed");
  EXPECT_FALSE(prompts.replace_requests[1].case_sensitive);
  EXPECT_EQ(prompts.replace_requests[1].case_change, CaseChange::None);
  EXPECT_TRUE(prompts.replace_requests[2].name_part);
  // The third opening was cancelled: nothing is stored, nothing asked.
  EXPECT_EQ(Stored("Replace-Casesensitive"), "1");
  EXPECT_EQ(Stored("Replace-Name"), "none");
  EXPECT_EQ(Stored("Replace-Ext"), "1");
  EXPECT_TRUE(prompts.rename_requests.empty());

  ReplaceOptions upper = CaseOf(CaseChange::Upper, true, false);
  Run({"a.txt"}, {Confirmed(upper)}, {});
  EXPECT_EQ(Stored("Replace-Casesensitive"), "0");
  EXPECT_EQ(Stored("Replace-Name"), "1");
  EXPECT_EQ(Stored("Replace-Ext"), "0");
  EXPECT_EQ(Asked(true), (Strings{"A.txt"}));  // the walk began
}

TEST_F(ReplaceNamesTest, NothingHappensInAPickList) {
  FilerController& w = Make();
  w.OnCommand(CmdFolderHistory);
  list.Select({0});
  prompts.replace_answers = {Confirmed(Replace("a", "b"))};
  w.OnCommand(CmdReplaceNames);
  EXPECT_TRUE(prompts.replace_requests.empty());
  EXPECT_EQ(Stored("Replace-Name"), "none");
}

}  // namespace
}  // namespace qd
