// The mask dialog, mask select and find on the real main window and a
// real folder tree under Wine; the walk's message pump on a real queue.
#include "filer/win32/filer_dialog_win32.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "filer/win32/message_pump_progress_win32.h"
#include "resources/command_ids.h"
#include "settings/command_table.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/filer/filer_window_fixture_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

using test::ItemText;
using test::WindowText;

// Answers the mask dialog from a timer: records what it shows, opens the
// list with the down-arrow key, types the text and presses a button.
struct MaskSeen {
  HWND owner = nullptr;
  std::string type;
  bool check = false;
  int button = IDOK;
  std::string title, check_text, text_at_open;
  std::vector<std::string> list;
  bool check_enabled = false, checked_at_open = false, dropped_by_down_key = false;
  bool answered = false;
} g_mask;

void CALLBACK AnswerMask(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetLastActivePopup(g_mask.owner);
  if (box == g_mask.owner || g_mask.answered) return;
  g_mask.answered = true;
  KillTimer(nullptr, id);
  HWND combo = GetDlgItem(box, IDC_MASK_TEXT);
  HWND check = GetDlgItem(box, IDC_MASK_OPTION);
  g_mask.title = WindowText(box);
  g_mask.check_text = WindowText(check);
  g_mask.check_enabled = IsWindowEnabled(check) != FALSE;
  g_mask.checked_at_open = SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
  g_mask.text_at_open = WindowText(combo);
  const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char item[300] = {};
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    g_mask.list.push_back(item);
  }
  HWND edit = GetWindow(combo, GW_CHILD);
  SendMessageA(edit ? edit : combo, WM_KEYDOWN, VK_DOWN, 0);
  g_mask.dropped_by_down_key = SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  SetWindowTextA(combo, g_mask.type.c_str());
  SendMessageA(check, BM_SETCHECK, g_mask.check ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(GetDlgItem(box, g_mask.button), BM_CLICK, 0, 0);
}

void Answer(HWND owner, const std::string& type, bool check = false, int button = IDOK) {
  g_mask = MaskSeen{};
  g_mask.owner = owner;
  g_mask.type = type;
  g_mask.check = check;
  g_mask.button = button;
}

// A folder with a small tree under it, Japanese names among them.
class MaskFindTest : public test::FilerWindowTest {
 protected:
  void SetUp() override {
    FilerWindowTest::SetUp();
    for (const char* f : {"表示", "表示\\ソフト", "十申", ".cache"}) {
      ASSERT_TRUE(CreateDirectoryA(folder.File(f).c_str(), nullptr)) << f;
    }
    for (const char* f : {"a.txt", "b.doc", "ポスト.txt", "表示\\予定表.txt", "表示\\ソフト\\Ｂ溝.TXT",
                          "十申\\能力.doc", ".cache\\hidden.txt"}) {
      test::WriteFileBytes(folder.File(f), "x");
    }
    EnterFolder();
  }
  void Command(int id) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerMask);
    SendMessageA(dialog->hwnd(), WM_COMMAND, id, 0);
    KillTimer(nullptr, timer);
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int r = 0; r < ListView_GetItemCount(List()); ++r) {
      rows.push_back(ItemText(List(), r, 0) + " @ " + ItemText(List(), r, 1));
    }
    return rows;
  }
  std::string SearchField(int column) {
    return ItemText(GetDlgItem(dialog->hwnd(), IDC_SEARCH_LINE), 0, column);
  }
};

TEST_F(MaskFindTest, TheRealDialogKeepsItsHistoryInQdIniAndSelectsByMask) {
  FilerDialog& d = Open();
  Answer(d.hwnd(), "*.txt", true);
  Command(CmdMaskSelect);
  ASSERT_TRUE(g_mask.answered);
  EXPECT_EQ(g_mask.title, "選択マスク（ 区切り： ';' ）");
  EXPECT_EQ(g_mask.check_text, "フォルダは除く(&C)");
  EXPECT_TRUE(g_mask.check_enabled);
  EXPECT_FALSE(g_mask.checked_at_open);
  EXPECT_EQ(g_mask.text_at_open, "");
  EXPECT_TRUE(g_mask.list.empty());
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"a.txt", "ポスト.txt"}));

  Answer(d.hwnd(), "表*;*.doc", false);
  Command(CmdMaskSelect);
  EXPECT_EQ(g_mask.text_at_open, "*.txt");
  EXPECT_TRUE(g_mask.checked_at_open);
  EXPECT_EQ(g_mask.list, std::vector<std::string>{"*.txt"});
  EXPECT_TRUE(g_mask.dropped_by_down_key);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"/表示", "b.doc"}));
  const std::string ini = test::ReadFileBytes(dir.File("Qd.ini"));
  EXPECT_NE(ini.find("[SelMask]\r\nNo0=表*;*.doc\r\nNo1=*.txt\r\nNoFolder=0\r\n"), std::string::npos)
      << ini;

  // The display mask: its own section, and the title shows it.
  Answer(d.hwnd(), "*.doc", true);
  Command(CmdFileMask);
  EXPECT_EQ(g_mask.title, "ファイルマスク（ 区切り： ';' ）");
  EXPECT_EQ(g_mask.text_at_open, "*.*");
  EXPECT_EQ(WindowText(d.hwnd()), " Qd - [" + folder.path() + "\\*.doc]");
  EXPECT_EQ(settings.ReadString("FileMask", "No0", ""), "*.doc");
  EXPECT_EQ(settings.ReadInt("FileMask", "NoFolder", 0), 1);
}

TEST_F(MaskFindTest, FindWalksTheRealTreeAndEscGoesBackToTheFolder) {
  FilerDialog& d = Open();
  const int listed = ListView_GetItemCount(List());
  Answer(d.hwnd(), "*.TXT");
  Command(CmdFindFile);
  ASSERT_TRUE(g_mask.answered);
  EXPECT_EQ(g_mask.title, "ファイル検索（ 区切り： ';' ）");
  EXPECT_FALSE(g_mask.check_enabled);
  const std::string& f = folder.path();
  // .cache is not searched; rows of one folder keep the order it is read in.
  EXPECT_EQ(Rows(), (std::vector<std::string>{"a.txt @ " + f, "ポスト.txt @ " + f,
                                              "予定表.txt @ " + f + "\\表示",
                                              "Ｂ溝.TXT @ " + f + "\\表示\\ソフト"}));
  EXPECT_EQ(SearchField(2), "ファイル検索");
  EXPECT_EQ(SearchField(3), "4");
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
  HWND header = ListView_GetHeader(List());
  EXPECT_EQ(Header_GetItemCount(header), 2);
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, cwd);
  EXPECT_STREQ(cwd, f.c_str());
  EXPECT_EQ(settings.ReadString("FindFile", "No0", ""), "*.TXT");

  // Esc reaches the dialog as Cancel: back to the folder, listed again.
  SetFocus(List());
  PostMessageA(List(), WM_KEYDOWN, VK_ESCAPE, 0);
  const DWORD start = GetTickCount();
  while (d.filer().view_mode() != ViewMode::Normal && GetTickCount() - start < 5000) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) d.Dispatch(msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  EXPECT_EQ(ListView_GetItemCount(List()), listed);
  EXPECT_EQ(Header_GetItemCount(header), 5);
  EXPECT_EQ(SearchField(2), "");
  EXPECT_FALSE(d.closed());
}

TEST_F(MaskFindTest, ExpansionListsEveryFolderBelowTheSelectedOnes) {
  FilerDialog& d = Open();
  HWND list = List();
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (int r = 0; r < ListView_GetItemCount(list); ++r) {
    if (ItemText(list, r, 0) == "/表示") ListView_SetItemState(list, r, LVIS_SELECTED, LVIS_SELECTED);
  }
  SendMessageA(d.hwnd(), WM_COMMAND, CmdExpandFolder, 0);
  const std::string& f = folder.path();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"/表示 @ " + f + "\\表示",
                                              "/ソフト @ " + f + "\\表示\\ソフト"}));
  EXPECT_EQ(SearchField(2), "フォルダ展開");
}

// The pump between folders: Esc is seen, other input is dropped, posted
// commands wait for the walk to end.
TEST(MessagePumpProgressTest, EscStopsOtherInputIsDroppedAndCommandsWait) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  test::PumpMessages(10);
  MessagePumpProgress progress;
  progress.Started();
  EXPECT_FALSE(progress.Due());  // not at once

  PostMessageA(window, WM_KEYDOWN, 'A', 0);
  PostMessageA(window, WM_CHAR, 'a', 0);
  PostMessageA(window, WM_LBUTTONDOWN, 0, 0);
  PostMessageA(window, WM_COMMAND, CmdExit, 0);
  EXPECT_FALSE(progress.StopRequested());
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(CmdExit));

  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(progress.StopRequested());
  EXPECT_FALSE(progress.StopRequested());  // once
  EXPECT_TRUE(test::WaitFor([&] { return progress.Due(); }, 10 * MessagePumpProgress::kIntervalMs));
  EXPECT_FALSE(progress.Due());  // the next look is a whole interval away
  progress.Ended();
  DestroyWindow(window);
}

}  // namespace
}  // namespace qd
