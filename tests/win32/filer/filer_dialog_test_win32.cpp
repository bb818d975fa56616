// The real main window under Wine: panes, colours, font, menus.
#include "filer/win32/filer_dialog_win32.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "filer/model/layout.h"
#include "filer/win32/shell_win32.h"
#include "resources/command_ids.h"
#include "settings/command_table.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/filer/filer_window_fixture_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

using test::ItemText;
using test::WindowText;

std::string MenuText(HMENU menu, UINT pos) {
  char text[256] = {};
  GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
  return text;
}

RECT RectInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

using FilerDialogTest = test::FilerWindowTest;

TEST_F(FilerDialogTest, PanesLieWhereTheLayoutSaysAtEverySize) {
  for (int font_size : {10, 0, 16, 101}) {
    settings.WriteInt("Conf-Display", "FontSize", font_size);
    FilerDialog& d = Open();
    for (SIZE size : {SIZE{459, 600}, SIZE{800, 600}, SIZE{320, 240}, SIZE{1000, 700}}) {
      SetWindowPos(d.hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
      test::PumpMessages(5);
      RECT client;
      GetClientRect(d.hwnd(), &client);
      const PaneLayout l = ComputeLayout(client.right, client.bottom, font_size);
      SCOPED_TRACE(testing::Message()
                   << "font " << font_size << ", client " << client.right << "x" << client.bottom);
      const std::pair<int, PaneRect> panes[] = {{IDC_TAB_STRIP, l.tab_strip},
                                                {IDC_FILE_LIST, l.file_list},
                                                {IDC_SEARCH_LINE, l.search_line},
                                                {IDC_MESSAGE_AREA, l.message_area}};
      for (const auto& [id, want] : panes) {
        const RECT r = RectInParent(Pane(id));
        EXPECT_EQ((PaneRect{r.left, r.top, r.right - r.left, r.bottom - r.top}), want)
            << "pane " << id;
      }
    }
    dialog.reset();
  }
}

TEST_F(FilerDialogTest, ColoursAndFontReachThePanes) {
  settings.WriteInt("Conf-Display", "ListText", 0x00112233);
  settings.WriteInt("Conf-Display", "ListBack", 0x00445566);
  settings.WriteString("Conf-Display", "FontName", "ＭＳ ゴシック");
  settings.WriteInt("Conf-Display", "FontSize", 12);
  Open();
  HWND list = Pane(IDC_FILE_LIST);
  EXPECT_EQ(ListView_GetBkColor(list), 0x445566u);
  EXPECT_EQ(ListView_GetTextBkColor(list), 0x445566u);
  EXPECT_EQ(ListView_GetTextColor(list), 0x112233u);
  for (int id : {IDC_MESSAGE_AREA, IDC_SEARCH_LINE}) {
    // The default text colour -1 draws as white on black.
    EXPECT_EQ(ListView_GetTextColor(Pane(id)), 0xFFFFFFu) << id;
    EXPECT_EQ(ListView_GetBkColor(Pane(id)), 0u) << id;
    EXPECT_EQ(ListView_GetTextBkColor(Pane(id)), 0u) << id;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTA lf{};
  GetObjectA(font, sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, "ＭＳ ゴシック");
  EXPECT_EQ(lf.lfHeight, PointFontHeight(120, dpi));
  for (int id : {IDC_MESSAGE_AREA, IDC_SEARCH_LINE, IDC_TAB_STRIP}) {
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Pane(id), WM_GETFONT, 0, 0)), font) << id;
  }
}

TEST_F(FilerDialogTest, PanesHaveTheirStylesFieldsAndStartText) {
  FilerDialog& d = Open();
  HWND list = Pane(IDC_FILE_LIST);
  const LONG style = GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
  EXPECT_FALSE(style & LVS_SINGLESEL);
  const DWORD ex = ListView_GetExtendedListViewStyle(list);
  EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(ex & LVS_EX_LABELTIP);
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 5);
  EXPECT_EQ(ListView_GetColumnWidth(list, 3), 135);
  for (int id : {IDC_MESSAGE_AREA, IDC_SEARCH_LINE}) {
    const LONG s = GetWindowLongA(Pane(id), GWL_STYLE);
    EXPECT_TRUE(s & LVS_NOCOLUMNHEADER) << id;
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(Pane(id)) & LVS_EX_FULLROWSELECT) << id;
    EXPECT_EQ(ListView_GetItemCount(Pane(id)), 1) << id;
  }
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(Pane(IDC_SEARCH_LINE))), 4);
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(Pane(IDC_MESSAGE_AREA))), 2);
  char text[64] = {};
  ListView_GetItemText(Pane(IDC_MESSAGE_AREA), 0, 0, text, sizeof text);
  EXPECT_STREQ(text, "Quenda v0.53");
  // Hidden store and buttons; drops arrive at the window only.
  for (int id : {IDC_HISTORY_STORE, IDOK, IDCANCEL}) {
    ASSERT_NE(Pane(id), nullptr) << id;
    EXPECT_FALSE(IsWindowVisible(Pane(id))) << id;
  }
  EXPECT_TRUE(GetWindowLongA(d.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  for (int id : {IDC_MESSAGE_AREA, IDC_SEARCH_LINE, IDC_TAB_STRIP}) {
    EXPECT_FALSE(GetWindowLongA(Pane(id), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << id;
  }
  EXPECT_EQ(WindowText(d.hwnd()).substr(0, 7), " Qd - [");
  RECT r;
  GetWindowRect(d.hwnd(), &r);
  EXPECT_EQ(r.left, 268);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right, 727);
  EXPECT_EQ(r.bottom, 650);
}

TEST_F(FilerDialogTest, SystemMenuHoldsTheToggleAndTheAboutItem) {
  FilerDialog& d = Open();
  HMENU sys = GetSystemMenu(d.hwnd(), FALSE);
  const int n = GetMenuItemCount(sys);
  ASSERT_GE(n, 4);
  EXPECT_EQ(GetMenuItemID(sys, n - 4), 0u);  // separator
  EXPECT_EQ(GetMenuItemID(sys, n - 3), static_cast<UINT>(CmdToggleMenu));
  EXPECT_EQ(MenuText(sys, n - 3), "メニュー表示切替(&O)");
  EXPECT_EQ(GetMenuItemID(sys, n - 2), 0u);
  EXPECT_EQ(GetMenuItemID(sys, n - 1), static_cast<UINT>(IDM_ABOUTBOX));
  EXPECT_EQ(MenuText(sys, n - 1), "Qd のﾊﾞｰｼﾞｮﾝ情報(&A)...");
}

TEST_F(FilerDialogTest, MenuBarTogglesFromTheCommandAndTheSystemMenu) {
  FilerDialog& d = Open();
  EXPECT_NE(GetMenu(d.hwnd()), nullptr);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdToggleMenu, 0);
  EXPECT_EQ(GetMenu(d.hwnd()), nullptr);
  EXPECT_FALSE(d.filer().menu_shown());
  SendMessageA(d.hwnd(), WM_SYSCOMMAND, CmdToggleMenu, 0);
  HMENU menu = GetMenu(d.hwnd());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(d.filer().menu_shown());
  EXPECT_EQ(GetMenuItemCount(menu), 9);
  // The panes follow the new client height.
  RECT client;
  GetClientRect(d.hwnd(), &client);
  EXPECT_EQ(RectInParent(Pane(IDC_MESSAGE_AREA)).bottom, client.bottom);
}

TEST_F(FilerDialogTest, MenuBarOffersEveryCommandUnderItsGroup) {
  FilerDialog& d = Open();
  std::map<std::string, std::vector<int>> want;
  std::vector<std::string> order;
  std::string group;
  for (const CommandRow& row : FilerCommandTable()) {
    if (row.value == kGroupHeader) {
      group = std::string(GroupName(row.name));
      order.push_back(group);
    } else {
      want[group].push_back(row.value);
    }
  }
  HMENU bar = GetMenu(d.hwnd());
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(order.size()));
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    EXPECT_EQ(MenuText(bar, i), order[i]);
    HMENU popup = GetSubMenu(bar, i);
    std::vector<int> ids;
    for (int k = 0; k < GetMenuItemCount(popup); ++k) {
      ids.push_back(static_cast<int>(GetMenuItemID(popup, k)));
      EXPECT_EQ(MenuText(popup, k), FilerCommandTable().Find(ids.back())->name);
    }
    EXPECT_EQ(ids, want[order[i]]) << order[i];
  }
}

TEST_F(FilerDialogTest, BackgroundQueryGetsTheHollowBrushAndTheIconIsDragged) {
  FilerDialog& d = Open();
  HDC dc = GetDC(d.hwnd());
  const LRESULT brush = SendMessageA(d.hwnd(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(d.hwnd()));
  ReleaseDC(d.hwnd(), dc);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
  const LRESULT icon = SendMessageA(d.hwnd(), WM_QUERYDRAGICON, 0, 0);
  EXPECT_NE(icon, 0);
  EXPECT_EQ(icon, SendMessageA(d.hwnd(), WM_GETICON, ICON_BIG, 0));
  // Minimised, the window paints its icon without trouble and restores.
  ShowWindow(d.hwnd(), SW_MINIMIZE);
  EXPECT_TRUE(test::WaitFor([&] { return IsIconic(d.hwnd()) != FALSE; }));
  ShowWindow(d.hwnd(), SW_RESTORE);
  EXPECT_TRUE(test::WaitFor([&] { return !IsIconic(d.hwnd()); }));
  RECT client;
  GetClientRect(d.hwnd(), &client);
  EXPECT_EQ(RectInParent(Pane(IDC_MESSAGE_AREA)).bottom, client.bottom);
}

// The about box is modal: a timer inside its loop reads it and presses its
// one button.
struct AboutSeen {
  HWND owner = nullptr;
  std::vector<std::string> texts;
  bool closed = false;
} g_about;

BOOL CALLBACK CollectText(HWND w, LPARAM) {
  g_about.texts.push_back(WindowText(w));
  return TRUE;
}

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetLastActivePopup(g_about.owner);
  if (box == g_about.owner || g_about.closed) return;
  g_about.texts.push_back(WindowText(box));
  EnumChildWindows(box, CollectText, 0);
  g_about.closed = true;
  KillTimer(nullptr, id);
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

TEST_F(FilerDialogTest, AboutBoxShowsTheVersionAndItsButtonClosesIt) {
  FilerDialog& d = Open();
  g_about = AboutSeen{};
  g_about.owner = d.hwnd();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseAbout);
  SendMessageA(d.hwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);  // returns when the box has closed
  KillTimer(nullptr, timer);
  ASSERT_TRUE(g_about.closed);
  const std::set<std::string> texts(g_about.texts.begin(), g_about.texts.end());
  EXPECT_TRUE(texts.count("Quenda version 0.53"));
  EXPECT_TRUE(texts.count("(=・ェ・=)  フリーソフトですニャ～"));
}

TEST_F(FilerDialogTest, EscThroughTheDialogEndsTheModalRun) {
  FilerDialog& d = Open();
  SetFocus(Pane(IDC_FILE_LIST));
  PostMessageA(Pane(IDC_FILE_LIST), WM_KEYDOWN, VK_ESCAPE, 0);
  d.Run();  // returns once Cancel has closed the window
  EXPECT_TRUE(d.closed());
  EXPECT_EQ(d.hwnd(), nullptr);
}

TEST_F(FilerDialogTest, CloseBoxActsLikeEsc) {
  FilerDialog& d = Open();
  PostMessageA(d.hwnd(), WM_CLOSE, 0, 0);
  d.Run();
  EXPECT_TRUE(d.closed());
}

// Messages through the dialog's own loop step, key pre-translation included.
void PumpDialog(FilerDialog& d, DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) d.Dispatch(msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (GetTickCount() - start < ms);
}

void CreateFileOfSize(const std::string& path, DWORD size) {
  test::WriteFileBytes(path, std::string(size, 'x'));
}

// A real folder listed into the real owner-data list view.
class ListingDialogTest : public FilerDialogTest {
 protected:
  void SetUp() override {
    FilerWindowTest::SetUp();
    CreateDirectoryA(folder.File("表示").c_str(), nullptr);
    CreateFileOfSize(folder.File("ソフト.txt"), 1234);
    CreateFileOfSize(folder.File("archive.tar.gz"), 9);
    CreateFileOfSize(folder.File(".cvsignore"), 10);
    CreateFileOfSize(folder.File("ホテル.TXT"), 0);
    CreateFileOfSize(folder.File("readme.md"), 100);
    EnterFolder();
  }
  std::vector<std::string> ColumnTexts(int column) {
    HWND list = Pane(IDC_FILE_LIST);
    std::vector<std::string> texts;
    for (int r = 0; r < ListView_GetItemCount(list); ++r)
      texts.push_back(ItemText(list, r, column));
    return texts;
  }
  int Cursor() { return ListView_GetNextItem(Pane(IDC_FILE_LIST), -1, LVNI_SELECTED); }
};

TEST_F(ListingDialogTest, RealFolderIsListedIntoTheOwnerDataList) {
  FilerDialog& d = Open();
  HWND list = Pane(IDC_FILE_LIST);
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LVS_OWNERDATA);
  EXPECT_EQ(ListView_GetItemCount(list), 7);
  using Strings = std::vector<std::string>;
  EXPECT_EQ(ColumnTexts(0),
            (Strings{"/..", "/表示", ".cvsignore", "archive.tar", "readme", "ソフト", "ホテル"}));
  EXPECT_EQ(ColumnTexts(1), (Strings{"", "", "", ".gz", ".md", ".txt", ".TXT"}));
  EXPECT_EQ(ColumnTexts(2), (Strings{"<DIR>", "<DIR>", "10", "9", "100", "1234", "0"}));
  EXPECT_EQ(ColumnTexts(4)[1], "-D---");
  const std::string date = ColumnTexts(3)[5];
  EXPECT_EQ(date.size(), 20u) << date;
  EXPECT_EQ(date[0], ' ');
  EXPECT_EQ(date[5], '/');
  EXPECT_EQ(ItemText(Pane(IDC_SEARCH_LINE), 0, 3), "7");
  EXPECT_EQ(WindowText(d.hwnd()), " Qd - [" + folder.path() + "\\*.*]");
  EXPECT_EQ(Cursor(), 0);  // on ".."
  EXPECT_EQ(SendMessageA(Pane(IDC_HISTORY_STORE), LB_GETCOUNT, 0, 0), 1);
}

TEST_F(ListingDialogTest, LongNamesAndPathsAtTheLimitAreListed) {
  // A name that brings its path to 258 characters, the most the A functions take.
  const std::string long_name = std::string(258 - folder.path().size() - 1 - 4, 'n') + ".txt";
  CreateFileOfSize(folder.File(long_name), 3);
  ASSERT_EQ(folder.File(long_name).size(), 258u);
  // A folder whose own path leaves just room for its listing.
  std::string deep = folder.path();
  while (deep.size() < 240) {
    deep += "\\" + std::string(std::min<std::size_t>(60, 245 - deep.size()), 'd');
    CreateDirectoryA(deep.c_str(), nullptr);
  }
  CreateFileOfSize(deep + "\\x.txt", 1);
  FilerDialog& d = Open();
  ASSERT_EQ(ListView_GetItemCount(Pane(IDC_FILE_LIST)), 9);
  EXPECT_EQ(d.filer().rows().ItemName(5), long_name);  // after archive.tar, before readme
  ASSERT_TRUE(d.filer().ChangeFolder(deep));
  EXPECT_EQ(ListView_GetItemCount(Pane(IDC_FILE_LIST)), 2);
  EXPECT_EQ(WindowText(d.hwnd()), " Qd - [" + deep + "\\*.*]");
}

TEST_F(ListingDialogTest, BoundKeyRunsItsCommand) {
  settings.WriteInt("Key", "116", CmdToggleMenu);  // F5
  FilerDialog& d = Open();
  ASSERT_NE(GetMenu(d.hwnd()), nullptr);
  PostMessageA(Pane(IDC_FILE_LIST), WM_KEYDOWN, VK_F5, 0);
  PumpDialog(d, 50);
  EXPECT_EQ(GetMenu(d.hwnd()), nullptr);
  EXPECT_EQ(d.filer().last_key_code(), 116);
}

TEST_F(ListingDialogTest, TypedLettersMoveTheCursor) {
  FilerDialog& d = Open();
  for (char c : std::string("re")) PostMessageA(Pane(IDC_FILE_LIST), WM_CHAR, c, 0);
  PumpDialog(d, 50);
  EXPECT_EQ(ItemText(Pane(IDC_FILE_LIST), Cursor(), 0), "readme");
  EXPECT_EQ(ItemText(Pane(IDC_SEARCH_LINE), 0, 0), "RE");
  PostMessageA(Pane(IDC_FILE_LIST), WM_CHAR, 'z', 0);
  PumpDialog(d, 50);
  EXPECT_EQ(ItemText(Pane(IDC_MESSAGE_AREA), 0, 0), "not found [REZ]");
  EXPECT_EQ(ItemText(Pane(IDC_SEARCH_LINE), 0, 0), "RE");
  // Down clears the search and moves the cursor as the list does.
  PostMessageA(Pane(IDC_FILE_LIST), WM_KEYDOWN, VK_DOWN, 0);
  PumpDialog(d, 50);
  EXPECT_EQ(ItemText(Pane(IDC_SEARCH_LINE), 0, 0), "");
  EXPECT_EQ(ItemText(Pane(IDC_FILE_LIST), Cursor(), 0), "ソフト");
}

void PressAlt(BYTE vk) {
  INPUT in[4] = {};
  for (INPUT& i : in) i.type = INPUT_KEYBOARD;
  in[0].ki.wVk = VK_MENU;
  in[1].ki.wVk = vk;
  in[2].ki.wVk = vk;
  in[2].ki.dwFlags = KEYEVENTF_KEYUP;
  in[3].ki.wVk = VK_MENU;
  in[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, in, sizeof(INPUT));
}

TEST_F(ListingDialogTest, AltLettersSortWithTheRealKeyState) {
  FilerDialog& d = Open();
  SetForegroundWindow(d.hwnd());
  SetFocus(Pane(IDC_FILE_LIST));
  PumpDialog(d, 50);
  using Strings = std::vector<std::string>;
  struct Case {
    BYTE vk;
    int column;
    bool ascending;
  } cases[] = {{'S', 2, true}, {'S', 2, false}, {'X', 1, true}, {'D', 3, true},
               {'A', 4, true}, {'N', 0, true},  {'N', 0, false}};
  for (const Case& c : cases) {
    PressAlt(c.vk);
    PumpDialog(d, 100);
    EXPECT_EQ(d.filer().sort_column(), c.column) << c.vk;
    EXPECT_EQ(d.filer().sort_ascending(), c.ascending) << c.vk;
  }
  // Descending by name: files first, folders last.
  EXPECT_EQ(ColumnTexts(0),
            (Strings{"ホテル", "ソフト", "readme", "archive.tar", ".cvsignore", "/表示", "/.."}));
  EXPECT_TRUE(IsWindowVisible(d.hwnd()));  // no menu loop was entered
}

std::string CurrentDirectory() {
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, cwd);
  return cwd;
}

class NavigationDialogTest : public ListingDialogTest {
 protected:
  void SelectOnly(int row) {
    HWND list = Pane(IDC_FILE_LIST);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  void PressEnter(FilerDialog& d) {
    SetFocus(Pane(IDC_FILE_LIST));
    PostMessageA(Pane(IDC_FILE_LIST), WM_KEYDOWN, VK_RETURN, 0);
    PumpDialog(d, 100);
  }
};

TEST_F(NavigationDialogTest, EnterOpensFoldersAndShortcutsToFolders) {
  CreateDirectoryA(folder.File("表示\\ソフト").c_str(), nullptr);
  ASSERT_TRUE(test::WriteShortcut(folder.File("表示\\ソフト"), folder.File("近道.lnk")));
  FilerDialog& d = Open();
  SelectOnly(RowOf("/表示"));
  PressEnter(d);
  EXPECT_EQ(CurrentDirectory(), folder.File("表示"));
  EXPECT_EQ(WindowText(d.hwnd()), " Qd - [" + folder.File("表示") + "\\*.*]");
  char tab[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = tab;
  item.cchTextMax = sizeof tab;
  SendMessageA(Pane(IDC_TAB_STRIP), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(tab, "表示");
  // Enter on ".." goes back with the cursor on the folder left.
  SelectOnly(RowOf("/.."));
  PressEnter(d);
  EXPECT_EQ(CurrentDirectory(), folder.path());
  EXPECT_EQ(ItemText(Pane(IDC_FILE_LIST), Cursor(), 0), "/表示");
  // The shortcut leads into the folder it names.
  SelectOnly(RowOf("近道"));
  PressEnter(d);
  EXPECT_EQ(CurrentDirectory(), folder.File("表示\\ソフト"));
}

TEST_F(NavigationDialogTest, ShortcutsResolveToTheirTargets) {
  ASSERT_TRUE(test::WriteShortcut(folder.File("ソフト.txt"), folder.File("予定表.lnk")));
  ASSERT_TRUE(test::WriteShortcut(folder.File("表示"), folder.File("能力.lnk")));
  Win32Shell shell;
  const ShellPort::Shortcut to_file = shell.ResolveShortcut(folder.File("予定表.lnk"));
  EXPECT_TRUE(to_file.ok);
  EXPECT_FALSE(to_file.folder);
  EXPECT_EQ(to_file.target, folder.File("ソフト.txt"));
  const ShellPort::Shortcut to_folder = shell.ResolveShortcut(folder.File("能力.lnk"));
  EXPECT_TRUE(to_folder.ok);
  EXPECT_TRUE(to_folder.folder);
  EXPECT_EQ(to_folder.target, folder.File("表示"));
  EXPECT_TRUE(to_folder.loaded);
  // Neither a missing file nor one that is no shortcut loads.
  test::WriteFileBytes(folder.File("偽物.lnk"), "not a shortcut");
  for (const char* name : {"missing.lnk", "偽物.lnk"}) {
    const ShellPort::Shortcut none = shell.ResolveShortcut(folder.File(name));
    EXPECT_FALSE(none.ok) << name;
    EXPECT_FALSE(none.loaded) << name;
  }
}

// The folder browser is modal: a timer inside its loop finds it and
// answers it with a command, as a user's click would.
struct BrowserSeen {
  HWND owner = nullptr;
  UINT answer = IDCANCEL;
  std::string title;
  bool answered = false;
} g_browser;

void CALLBACK AnswerBrowser(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetLastActivePopup(g_browser.owner);
  if (box == g_browser.owner || g_browser.answered) return;
  g_browser.title = WindowText(box);
  g_browser.answered = true;
  KillTimer(nullptr, id);
  PostMessageA(box, WM_COMMAND, g_browser.answer, 0);
}

TEST_F(NavigationDialogTest, FolderBrowserCancelChangesNothingAndOkTakesTheInitialFolder) {
  FilerDialog& d = Open();
  d.filer().ChangeFolder(folder.File("表示"));
  for (UINT answer : {IDCANCEL, IDOK}) {
    d.filer().SetSearchText("X");  // a folder change empties it
    g_browser = BrowserSeen{};
    g_browser.owner = d.hwnd();
    g_browser.answer = answer;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBrowser);
    SendMessageA(d.hwnd(), WM_COMMAND, CmdTreeMove, 0);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(g_browser.answered);
    EXPECT_FALSE(g_browser.title.empty());
    // OK without moving the selection chooses the folder it started at.
    EXPECT_EQ(CurrentDirectory(), folder.File("表示")) << answer;
    EXPECT_EQ(d.filer().SearchText(), answer == IDOK ? "" : "X");
  }
  EXPECT_EQ(d.filer().TabCount(), 1);
}

TEST_F(NavigationDialogTest, DocumentsOpenThroughTheShell) {
  // A command script opened with "open" runs and leaves its mark.
  test::WriteFileBytes(folder.File("mark.cmd"),
                       "@echo opened> \"" + folder.File("opened.txt") + "\"\r\n");
  FilerDialog& d = Open();
  SelectOnly(RowOf("mark"));
  PressEnter(d);
  EXPECT_TRUE(test::WaitFor(
      [&] {
        return GetFileAttributesA(folder.File("opened.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
      },
      15000));
  EXPECT_EQ(CurrentDirectory(), folder.path());  // opening a file leaves the folder as it is
}

TEST_F(NavigationDialogTest, TabsOpenAndSwitchInTheRealStrip) {
  FilerDialog& d = Open();
  SelectOnly(RowOf("/表示"));
  keybd_event(VK_SHIFT, 0, 0, 0);
  SetForegroundWindow(d.hwnd());
  PumpDialog(d, 50);
  d.filer().OpenItem();  // Shift held: a new tab, not selected
  keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  PumpDialog(d, 50);
  HWND strip = Pane(IDC_TAB_STRIP);
  ASSERT_EQ(TabCtrl_GetItemCount(strip), 2);
  EXPECT_EQ(TabCtrl_GetCurSel(strip), 0);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdNextTab, 0);
  EXPECT_EQ(TabCtrl_GetCurSel(strip), 1);
  EXPECT_EQ(CurrentDirectory(), folder.File("表示"));
  SendMessageA(d.hwnd(), WM_COMMAND, CmdCloseTab, 0);
  EXPECT_EQ(TabCtrl_GetItemCount(strip), 1);
  EXPECT_EQ(CurrentDirectory(), folder.path());
}

// Answers the rename dialog from a timer, as a user would: checks what it
// shows, types the new name over the selected old one and presses a button.
struct RenameSeen {
  HWND owner = nullptr;
  std::string type;  // the text typed into the after field
  int button = IDOK;
  std::string title, before, after_at_open;
  bool all_enabled = true, after_focused = false, answered = false;
} g_rename;

void CALLBACK AnswerRename(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetLastActivePopup(g_rename.owner);
  if (box == g_rename.owner || g_rename.answered) return;
  g_rename.answered = true;
  KillTimer(nullptr, id);
  g_rename.title = WindowText(box);
  g_rename.before = WindowText(GetDlgItem(box, IDC_RENAME_BEFORE));
  g_rename.after_at_open = WindowText(GetDlgItem(box, IDC_RENAME_AFTER));
  g_rename.all_enabled = IsWindowEnabled(GetDlgItem(box, IDC_RENAME_ALL)) != FALSE;
  g_rename.after_focused = GetFocus() == GetDlgItem(box, IDC_RENAME_AFTER);
  HWND after = GetDlgItem(box, IDC_RENAME_AFTER);
  SendMessageA(after, EM_SETSEL, 0, -1);
  SendMessageA(after, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(g_rename.type.c_str()));
  SendMessageA(GetDlgItem(box, g_rename.button), BM_CLICK, 0, 0);
}

using RenameDialogTest = NavigationDialogTest;

TEST_F(RenameDialogTest, TheRealDialogRenamesOnDiskAndTheRowIsSelectedAgain) {
  FilerDialog& d = Open();
  SelectOnly(RowOf("ソフト"));
  g_rename = RenameSeen{};
  g_rename.owner = d.hwnd();
  g_rename.type = "予定表.txt";  // 0x5C trail bytes in 予 and 表
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerRename);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdRename, 0);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(g_rename.answered);
  EXPECT_EQ(g_rename.title, "リネーム");
  EXPECT_EQ(g_rename.before, "ソフト.txt");
  EXPECT_EQ(g_rename.after_at_open, "ソフト.txt");
  EXPECT_FALSE(g_rename.all_enabled);
  EXPECT_TRUE(g_rename.after_focused);
  EXPECT_EQ(GetFileAttributesA(folder.File("ソフト.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA(folder.File("予定表.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ItemText(Pane(IDC_FILE_LIST), Cursor(), 0), "予定表");

  // A change of letter case only is a rename too; Cancel on the first item
  // leaves everything as it is.
  SelectOnly(RowOf("readme"));
  g_rename = RenameSeen{};
  g_rename.owner = d.hwnd();
  g_rename.type = "README.md";
  const UINT_PTR again = SetTimer(nullptr, 0, 50, AnswerRename);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdRename, 0);
  KillTimer(nullptr, again);
  WIN32_FIND_DATAA found;
  UniqueFindHandle find(FindFirstFileA(folder.File("readme.md").c_str(), &found));
  ASSERT_TRUE(find);
  EXPECT_STREQ(found.cFileName, "README.md");
  SelectOnly(RowOf("ホテル"));
  g_rename = RenameSeen{};
  g_rename.owner = d.hwnd();
  g_rename.type = "x.txt";
  g_rename.button = IDCANCEL;
  const UINT_PTR cancel = SetTimer(nullptr, 0, 50, AnswerRename);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdRename, 0);
  KillTimer(nullptr, cancel);
  EXPECT_NE(GetFileAttributesA(folder.File("ホテル.TXT").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(folder.File("x.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Answers the new item dialog from a timer, one step per showing: records
// what it shows (and the message area behind it), types the name and
// presses a button.
struct NewItemStep {
  std::string type;
  int button;
};
struct NewItemSeen {
  HWND owner = nullptr;
  HWND last = nullptr;
  std::vector<NewItemStep> steps;
  std::size_t done = 0;
  std::vector<std::string> titles, names_at_open, messages;
  bool name_focused = true;
} g_new_item;

void CALLBACK AnswerNewItem(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = GetLastActivePopup(g_new_item.owner);
  if (box == g_new_item.owner || box == g_new_item.last || g_new_item.done == g_new_item.steps.size())
    return;
  g_new_item.last = box;
  const NewItemStep& step = g_new_item.steps[g_new_item.done++];
  HWND name = GetDlgItem(box, IDC_NEW_ITEM_NAME);
  g_new_item.titles.push_back(WindowText(box));
  g_new_item.names_at_open.push_back(WindowText(name));
  g_new_item.messages.push_back(ItemText(GetDlgItem(g_new_item.owner, IDC_MESSAGE_AREA), 0, 0));
  g_new_item.name_focused = g_new_item.name_focused && GetFocus() == name;
  SendMessageA(name, EM_SETSEL, 0, -1);
  SendMessageA(name, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(step.type.c_str()));
  SendMessageA(GetDlgItem(box, step.button), BM_CLICK, 0, 0);
}

using NewItemDialogTest = NavigationDialogTest;

TEST_F(NewItemDialogTest, TheRealDialogMakesFoldersWithMoreAndAFileOnDisk) {
  FilerDialog& d = Open();
  SelectOnly(0);  // "..": the dialog opens empty
  g_new_item = NewItemSeen{};
  g_new_item.owner = d.hwnd();
  g_new_item.steps = {{"", IDOK}, {"ソフト", IDC_NEW_ITEM_MORE}, {"表", IDOK}};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerNewItem);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdNewFolder, 0);
  KillTimer(nullptr, timer);
  ASSERT_EQ(g_new_item.done, 3u);
  EXPECT_EQ(g_new_item.titles, (std::vector<std::string>{"新規フォルダ", "新規フォルダ", "新規フォルダ"}));
  EXPECT_EQ(g_new_item.names_at_open, (std::vector<std::string>{"", "", "ソフト"}));
  EXPECT_EQ(g_new_item.messages[1], "フォルダ名を入力してください。");
  EXPECT_EQ(g_new_item.messages[2], "フォルダ作成、成功。[ソフト]");
  EXPECT_TRUE(g_new_item.name_focused);
  for (const char* made : {"ソフト", "表"}) {
    const DWORD attributes = GetFileAttributesA(folder.File(made).c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << made;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << made;
  }
  EXPECT_EQ(ItemText(Pane(IDC_MESSAGE_AREA), 0, 0), "");
  std::vector<std::string> selected;
  HWND list = Pane(IDC_FILE_LIST);
  for (int r = ListView_GetNextItem(list, -1, LVNI_SELECTED); r >= 0;
       r = ListView_GetNextItem(list, r, LVNI_SELECTED)) {
    selected.push_back(ItemText(list, r, 0));
  }
  std::sort(selected.begin(), selected.end());
  EXPECT_EQ(selected, (std::vector<std::string>{"/ソフト", "/表"}));

  // A file on the cursor row's name is taken; another name makes an empty file.
  SelectOnly(RowOf("readme"));
  g_new_item = NewItemSeen{};
  g_new_item.owner = d.hwnd();
  g_new_item.steps = {{"readme.md", IDOK}, {"予定.txt", IDOK}};
  const UINT_PTR again = SetTimer(nullptr, 0, 50, AnswerNewItem);
  SendMessageA(d.hwnd(), WM_COMMAND, CmdNewFile, 0);
  KillTimer(nullptr, again);
  ASSERT_EQ(g_new_item.done, 2u);
  EXPECT_EQ(g_new_item.titles[0], "新規ファイル");
  EXPECT_EQ(g_new_item.names_at_open, (std::vector<std::string>{"readme.md", "readme.md"}));
  EXPECT_EQ(g_new_item.messages[1], "そのファイル名は既に存在しています。");
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExA(folder.File("予定.txt").c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.nFileSizeLow, 0u);
  EXPECT_FALSE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(ItemText(list, ListView_GetNextItem(list, -1, LVNI_SELECTED), 0), "予定");
}

}  // namespace
}  // namespace qd
