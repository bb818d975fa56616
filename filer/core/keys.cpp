// Key pre-translation, the incremental search and the cursor operations.

#include "common/cp932.h"
#include "filer/core/filer_controller.h"
#include "common/name_list.h"
#include "settings/key_sets.h"

namespace qd {

namespace {
constexpr int kVkUp = 38;
constexpr int kVkDown = 40;

}  // namespace

bool FilerController::OnKey(KeyMessage kind, int code) {
  const bool shift = keys_.ShiftDown();
  const bool ctrl = keys_.CtrlDown();
  const bool alt = keys_.AltDown();
  if (kind == KeyMessage::Char) {
    const char byte = static_cast<char>(code & 0xFF);
    std::string typed;
    if (pending_lead_byte_ != 0) {
      // An input method sends a double-byte character as two messages: the
      // trail byte completes it and is never folded (Ｂ is 82 61).
      typed = {pending_lead_byte_, byte};
      pending_lead_byte_ = 0;
    } else {
      if (ctrl) return false;
      if (code >= 'A' && code <= 'Z' && shift) return false;
      if (cp932::IsLeadByte(static_cast<unsigned char>(byte))) {
        pending_lead_byte_ = byte;  // half a character: wait for its trail byte
        file_list_.Focus();
        return true;
      }
      typed = cp932::ToUpper(std::string_view(&byte, 1));
    }
    file_list_.Focus();
    const std::string text = search_text_ + typed;
    SetSearchText(text);
    if (!FindItem(text, true)) ShowMessage("not found [" + text + "]", false);
    return true;
  }

  const int key_code = MakeKeyCode(code, shift, ctrl, alt);
  last_key_code_ = key_code;
  // Read at every key press, so that bindings QdKey writes apply at once.
  const int command = BoundCommand(settings_, KeySet::Filer, key_code);
  if (command != 0) {
    OnCommand(command);
    return true;
  }
  if (alt && SortKey(code)) return true;
  if (!ctrl && !shift && (code == kVkUp || code == kVkDown)) {
    SetSearchText("");
    file_list_.Focus();
  }
  return false;
}

// Alt and a letter, when nothing is bound to the key: sort by a column
// (-1: the key is not a sort key in that mode).
bool FilerController::SortKey(int vk) {
  static constexpr struct {
    int vk, normal, list;
  } kSortKeys[] = {{'N', 0, 0}, {'X', 1, 2}, {'S', 2, 1}, {'D', 3, 1}, {'A', 4, 1}, {'P', -1, 1}};
  for (const auto& k : kSortKeys) {
    if (k.vk != vk) continue;
    const int column = view_mode_ == ViewMode::List ? k.list : k.normal;
    if (column < 0) return false;
    SortList(column, SortMode::User);
    return true;
  }
  return false;
}

// The search text lives here, not in the search line's cell: the cell holds
// Unicode and could not keep half a character.
void FilerController::SetSearchText(std::string_view text) {
  search_text_ = text;
  pending_lead_byte_ = 0;
  SetSearchLineField(SearchField::Search, text);
}

// Names are compared where they lie in the row store: a key press visits
// every row, and building each name would cost an allocation per row.
bool FilerController::RowMatches(int row, std::string_view text, std::string& scratch) const {
  if (!text.empty() && text[0] == ';') {
    std::string_view ext = rows_.IsFolder(row) ? std::string_view() : rows_.ExtView(row, scratch);
    if (!ext.empty()) ext.remove_prefix(1);  // the dot
    return cp932::StartsWithNoCase(ext, text.substr(1));
  }
  const std::string_view name = rows_.ItemNameView(row, scratch);
  if (!text.empty() && text[0] == ':') {
    return cp932::FindInUpperCased(name, text.substr(1)) != std::string_view::npos;
  }
  return cp932::StartsWithNoCase(name, text);
}

bool FilerController::FindItem(std::string_view text, bool forward) {
  const int count = rows_.size();
  const int cursor = CursorRow();
  const int start = cursor < 0 ? 0 : cursor;
  if (count > 0) {
    std::string scratch;
    int row = start;
    do {
      if (RowMatches(row, text, scratch)) {
        MoveCursor(start, row);
        ShowMessage("", false);
        return true;
      }
      row = forward ? (row + 1 == count ? 0 : row + 1) : (row == 0 ? count - 1 : row - 1);
    } while (row != start);
    MoveCursor(start, start);
  }
  CmdSearchBackspace();
  return false;
}

void FilerController::MoveCursor(int from, int to) {
  const int count = rows_.size();
  if (from >= 0 && from < count) {
    file_list_.SetSelected(from, false);
    file_list_.SetFocused(from, false);
  }
  if (to < 0 || to >= count) return;
  file_list_.SetSelected(to, true);
  file_list_.SetFocused(to, true);
  if (from == to) return;
  if (!search_step_) file_list_.MoveAnchorTo(to);
  // Keep up to ten rows of context ahead in the direction of travel.
  const int step = to > from ? 1 : -1;
  for (int margin = 10; margin >= 0; --margin) {
    const int row = to + step * margin;
    if (row >= 0 && row < count) {
      file_list_.EnsureVisible(row);
      break;
    }
  }
}

void FilerController::RestoreCursor(std::string_view names, int row) {
  if (names.empty()) names = "..|";
  const int count = rows_.size();
  const int cursor = CursorRow();
  const int clear = cursor < 0 ? 0 : cursor;
  if (clear < count) {
    file_list_.SetSelected(clear, false);
    file_list_.SetFocused(clear, false);
  }
  // One pass over the rows with the names hashed: a reselect of thousands
  // of names in a folder of a hundred thousand stays quick. Each name takes
  // the first row that has it; the cursor goes to the row of the last name
  // in the list that was found.
  const NameListIndex wanted(names);
  std::vector<bool> found(wanted.size(), false);
  int last_found = -1;
  int last_position = -1;
  std::string scratch;
  // Drawn rows would be drawn again at every state change.
  file_list_.SuspendRepaint();
  for (int r = 0; r < count; ++r) {
    const int position = wanted.Find(rows_.ItemNameView(r, scratch));
    if (position < 0 || found[position]) continue;
    found[position] = true;
    file_list_.SetSelected(r, true);
    if (position > last_position) {
      last_found = r;
      last_position = position;
    }
  }
  if (last_found >= 0) file_list_.SetFocused(last_found, true);
  file_list_.ResumeRepaint();
  if (row != 0) {
    if (count > 0) file_list_.EnsureVisible(row < count ? row : count - 1);
  } else if (last_found >= 0) {
    file_list_.EnsureVisible(last_found);
  }
}

void FilerController::SearchStep(bool forward) {
  const int cursor = CursorRow();
  const int count = rows_.size();
  const std::string text = SearchText();
  if (cursor < 0 || count < 2 || text.empty()) return;
  file_list_.SetSelected(cursor, false);
  file_list_.SetFocused(cursor, false);
  const int next =
      forward ? (cursor + 1 == count ? 0 : cursor + 1) : (cursor == 0 ? count - 1 : cursor - 1);
  file_list_.SetSelected(next, true);
  file_list_.SetFocused(next, true);
  search_step_ = true;
  FindItem(text, forward);
  search_step_ = false;
}

void FilerController::CmdSearchComplete() {
  const int cursor = CursorRow();
  if (cursor < 0) return;
  const std::string name = rows_.ItemName(cursor);
  const std::string text = SearchText();
  // The next whole character of the name, unchanged in case.
  if (name.size() > text.size()) {
    SetSearchText(text + name.substr(text.size(), cp932::CharLength(name, text.size())));
  }
}

void FilerController::CmdSearchBackspace() {
  std::string text = SearchText();
  if (text.empty()) return;
  text.erase(cp932::LastCharStart(text));  // the last character, not its last byte
  SetSearchText(text);
}


}  // namespace qd
