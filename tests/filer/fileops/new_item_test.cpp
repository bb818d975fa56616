#include "filer/fileops/new_item.h"

#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/fake_filer_view.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;


// The dialog loop alone, with every message it shows and the beeps between.
class ItemMakerTest : public ::testing::Test {
 protected:
  ItemMakerTest() {
    fs.folders["C:\\work"] = {{"report.txt", kAttrArchive, 0, 0}, {"docs", kAttrDirectory, 0, 0}};
    fs.folders["C:\\work\\docs"];
  }
  std::string Run(ItemKind kind, std::vector<NewItemAnswer> answers, std::string name = "") {
    prompts.new_item_answers = std::move(answers);
    view.on_message = [this](std::string_view text) {
      log.push_back(std::to_string(prompts.beeps) + " " + std::string(text));
    };
    ItemMaker maker(fs, prompts, view);
    return maker.Run(kind, "C:\\work\\", std::move(name));
  }
  Strings Asked() const {
    Strings names;
    for (const NewItemRequest& r : prompts.new_item_requests) names.push_back(r.name);
    return names;
  }

  test::FakeFileSystem fs;
  test::FakePrompts prompts;
  test::FakeFilerView view;
  Strings log;  // each message after the number of beeps so far
};

// Each failure beeps, says why and asks again with the name typed; the
// messages are the kind's own.
TEST_F(ItemMakerTest, EveryFailureBeepsSaysWhyAndAsksAgain) {
  struct Case {
    ItemKind kind;
    Strings log;
  } cases[] = {
      {ItemKind::Folder,
       {"1 フォルダ名を入力してください。", "2 そのフォルダ名は既に存在しています。",
        "3 そのフォルダ名は既に存在しています。", "4 フォルダ作成エラー",
        "4 フォルダ作成、成功。[表示]"}},
      {ItemKind::File,
       {"1 ファイル名を入力してください。", "2 そのファイル名は既に存在しています。",
        "3 そのファイル名は既に存在しています。", "4 ファイル作成エラー",
        "4 ファイル作成、成功。[表示]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    fs = {};
    fs.folders["C:\\work"] = {{"report.txt", kAttrArchive, 0, 0}, {"docs", kAttrDirectory, 0, 0}};
    prompts = {};
    log.clear();
    // A folder may not take a file's name, nor a file a folder's.
    const std::string made =
        Run(c.kind, {test::NewItemOk(""), test::NewItemOk("report.txt"), test::NewItemOk("DOCS"), test::NewItemOk("a?b"), test::NewItemOk("表示"), test::NewItemOk("x")}, "x");
    EXPECT_EQ(made, "表示|");
    EXPECT_EQ(log, c.log);
    EXPECT_EQ(Asked(), (Strings{"x", "", "report.txt", "DOCS", "a?b"}));
    EXPECT_EQ(fs.creates, (Strings{"C:\\work\\a?b", "C:\\work\\表示"}));
    uint32_t attributes = 0;
    ASSERT_TRUE(fs.Attributes("C:\\work\\表示", &attributes));
    EXPECT_EQ((attributes & kAttrDirectory) != 0, c.kind == ItemKind::Folder);
  }
}

TEST_F(ItemMakerTest, MoreMakesOneAndAsksForTheNextFromTheNameJustMade) {
  EXPECT_EQ(Run(ItemKind::Folder, {test::NewItemMore("一"), test::NewItemMore("ソ"), test::NewItemOk("三")}), "一|ソ|三|");
  EXPECT_EQ(Asked(), (Strings{"", "一", "ソ"}));
  for (const NewItemRequest& r : prompts.new_item_requests) EXPECT_EQ(r.kind, ItemKind::Folder);
  // Cancel after More keeps what was made.
  prompts = {};
  EXPECT_EQ(Run(ItemKind::File, {test::NewItemMore("a.txt")}), "a.txt|");
  EXPECT_EQ(Asked(), (Strings{"", "a.txt"}));
  EXPECT_EQ(prompts.beeps, 0);
}

// C:\work listed: .., docs, report.txt.
class NewItemCommandTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\work";
    MakeFolder("C:\\work");
    AddFolder("C:\\work", "docs");
    MakeFolder("C:\\work\\docs");
    AddFile("C:\\work", "report.txt");
    Make();
  }
  void Command(int id, std::initializer_list<int> rows, std::vector<NewItemAnswer> answers) {
    list.Select(rows);
    prompts.new_item_answers = std::move(answers);
    prompts.new_item_requests.clear();
    window->OnCommand(id);
  }
  Strings SelectedNames() const {
    Strings names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    return names;
  }
};

TEST_F(NewItemCommandTest, TheDialogStartsFromTheCursorRowButNotFromRowZero) {
  struct Case {
    int command;
    std::initializer_list<int> rows;
    ItemKind kind;
    const char* name;
  } cases[] = {
      {CmdNewFile, {2}, ItemKind::File, "report.txt"},
      {CmdNewFolder, {2}, ItemKind::Folder, "report"},
      {CmdNewFolder, {1}, ItemKind::Folder, "docs"},
      {CmdNewFile, {1, 2}, ItemKind::File, "docs"},
      {CmdNewFile, {0}, ItemKind::File, ""},
      {CmdNewFolder, {}, ItemKind::Folder, ""},
      // CmdNew: a folder on a folder row, ".." included; a file otherwise.
      {CmdNew, {0}, ItemKind::Folder, ""},
      {CmdNew, {1}, ItemKind::Folder, "docs"},
      {CmdNew, {2}, ItemKind::File, "report.txt"},
      {CmdNew, {}, ItemKind::File, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.command) + " " + c.name);
    Command(c.command, c.rows, {});
    ASSERT_EQ(prompts.new_item_requests.size(), 1u);
    EXPECT_EQ(prompts.new_item_requests[0].kind, c.kind);
    EXPECT_EQ(prompts.new_item_requests[0].name, c.name);
  }
  EXPECT_TRUE(fs.creates.empty());
}

TEST_F(NewItemCommandTest, ThreeFoldersWithMoreAreListedAndSelected) {
  Command(CmdNewFolder, {2}, {test::NewItemMore("a"), test::NewItemMore("表"), test::NewItemOk("c")});
  EXPECT_EQ(Names(), (Strings{"..", "a", "c", "docs", "表", "report.txt"}));
  EXPECT_EQ(SelectedNames(), (Strings{"a", "c", "表"}));
  EXPECT_EQ(message.CellText(0, 0), "");  // emptied when the command ends
}

TEST_F(NewItemCommandTest, CancelListsNothingAgainAndPickListsMakeNothing) {
  const std::size_t searches = fs.searches.size();
  Command(CmdNewFile, {2}, {});
  EXPECT_EQ(fs.searches.size(), searches);
  EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
  EXPECT_TRUE(fs.creates.empty());
  window->OnCommand(CmdFolderHistory);
  for (int id : {CmdNewFile, CmdNewFolder, CmdNew}) Command(id, {0}, {test::NewItemOk("x")});
  EXPECT_TRUE(prompts.new_item_requests.empty());
  EXPECT_TRUE(fs.creates.empty());
}

}  // namespace
}  // namespace qd
