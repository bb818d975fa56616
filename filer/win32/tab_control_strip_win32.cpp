#include "filer/win32/tab_control_strip_win32.h"

#include <commctrl.h>

#include <string>

namespace qd {

void TabControlStrip::InsertTab(int index, std::string_view text) {
  std::string t(text);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = t.data();
  SendMessageA(tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void TabControlStrip::SetTabText(int index, std::string_view text) {
  std::string t(text);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = t.data();
  SendMessageA(tabs_, TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void TabControlStrip::DeleteTab(int index) { TabCtrl_DeleteItem(tabs_, index); }
int TabControlStrip::TabCount() const { return TabCtrl_GetItemCount(tabs_); }
int TabControlStrip::SelectedTab() const { return TabCtrl_GetCurSel(tabs_); }
void TabControlStrip::SelectTab(int index) { TabCtrl_SetCurSel(tabs_, index); }
void TabControlStrip::Repaint() {
  RedrawWindow(tabs_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace qd
