#include "filer/win32/list_view_file_list_win32.h"

#include <windowsx.h>

#include "common/win32/control_text_win32.h"

namespace qd {

namespace {

constexpr char kSelf[] = "QdFileList";

}  // namespace

ListViewFileList::~ListViewFileList() {
  if (control_proc_ && IsWindow(list_)) Detach();
}

void ListViewFileList::Attach(HWND list) {
  ListViewBase::Attach(list);
  SetPropA(list, kSelf, this);
  // The control's messages pass through untranslated, in its own form.
  unicode_ = IsWindowUnicode(list) != FALSE;
  control_proc_ = SwapProc(&ListProc);
  selection_.Resize(ListView_GetItemCount(list));
}

WNDPROC ListViewFileList::SwapProc(WNDPROC proc) {
  const auto p = reinterpret_cast<LONG_PTR>(proc);
  return reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(list_, GWLP_WNDPROC, p)
                                            : SetWindowLongPtrA(list_, GWLP_WNDPROC, p));
}

void ListViewFileList::Detach() {
  SwapProc(control_proc_);
  RemovePropA(list_, kSelf);
  control_proc_ = nullptr;
}

LRESULT CALLBACK ListViewFileList::ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<ListViewFileList*>(GetPropA(hwnd, kSelf));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    const LRESULT result = self->CallControl(msg, wp, lp);
    self->Detach();
    return result;
  }
  return self->OnListMessage(msg, wp, lp);
}

LRESULT ListViewFileList::CallControl(UINT msg, WPARAM wp, LPARAM lp) const {
  // Once the control is gone (or before it is attached) a message does what
  // one to any dead window does.
  if (!control_proc_) return SendMessageW(list_, msg, wp, lp);
  return unicode_ ? CallWindowProcW(control_proc_, list_, msg, wp, lp)
                  : CallWindowProcA(control_proc_, list_, msg, wp, lp);
}

LRESULT ListViewFileList::OnListMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case LVM_GETITEMSTATE: {
      LRESULT state = CallControl(msg, wp, lp & ~LVIS_SELECTED);
      if ((lp & LVIS_SELECTED) && selection_.IsSelected(static_cast<int>(wp))) state |= LVIS_SELECTED;
      return state;
    }
    case LVM_SETITEMSTATE:
      if (!lp) break;
      return OnSetItemState(static_cast<int>(wp), *reinterpret_cast<const LVITEMA*>(lp));
    case LVM_GETITEMA:
    case LVM_GETITEMW: {
      // The state fields lie at the same places in both forms.
      const LRESULT ok = CallControl(msg, wp, lp);
      auto* item = reinterpret_cast<LVITEMA*>(lp);
      if (ok && item && (item->mask & LVIF_STATE) && (item->stateMask & LVIS_SELECTED)) {
        item->state &= ~LVIS_SELECTED;
        if (selection_.IsSelected(item->iItem)) item->state |= LVIS_SELECTED;
      }
      return ok;
    }
    case LVM_GETNEXTITEM:
      if (LOWORD(lp) & LVNI_SELECTED) return OnGetNextItem(static_cast<int>(wp), LOWORD(lp));
      break;
    case LVM_GETSELECTEDCOUNT:
      return selection_.Count();
    case LVM_SETITEMCOUNT: {
      const LRESULT ok = CallControl(msg, wp, lp);
      selection_.Resize(static_cast<int>(wp));
      waiting_press_ = -1;
      return ok;
    }
    case LVM_DELETEITEM: {
      const LRESULT ok = CallControl(msg, wp, lp);
      if (ok) selection_.Erase(static_cast<int>(wp));
      waiting_press_ = -1;
      return ok;
    }
    case LVM_DELETEALLITEMS: {
      const LRESULT ok = CallControl(msg, wp, lp);
      if (ok) selection_.Resize(0);
      return ok;
    }
    case WM_LBUTTONDOWN:
      OnMousePress(MouseButton::Left, wp, lp);
      break;
    case WM_RBUTTONDOWN:
      OnMousePress(MouseButton::Right, wp, lp);
      break;
    case WM_KEYDOWN:
    case WM_CHAR: {
      // The control moves the cursor; what it then selects of its own says
      // that the key moved the selection too.
      const int anchor_mark = static_cast<int>(CallControl(LVM_GETSELECTIONMARK, 0, 0));
      const int cursor_before = FocusedRow();
      const LRESULT result = CallControl(msg, wp, lp);
      if (DropControlSelection()) {
        const SelectModifiers mods{(GetKeyState(VK_CONTROL) & 0x8000) != 0,
                                   (GetKeyState(VK_SHIFT) & 0x8000) != 0};
        selection_.AfterKey(FocusedRow(), anchor_mark, cursor_before, mods,
                            msg == WM_KEYDOWN && wp == VK_SPACE);
        InvalidateRect(list_, nullptr, FALSE);
      }
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      // Selected rows change colour with the focus.
      const LRESULT result = CallControl(msg, wp, lp);
      if (selection_.Count() > 0) InvalidateRect(list_, nullptr, FALSE);
      return result;
    }
    default:
      break;
  }
  const LRESULT result = CallControl(msg, wp, lp);
  if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST)) {
    DropControlSelection();
  }
  return result;
}

LRESULT ListViewFileList::OnSetItemState(int row, const LVITEMA& item) {
  if (!(item.stateMask & LVIS_SELECTED)) return CallControl(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  if (row < -1 || row >= selection_.size()) return FALSE;
  const bool on = (item.state & LVIS_SELECTED) != 0;
  if (row == -1) {
    SelectAll(on);
  } else {
    SetSelected(row, on);
  }
  if (item.stateMask == LVIS_SELECTED) return TRUE;
  LVITEMA rest = item;
  rest.stateMask &= ~LVIS_SELECTED;
  return CallControl(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&rest));
}

LRESULT ListViewFileList::OnGetNextItem(int after, UINT flags) {
  const UINT others = flags & ~LVNI_SELECTED;
  if (others == 0) return selection_.Next(after);
  // Other states or a direction too: the control finds the rows with the
  // rest of the flags, the selection picks among them.
  const int rows = selection_.size();
  int row = after;
  for (int steps = 0; steps <= rows; ++steps) {
    row = static_cast<int>(CallControl(LVM_GETNEXTITEM, row, others));
    if (row < 0 || selection_.IsSelected(row)) return row;
  }
  return -1;
}

void ListViewFileList::OnMousePress(MouseButton button, WPARAM keys, LPARAM point) {
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  CallControl(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const int row = (hit.flags & LVHT_ONITEM) ? hit.iItem : -1;
  const int anchor = static_cast<int>(CallControl(LVM_GETSELECTIONMARK, 0, 0));
  const SelectModifiers mods{(keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0};
  waiting_press_ = selection_.Press(button, row, anchor, mods) ? row : -1;
  InvalidateRect(list_, nullptr, FALSE);
}

void ListViewFileList::OnClick() {
  if (waiting_press_ < 0) return;
  selection_.Click(waiting_press_);
  waiting_press_ = -1;
  InvalidateRect(list_, nullptr, FALSE);
}

// What the control selected of its own goes at once, before it is drawn.
bool ListViewFileList::DropControlSelection() {
  if (CallControl(LVM_GETSELECTEDCOUNT, 0, 0) == 0) return false;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  CallControl(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  return true;
}

LRESULT ListViewFileList::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  if (!selection_.IsSelected(static_cast<int>(draw.nmcd.dwItemSpec))) return CDRF_DODEFAULT;
  // As the control shows a kept selection: bright with the focus, grey without.
  const bool focused = GetFocus() == list_;
  draw.clrText = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  draw.clrTextBk = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  draw.nmcd.uItemState &= ~CDIS_SELECTED;
  return CDRF_NEWFONT;
}

void ListViewFileList::OnGetDisplayInfo(NMLVDISPINFOA& info) const {
  LVITEMA& item = info.item;
  if (!rows_ || !(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= rows_->size()) return;
  CopyCellText(rows_->Text(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
}

LRESULT ListViewFileList::OnFindItem() const {
  return ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
}

void ListViewFileList::SetRowCount(int count) {
  HoldControlDrawing();
  // Shrinking to nothing drops the focus at once; clearing it row by row
  // would visit every row.
  ListView_SetItemCountEx(list_, 0, 0);
  ListView_SetItemCountEx(list_, count, 0);
}

int ListViewFileList::RowCount() const { return ListView_GetItemCount(list_); }

void ListViewFileList::DeleteRow(int row) {
  HoldControlDrawing();
  ListView_DeleteItem(list_, row);
}

void ListViewFileList::InvalidateRows() { InvalidateRect(list_, nullptr, FALSE); }

void ListViewFileList::SetSelected(int row, bool selected) {
  if (selection_.Set(row, selected)) RepaintRow(row);
}

void ListViewFileList::SelectAll(bool selected) {
  selection_.SetAll(selected);
  if (repaint_holds_ > 0) {
    selection_changed_ = true;
  } else {
    InvalidateRect(list_, nullptr, FALSE);
  }
}

// Only a row on the screen is drawn again, and none while drawing is held:
// the rows are drawn once it ends.
void ListViewFileList::RepaintRow(int row) {
  if (repaint_holds_ > 0) {
    selection_changed_ = true;
    return;
  }
  const int top = TopRow();
  if (row < top || row > top + RowsPerPage()) return;
  CallControl(LVM_REDRAWITEMS, row, row);
}

// The states and places the control keeps are asked of it directly: a
// message sent to the list costs Wine several microseconds, and the filer
// asks once a row.
bool ListViewFileList::IsFocused(int row) const {
  return CallControl(LVM_GETITEMSTATE, row, LVIS_FOCUSED) & LVIS_FOCUSED;
}

void ListViewFileList::SetFocused(int row, bool focused) {
  LVITEMA item{};
  item.stateMask = LVIS_FOCUSED;
  item.state = focused ? LVIS_FOCUSED : 0;
  CallControl(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

int ListViewFileList::FocusedRow() const {
  return static_cast<int>(CallControl(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int ListViewFileList::TopRow() const { return static_cast<int>(CallControl(LVM_GETTOPINDEX, 0, 0)); }

int ListViewFileList::RowsPerPage() const {
  return static_cast<int>(CallControl(LVM_GETCOUNTPERPAGE, 0, 0));
}

void ListViewFileList::EnsureVisible(int row) {
  HoldControlDrawing();
  ListView_EnsureVisible(list_, row, FALSE);
}

void ListViewFileList::MoveAnchorTo(int row) {
  // The selection mark is the row Shift and an arrow extend from. Pressing
  // Up and Down at the list would move it too, but each press would make
  // the list take the selection from every other row.
  ListView_SetSelectionMark(list_, row);
}

// A hold that only changes the selection costs nothing: the bits change and
// the rows are drawn once at its end. The control's own drawing is held only
// when the control itself is about to change (rows, columns, scrolling),
// since turning its drawing back on makes it measure all its rows again.
void ListViewFileList::SuspendRepaint() { ++repaint_holds_; }

void ListViewFileList::HoldControlDrawing() {
  if (repaint_holds_ == 0 || control_held_) return;
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  control_held_ = true;
}

void ListViewFileList::ResumeRepaint() {
  if (repaint_holds_ == 0 || --repaint_holds_ > 0) return;
  if (control_held_) {
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  } else if (selection_changed_) {
    InvalidateRect(list_, nullptr, FALSE);
  }
  control_held_ = false;
  selection_changed_ = false;
}

void ListViewFileList::InsertColumn(int index, std::string_view header, Align align, int width) {
  HoldControlDrawing();
  ListViewBase::InsertColumn(index, header, align, width);
}

void ListViewFileList::DeleteColumn(int index) {
  HoldControlDrawing();
  ListViewBase::DeleteColumn(index);
}

void ListViewFileList::SetColumnWidth(int index, int width) {
  HoldControlDrawing();
  ListViewBase::SetColumnWidth(index, width);
}

void ListViewFileList::SetColours(Colour back, Colour text_back, Colour text) {
  HoldControlDrawing();
  ListViewBase::SetColours(back, text_back, text);
}

void ListViewFileList::SetFullRowSelect(CellTips tips) {
  HoldControlDrawing();
  ListViewBase::SetFullRowSelect(tips);
}

void ListViewFileList::Focus() { SetFocus(list_); }

}  // namespace qd
