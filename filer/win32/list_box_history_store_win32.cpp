#include "filer/win32/list_box_history_store_win32.h"

#include <vector>

namespace qd {

void ListBoxHistoryStore::Add(std::string_view text) {
  const std::string t(text);
  SendMessageA(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
}

void ListBoxHistoryStore::Insert(int index, std::string_view text) {
  const std::string t(text);
  SendMessageA(box_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(t.c_str()));
}

void ListBoxHistoryStore::Delete(int index) { SendMessageA(box_, LB_DELETESTRING, index, 0); }

std::string ListBoxHistoryStore::Text(int index) const {
  const LRESULT len = SendMessageA(box_, LB_GETTEXTLEN, index, 0);
  if (len == LB_ERR) return {};
  std::vector<char> buffer(static_cast<std::size_t>(len) + 1);
  SendMessageA(box_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(len));
}

int ListBoxHistoryStore::Count() const { return static_cast<int>(SendMessageA(box_, LB_GETCOUNT, 0, 0)); }

void ListBoxHistoryStore::Clear() { SendMessageA(box_, LB_RESETCONTENT, 0, 0); }

}  // namespace qd
