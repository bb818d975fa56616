// What the filer asks and tells the user in boxes of their own. The Win32
// side shows message boxes and, as the file operations arrive, their name
// dialogs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qd {

enum class Answer { Ok, Cancel };

// What the rename dialog shows: the name before (read-only), the text the
// new name starts from, and whether its All button may be pressed.
struct RenameRequest {
  std::string before;
  std::string after;
  bool allow_all = false;
};

// How it closed: OK, All and Next all give `ok` and the edited text; All
// and Next say which button it was. Cancel gives `ok` false.
struct RenameAnswer {
  bool ok = false;
  std::string after;
  bool all = false;
  bool next = false;
};

// The new item dialog: a folder or a file, and the name it starts from.
enum class ItemKind { Folder = 0, File = 1 };

struct NewItemRequest {
  ItemKind kind = ItemKind::Folder;
  std::string name;
};

// OK and More give `ok` and the name; More asks for another item after it.
struct NewItemAnswer {
  bool ok = false;
  std::string name;
  bool more = false;
};

// The replace dialog's fields. Which button closed it is the case change:
// none for OK, upper or lower for the two case buttons; every opening
// starts from none.
enum class CaseChange { None = 0, Upper = 1, Lower = -1 };

struct ReplaceOptions {
  std::string before;
  std::string after;
  bool case_sensitive = false;
  bool name_part = false;
  bool ext_part = false;
  CaseChange case_change = CaseChange::None;
};

// OK and the case buttons give `ok` and the fields as the user left them.
struct ReplaceAnswer {
  bool ok = false;
  ReplaceOptions options;
};

// The mask dialog: an editable combo box offering `history` (most recent
// first) and starting with `text`, and one check box, disabled when its
// text is empty.
struct MaskRequest {
  std::string title;
  std::string check_text;
  bool check = false;
  std::vector<std::string> history;
  std::string text;
};

// OK gives `ok`, the edit text and the check box; Cancel gives `ok` false.
struct MaskAnswer {
  bool ok = false;
  std::string text;
  bool check = false;
};

class PromptPort {
 public:
  virtual ~PromptPort() = default;
  // OK and Cancel with a question icon.
  virtual Answer AskOkCancel(std::string_view text) = 0;
  // A failure that stops an action: a message box with OK.
  virtual void ShowError(std::string_view text) = 0;
  // The standard beep that comes before most errors.
  virtual void Beep() = 0;
  // The rename dialog, modal; its two flags are cleared at every opening.
  virtual RenameAnswer AskNewName(const RenameRequest& request) = 0;
  // The new item dialog, modal; its More flag is cleared at every opening.
  virtual NewItemAnswer AskNewItem(const NewItemRequest& request) = 0;
  // The replace dialog, modal, opened with the fields of `request`; a case
  // button with neither part checked is refused while it stays open.
  virtual ReplaceAnswer AskReplace(const ReplaceOptions& request) = 0;
  // The mask dialog, modal.
  virtual MaskAnswer AskMask(const MaskRequest& request) = 0;
};

}  // namespace qd
