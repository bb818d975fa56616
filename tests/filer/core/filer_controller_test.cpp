#include "filer/core/filer_controller.h"

#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using test::FakePane;

using FilerControllerTest = test::FilerFixture;

TEST_F(FilerControllerTest, WithoutSettingsUsesTheDefaults) {
  FilerController& w = Make();
  const Preferences& p = w.preferences();
  EXPECT_FALSE(p.confirm_exit);
  EXPECT_EQ(p.folder_open, 200u);
  EXPECT_EQ(p.history, 50u);
  EXPECT_EQ(p.sort, 200u);
  EXPECT_EQ(p.tab_max, 20u);
  EXPECT_EQ(p.jump_folder, "");
  // -1 text colours draw as white on black.
  EXPECT_EQ(list.text, 0xFFFFFFu);
  EXPECT_EQ(list.back, 0u);
  EXPECT_EQ(list.text_back, 0u);
  EXPECT_EQ(message.text, 0xFFFFFFu);
  EXPECT_EQ(search.back, 0u);
  EXPECT_EQ(frame.face, "Terminal");
  EXPECT_EQ(frame.tenths, 100);
  EXPECT_EQ(frame.window, (PaneRect{268, 50, 727 - 268, 650 - 50}));
  EXPECT_TRUE(w.menu_shown());
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(message.CellText(0, 0), "Quenda v0.53");
  EXPECT_EQ(message.CellText(0, 1), "");
}

TEST_F(FilerControllerTest, ColoursAndFontComeFromTheSettings) {
  settings.WriteInt("Conf-Display", "ListText", 0x00112233);
  settings.WriteInt("Conf-Display", "ListBack", 0x00445566);
  settings.WriteInt("Conf-Display", "MsgText", 0x000000FF);
  settings.WriteInt("Conf-Display", "MsgBack", 0x00FF0000);
  settings.WriteString("Conf-Display", "FontName", "ＭＳ ゴシック");
  settings.WriteInt("Conf-Display", "FontSize", 14);
  Make();
  EXPECT_EQ(list.text, 0x112233u);
  EXPECT_EQ(list.back, 0x445566u);
  EXPECT_EQ(list.text_back, 0x445566u);
  for (FakePane* pane : {&message, &search}) {
    EXPECT_EQ(pane->text, 0xFFu);
    EXPECT_EQ(pane->back, 0xFF0000u);
    EXPECT_EQ(pane->text_back, 0xFF0000u);
  }
  EXPECT_EQ(frame.face, "ＭＳ ゴシック");
  EXPECT_EQ(frame.tenths, 140);
}

TEST_F(FilerControllerTest, PanesGetTheirColumnsAndOneRow) {
  Make();
  ASSERT_EQ(list.columns.size(), 5u);
  const char* headers[] = {"Name", "eXt", "Size", "Date", "Attr"};
  const int widths[] = {125, 60, 60, 135, 50};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(list.columns[i].header, headers[i]);
    EXPECT_EQ(list.columns[i].width, widths[i]);
    EXPECT_EQ(list.columns[i].align, i == 2 ? Align::Right : Align::Left);
  }
  EXPECT_TRUE(list.full_row);
  EXPECT_EQ(list.tips, CellTips::ForCutTexts);
  ASSERT_EQ(message.columns.size(), 2u);
  EXPECT_EQ(message.columns[0].header, "メッセージ");
  EXPECT_EQ(message.columns[0].width, 245);
  EXPECT_EQ(message.columns[1].header, "セレクト");
  EXPECT_EQ(message.columns[1].align, Align::Right);
  EXPECT_EQ(message.columns[1].width, 185);
  ASSERT_EQ(search.columns.size(), 4u);
  const char* fields[] = {"Search", "FileMessege", "Mode", "FileInf"};
  const Align aligns[] = {Align::Left, Align::Centre, Align::Centre, Align::Right};
  const int field_widths[] = {185, 60, 135, 50};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(search.columns[i].header, fields[i]);
    EXPECT_EQ(search.columns[i].align, aligns[i]);
    EXPECT_EQ(search.columns[i].width, field_widths[i]);
  }
  EXPECT_EQ(message.rows.size(), 1u);
  EXPECT_EQ(search.rows.size(), 1u);
  EXPECT_TRUE(message.full_row && search.full_row);
}

TEST(PointFont, HeightFollowsTheScreenResolution) {
  EXPECT_EQ(PointFontHeight(FontTenths(10), 96), -13);
  EXPECT_EQ(PointFontHeight(FontTenths(12), 96), -16);
  EXPECT_EQ(PointFontHeight(FontTenths(10), 120), -16);
  EXPECT_EQ(PointFontHeight(FontTenths(0), 96), 0);
  EXPECT_EQ(PointFontHeight(FontTenths(-10), 96), -13);
  EXPECT_EQ(FontTenths(2147483647), 2147483647);
  EXPECT_LT(PointFontHeight(FontTenths(2147483647), 96), 0);
}

TEST_F(FilerControllerTest, MessagesAndSearchLineFields) {
  FilerController& w = Make();
  const int before = message.repaints;
  w.ShowMessage("Please Wait", false);
  EXPECT_EQ(message.CellText(0, 0), "Please Wait");
  EXPECT_EQ(message.repaints, before);
  w.ShowMessage("ソート中", true);
  EXPECT_EQ(message.CellText(0, 0), "ソート中");
  EXPECT_EQ(message.repaints, before + 1);
  w.SetSearchLineField(SearchField::Mode, "一時移動");
  w.SetSearchLineField(SearchField::FileInf, "12");
  EXPECT_EQ(search.CellText(0, 2), "一時移動");
  EXPECT_EQ(search.CellText(0, 3), "12");
  EXPECT_EQ(search.CellText(0, 0), "");
}

TEST_F(FilerControllerTest, SizeChangesLayOutThePanesAndRepaintTheMessageArea) {
  settings.WriteInt("Conf-Display", "FontSize", 12);
  FilerController& w = Make();
  const int before = message.repaints;
  w.OnSize(800, 600);
  EXPECT_EQ(frame.panes[Pane::TabStrip], (PaneRect{0, 0, 800, 552}));
  EXPECT_EQ(frame.panes[Pane::FileList], (PaneRect{0, 29, 800, 523}));
  EXPECT_EQ(frame.panes[Pane::SearchLine], (PaneRect{0, 552, 800, 24}));
  EXPECT_EQ(frame.panes[Pane::MessageArea], (PaneRect{0, 576, 800, 24}));
  EXPECT_EQ(message.repaints, before + 1);
}

TEST_F(FilerControllerTest, SizeMessagesBeforeInitialisationDoNothing) {
  FilerController w(FilerPorts{settings, frame, prompts, list, message, search, history, fs, keys, tabs, shell},
                "C:\\Qd", "");
  w.OnSize(800, 600);
  EXPECT_TRUE(frame.panes.empty());
}

TEST_F(FilerControllerTest, ExitWithoutQuestionClosesAtOnce) {
  FilerController& w = Make();
  for (int id : {2, static_cast<int>(CmdExit)}) {
    frame.closes = 0;
    EXPECT_TRUE(w.OnCommand(id));
    EXPECT_EQ(frame.closes, 1);
  }
  EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(FilerControllerTest, ExitAsksWhenEscIsSetAndCancelKeepsTheWindow) {
  settings.WriteInt("Conf-Main", "Esc", 1);
  FilerController& w = Make();
  prompts.answer = Answer::Cancel;
  w.OnCommand(2);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0], "Qd を終了します。");
  EXPECT_EQ(frame.closes, 0);
  prompts.answer = Answer::Ok;
  w.OnCommand(CmdExit);
  EXPECT_EQ(prompts.questions.size(), 2u);
  EXPECT_EQ(frame.closes, 1);
}

TEST_F(FilerControllerTest, ToggleMenuDetachesAndLoadsTheMenuBarAgain) {
  FilerController& w = Make();
  w.OnCommand(CmdToggleMenu);
  EXPECT_FALSE(w.menu_shown());
  w.OnCommand(CmdToggleMenu);
  EXPECT_TRUE(w.menu_shown());
  EXPECT_EQ(frame.menu_calls, (std::vector<bool>{false, true}));
}

TEST_F(FilerControllerTest, PathNotifyTakesTheHandedOverPathAndEmptiesTheSlot) {
  FilerController& w = Make();
  settings.WriteString("Etc", "CmdLine", "C:\\表示\\ソフト.txt");
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(w.pending_path(), "C:\\表示\\ソフト.txt");
  EXPECT_EQ(settings.ReadString("Etc", "CmdLine", "missing"), "");
  // An empty slot changes nothing.
  w.OnCommand(CmdPathNotify);
  EXPECT_EQ(w.pending_path(), "");
}

TEST_F(FilerControllerTest, EveryTableCommandIsKnownAndOthersAreNot) {
  FilerController& w = Make();
  for (const CommandRow& row : FilerCommandTable()) {
    if (row.value == kGroupHeader || row.value == CmdExit) continue;
    EXPECT_TRUE(w.OnCommand(row.value)) << row.value;
  }
  EXPECT_FALSE(w.OnCommand(32834));
  EXPECT_FALSE(w.OnCommand(12345));
  EXPECT_EQ(frame.closes, 0);
}

}  // namespace
}  // namespace qd
