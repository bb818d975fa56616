#include "filer/fileops/rename.h"

#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;


// C:\work: .., a.txt, b.txt, memo.txt, ソフト.txt (rows in that order).
class RenameTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\work";
    MakeFolder("C:\\work");
    for (const char* n : {"a.txt", "b.txt", "memo.txt", "ソフト.txt"}) AddFile("C:\\work", n);
  }
  FilerController& Rename(std::initializer_list<int> rows, std::vector<RenameAnswer> answers) {
    FilerController& w = window ? *window : Make();
    list.Select(rows);
    prompts.rename_answers = std::move(answers);
    prompts.rename_requests.clear();
    w.OnCommand(CmdRename);
    return w;
  }
  Strings SelectedNames() const {
    Strings names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    return names;
  }
  Strings Befores() const {
    Strings b;
    for (const RenameRequest& r : prompts.rename_requests) b.push_back(r.before);
    return b;
  }
};

TEST_F(RenameTest, RenameNextAndCancelReselectAllThreeRows) {
  Rename({1, 2, 3}, {test::RenameOk("first.txt"), test::RenameNext("b.txt"), test::RenameCancel()});
  EXPECT_EQ(Befores(), (Strings{"a.txt", "b.txt", "memo.txt"}));
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\a.txt > C:\\work\\first.txt"}));
  EXPECT_EQ(Names(), (Strings{"..", "b.txt", "first.txt", "memo.txt", "ソフト.txt"}));
  EXPECT_EQ(SelectedNames(), (Strings{"b.txt", "first.txt", "memo.txt"}));
  for (const RenameRequest& r : prompts.rename_requests) {
    EXPECT_EQ(r.after, r.before);  // the dialog starts from the old name
    EXPECT_FALSE(r.allow_all);
  }
}

TEST_F(RenameTest, CancelOnTheFirstItemListsNothingAgain) {
  Make();
  const std::size_t searches = fs.searches.size();
  Rename({1, 2}, {test::RenameCancel()});
  EXPECT_EQ(prompts.rename_requests.size(), 1u);
  EXPECT_TRUE(fs.renames.empty());
  EXPECT_EQ(fs.searches.size(), searches);
  EXPECT_EQ(list.Selected(), (std::vector<int>{1, 2}));
}

TEST_F(RenameTest, AChangeOfLetterCaseOnlyGoesAheadThoughTheNameExists) {
  Rename({3}, {test::RenameOk("Memo.TXT")});
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\memo.txt > C:\\work\\Memo.TXT"}));
  EXPECT_EQ(SelectedNames(), (Strings{"Memo.TXT"}));
  EXPECT_TRUE(prompts.errors.empty());
}

// Each problem sends the dialog back for the same item; nothing on disk
// changes until a rename goes through.
TEST_F(RenameTest, EmptyExistingAndRefusedNamesShowTheDialogAgain) {
  fs.refused = {"C:\\work\\a.txt"};
  Rename({1, 2}, {test::RenameOk(""), test::RenameOk("b.txt"), test::RenameOk("c.txt"), test::RenameNext("a.txt"), test::RenameOk("表示.txt"), test::RenameCancel()});
  EXPECT_EQ(Befores(), (Strings{"a.txt", "a.txt", "a.txt", "a.txt", "b.txt"}));
  EXPECT_EQ(prompts.errors, (Strings{"b.txt は既に存在しています。"}));
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(message.CellText(0, 0), "");  // the listing afterwards empties it
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\a.txt > C:\\work\\c.txt",
                                 "C:\\work\\b.txt > C:\\work\\表示.txt"}));
  EXPECT_EQ(Names(), (Strings{"..", "a.txt", "memo.txt", "ソフト.txt", "表示.txt"}));
  EXPECT_EQ(SelectedNames(), (Strings{"a.txt", "表示.txt"}));
}

TEST_F(RenameTest, ARefusedRenameSaysSoInTheMessageArea) {
  fs.refused = {"C:\\work\\a.txt"};
  FilerController& w = Make();
  list.Select({1});
  prompts.rename_answers = {test::RenameOk("c.txt")};
  w.OnCommand(CmdRename);
  EXPECT_EQ(prompts.rename_requests.size(), 2u);
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(message.CellText(0, 0), "リネームエラー（再実行）");
  EXPECT_EQ(Names(), (Strings{"..", "a.txt", "b.txt", "memo.txt", "ソフト.txt"}));
}

TEST_F(RenameTest, NamesWithTrailBytesAndTheUnchangedNameAreReselected) {
  Rename({2, 4}, {test::RenameOk("b.txt"), test::RenameOk("予定表.txt")});  // in row order
  EXPECT_EQ(fs.renames, (Strings{"C:\\work\\ソフト.txt > C:\\work\\予定表.txt"}));
  EXPECT_EQ(Names(), (Strings{"..", "a.txt", "b.txt", "memo.txt", "予定表.txt"}));
  EXPECT_EQ(SelectedNames(), (Strings{"b.txt", "予定表.txt"}));
}

TEST_F(RenameTest, NothingHappensInAPickListOrWithOnlyTheParentRow) {
  FilerController& w = Make();
  list.Select({0});  // ".." alone
  w.OnCommand(CmdRename);
  w.OnCommand(CmdFolderHistory);
  list.Select({0});
  w.OnCommand(CmdRename);
  EXPECT_TRUE(prompts.rename_requests.empty());
}

}  // namespace
}  // namespace qd
