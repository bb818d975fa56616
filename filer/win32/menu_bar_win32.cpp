#include "filer/win32/menu_bar_win32.h"

#include <string>

namespace qd {

HMENU BuildMenuBar(const CommandTable& table) {
  HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  for (const CommandRow& row : table) {
    if (row.value == kGroupHeader) {
      popup = CreatePopupMenu();
      AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                  std::string(GroupName(row.name)).c_str());
    } else if (popup) {
      AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(row.value),
                  std::string(row.name).c_str());
    }
  }
  return bar;
}

}  // namespace qd
