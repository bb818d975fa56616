// The file list adapter on a real owner-data list view: the shared state
// cases, the control's own selection messages, and its keys and clicks.
#include "filer/win32/list_view_file_list_win32.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "resources/command_ids.h"
#include "tests/contracts/file_list_cases.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

// A window holding the list and handing it the notices the main window hands it.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* list = reinterpret_cast<ListViewFileList*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NOTIFY && list) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (header->code == NM_CUSTOMDRAW) return list->OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lp));
    if (header->code == NM_CLICK) list->OnClick();
    if (header->code == LVN_BEGINDRAG) list->OnBeginDrag();
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

class FileListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QdFileListTestParent";
    RegisterClassA(&wc);  // already there after the first test
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    parent_ = CreateWindowA("QdFileListTestParent", "list", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                            300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(parent_);
    HWND list = CreateWindowA(WC_LISTVIEWA, "",
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0,
                              0, 380, 260, parent_, reinterpret_cast<HMENU>(IDC_FILE_LIST),
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(list);
    list_.Attach(list);
    SetWindowLongPtrA(parent_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&list_));
    list_.InsertColumn(0, "Name", Align::Left, 200);
    list_.InsertColumn(1, "Size", Align::Right, 100);
    list_.SetFullRowSelect(CellTips::ForCutTexts);
  }
  void TearDown() override {
    SetWindowLongPtrA(parent_, GWLP_USERDATA, 0);
    DestroyWindow(parent_);
  }

  HWND List() const { return list_.hwnd(); }
  // Shift and Ctrl as the thread's key state, for the key the list is sent.
  static void HoldKeys(bool shift, bool ctrl) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  void Key(UINT vk, bool shift = false, bool ctrl = false) {
    HoldKeys(shift, ctrl);
    SendMessageA(List(), WM_KEYDOWN, vk, 1);
    SendMessageA(List(), WM_KEYUP, vk, 0xC0000001);
    HoldKeys(false, false);
  }
  // Marks as in the shared cases, read through the control's own messages.
  std::string ControlMarks() {
    std::string m;
    for (int r = 0; r < ListView_GetItemCount(List()); ++r) {
      const UINT s = ListView_GetItemState(List(), r, LVIS_SELECTED | LVIS_FOCUSED);
      m += test::Mark(s & LVIS_SELECTED, s & LVIS_FOCUSED);
    }
    return m;
  }

  // A press and release of the left button on a row, in its Size column.
  void ClickRow(int row, WPARAM keys = 0) {
    RECT r{};
    ListView_GetItemRect(List(), row, &r, LVIR_BOUNDS);
    const LPARAM at = MAKELPARAM(r.left + 250, (r.top + r.bottom) / 2);
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessageA(List(), WM_LBUTTONUP, keys, at);
  }

  HWND parent_ = nullptr;
  ListViewFileList list_;
};

TEST_F(FileListTest, KeepsStatesAsTheFakeDoes) { test::RunFileListCases(list_); }

// Anyone asking the control sees the selection the filer keeps, and one
// set through the control is the filer's.
TEST_F(FileListTest, TheControlsSelectionMessagesAnswerForTheSelection) {
  list_.SetRowCount(40);
  list_.SetSelected(3, true);
  list_.SetSelected(33, true);
  list_.SetFocused(5, true);
  EXPECT_EQ(ListView_GetSelectedCount(List()), 2u);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 3);
  EXPECT_EQ(ListView_GetNextItem(List(), 3, LVNI_SELECTED), 33);
  EXPECT_EQ(ListView_GetNextItem(List(), 33, LVNI_SELECTED), -1);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED), 5);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED | LVNI_FOCUSED), -1);
  LVITEMA item{};
  item.mask = LVIF_STATE;
  item.iItem = 33;
  item.stateMask = LVIS_SELECTED;
  ASSERT_TRUE(ListView_GetItem(List(), &item));
  EXPECT_EQ(item.state & LVIS_SELECTED, static_cast<UINT>(LVIS_SELECTED));

  ListView_SetItemState(List(), 5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_TRUE(list_.IsSelected(5));
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED | LVNI_FOCUSED), 5);
  ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
  EXPECT_EQ(list_.SelectedCount(), 0);
  EXPECT_EQ(list_.FocusedRow(), 5);
  ListView_SetItemState(List(), -1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list_.SelectedCount(), 40);
  ListView_SetItemCountEx(List(), 10, 0);
  EXPECT_EQ(list_.SelectedCount(), 10);
}

// The control's keys move the cursor and the selection with it; what the
// control selected of its own is gone once the key is handled.
TEST_F(FileListTest, KeysOfTheControlMoveTheSelection) {
  list_.SetRowCount(8);
  for (int r : {0, 6, 7}) list_.SetSelected(r, true);
  list_.SetFocused(2, true);
  list_.MoveAnchorTo(2);
  list_.Focus();

  Key(VK_DOWN);
  EXPECT_EQ(ControlMarks(), "...S....");
  Key(VK_DOWN, true);
  Key(VK_DOWN, true);
  EXPECT_EQ(ControlMarks(), "...ssS..");
  Key(VK_UP, false, true);  // Ctrl alone moves the cursor only
  EXPECT_EQ(ControlMarks(), "...sSs..");
  Key(VK_SPACE, false, true);
  EXPECT_EQ(ControlMarks(), "...sfs..");
  Key(VK_END);
  EXPECT_EQ(ControlMarks(), ".......S");
  EXPECT_EQ(list_.SelectedCount(), 1);
}

// Clicks anywhere on a row, with Ctrl and Shift as Windows gives them; a
// plain click on a selected row lets the others go only once released, so
// that the selected rows could be dragged together.
TEST_F(FileListTest, ClicksSelectAsInAnyListView) {
  list_.SetRowCount(8);
  list_.Focus();
  ClickRow(2);
  EXPECT_EQ(ControlMarks(), "..S.....");
  ClickRow(4, MK_CONTROL);
  ClickRow(6, MK_CONTROL);
  EXPECT_EQ(ControlMarks(), "..s.s.S.");
  ClickRow(4, MK_CONTROL);
  EXPECT_EQ(ControlMarks(), "..s.f.s.");
  ClickRow(1, MK_SHIFT);  // from the last row clicked without Shift, Ctrl or not
  EXPECT_EQ(ControlMarks(), ".Ssss...");
  ClickRow(3);
  EXPECT_EQ(ControlMarks(), "...S....");
  EXPECT_EQ(list_.SelectedCount(), 1);
}

}  // namespace
}  // namespace qd
