#include "filer/fileops/mask_dialog.h"

#include <gtest/gtest.h>

#include "settings/ini_settings_file.h"
#include "tests/fakes/fake_prompts.h"
#include "tests/fakes/temp_dir.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;


class MaskDialogTest : public ::testing::Test {
 protected:
  void WriteHistory(const std::string& section, const Strings& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      settings.WriteString(section, "No" + std::to_string(i), entries[i]);
    }
  }
  MaskResult Ask(MaskKind kind, MaskAnswer answer, const std::string& text = "", bool option = false) {
    prompts.mask_answers = {std::move(answer)};
    return AskMask(settings, prompts, kind, text, option);
  }

  test::TempDir dir;
  IniSettingsFile settings{dir.File("Qd.ini")};
  test::FakePrompts prompts;
};

struct KindCase {
  MaskKind kind;
  const char* title;
  const char* check_text;
  const char* section;
  const char* empty_default;
};

TEST_F(MaskDialogTest, EachKindShowsItsTextsAndKeepsItsOwnSection) {
  const KindCase cases[] = {
      {MaskKind::FindFile, "ファイル検索（ 区切り： ';' ）", "", "FindFile", "*"},
      {MaskKind::FileMask, "ファイルマスク（ 区切り： ';' ）", "フォルダは除く(&C)", "FileMask", "*.*"},
      {MaskKind::ViewerSearch, "検索", "大小文字を区別する(&C)", "ViewFind", ""},
      {MaskKind::SelectMask, "選択マスク（ 区切り： ';' ）", "フォルダは除く(&C)", "SelMask", "*"},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.section);
    prompts.mask_requests.clear();
    Ask(c.kind, test::MaskOk(""));
    ASSERT_EQ(prompts.mask_requests.size(), 1u);
    EXPECT_EQ(prompts.mask_requests[0].title, c.title);
    EXPECT_EQ(prompts.mask_requests[0].check_text, c.check_text);
    EXPECT_EQ(MaskOrDefault(c.kind, ""), c.empty_default);
    // An empty OK stores the default (nothing for the viewer's search).
    EXPECT_EQ(settings.ReadString(c.section, "No0", "none"), *c.empty_default ? c.empty_default : "none");
  }
  EXPECT_EQ(settings.ReadString("FindFile", "NoFolder", "none"), "none");  // find stores no option
}

TEST_F(MaskDialogTest, HistoryIsReadUpToTheFirstEmptyEntryAndOffered) {
  WriteHistory("SelMask", {"*.txt", "ソフト*", "", "after.gap"});
  settings.WriteInt("SelMask", "NoFolder", 1);
  Ask(MaskKind::SelectMask, {});
  const MaskRequest& r = prompts.mask_requests.at(0);
  EXPECT_EQ(r.history, (Strings{"*.txt", "ソフト*"}));
  EXPECT_EQ(r.text, "*.txt");  // the most recent
  EXPECT_TRUE(r.check);        // read from the section
}

TEST_F(MaskDialogTest, InitialTextAndOptionComeFromTheCallerOrTheSection) {
  WriteHistory("FileMask", {"*.doc"});
  settings.WriteInt("FileMask", "NoFolder", 1);
  Ask(MaskKind::FileMask, {}, "*.txt", false);
  EXPECT_EQ(prompts.mask_requests.at(0).text, "*.txt");
  EXPECT_FALSE(prompts.mask_requests.at(0).check);  // the caller's, not the section's

  WriteHistory("ViewFind", {"前回"});
  settings.WriteInt("ViewFind", "Casesensitive", 1);
  Ask(MaskKind::ViewerSearch, {}, "", false);
  EXPECT_EQ(prompts.mask_requests.at(1).text, "前回");
  EXPECT_TRUE(prompts.mask_requests.at(1).check);
  Ask(MaskKind::ViewerSearch, {}, "選択語", false);
  EXPECT_EQ(prompts.mask_requests.at(2).text, "選択語");

  Ask(MaskKind::FindFile, {});
  EXPECT_EQ(prompts.mask_requests.at(3).text, "");  // no history yet
}

TEST_F(MaskDialogTest, OkPutsTheTextFirstWithoutDuplicatesAndKeeps31) {
  WriteHistory("SelMask", {"a*", "b*", "c*"});
  Ask(MaskKind::SelectMask, test::MaskOk("b*", true));
  EXPECT_EQ(ReadMaskHistory(settings, "SelMask"), (Strings{"b*", "a*", "c*"}));
  EXPECT_EQ(settings.ReadInt("SelMask", "NoFolder", -1), 1);
  // Case counts: B* is another mask.
  Ask(MaskKind::SelectMask, test::MaskOk("B*"));
  EXPECT_EQ(ReadMaskHistory(settings, "SelMask"), (Strings{"B*", "b*", "a*", "c*"}));
  EXPECT_EQ(settings.ReadInt("SelMask", "NoFolder", -1), 0);

  // 31 distinct masks fill the history; the 32nd pushes the oldest out.
  Strings full;
  for (int i = 30; i >= 0; --i) full.push_back("m" + std::to_string(i));
  settings.DeleteSection("FindFile");
  WriteHistory("FindFile", full);
  Ask(MaskKind::FindFile, test::MaskOk("new"));
  const Strings after = ReadMaskHistory(settings, "FindFile");
  ASSERT_EQ(after.size(), 31u);
  EXPECT_EQ(after.front(), "new");
  EXPECT_EQ(after[1], "m30");
  EXPECT_EQ(after.back(), "m1");  // m0 is gone
  EXPECT_EQ(settings.ReadString("FindFile", "No31", "none"), "none");
  // Moving one of them up keeps all 31.
  Ask(MaskKind::FindFile, test::MaskOk("m1"));
  const Strings moved = ReadMaskHistory(settings, "FindFile");
  EXPECT_EQ(moved.size(), 31u);
  EXPECT_EQ(moved.front(), "m1");
  EXPECT_EQ(moved[1], "new");
}

TEST_F(MaskDialogTest, CancelAndTheViewersEmptySearchLeaveTheSectionAlone) {
  WriteHistory("SelMask", {"a*"});
  const MaskResult cancelled = Ask(MaskKind::SelectMask, {});
  EXPECT_FALSE(cancelled.ok);
  WriteHistory("ViewFind", {"語"});
  const MaskResult empty = Ask(MaskKind::ViewerSearch, test::MaskOk("", true));
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(ReadMaskHistory(settings, "SelMask"), Strings{"a*"});
  EXPECT_EQ(ReadMaskHistory(settings, "ViewFind"), Strings{"語"});
  EXPECT_EQ(settings.ReadString("ViewFind", "Casesensitive", "none"), "none");

  // The caller gets the text as typed; find's check box means nothing.
  const MaskResult find = Ask(MaskKind::FindFile, test::MaskOk("", true));
  EXPECT_EQ(find.text, "");
  EXPECT_FALSE(find.option);
  EXPECT_EQ(settings.ReadString("FindFile", "No0", ""), "*");
}

}  // namespace
}  // namespace qd
