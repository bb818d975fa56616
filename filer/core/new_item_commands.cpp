// The new folder and new file commands.
#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "filer/fileops/new_item.h"

namespace qd {

void FilerController::CmdNew() {
  const int cursor = CursorRow();
  NewItem(cursor >= 0 && rows_.IsFolder(cursor) ? ItemKind::Folder : ItemKind::File);
}

void FilerController::NewItem(ItemKind kind) {
  if (view_mode_ == ViewMode::List) return;
  // The cursor row's name is a start; row 0 (normally "..") gives none.
  const int cursor = CursorRow();
  std::string name;
  if (cursor > 0) {
    name = kind == ItemKind::Folder && !rows_.IsFolder(cursor) ? std::string(rows_.NameText(cursor))
                                                                : rows_.ItemName(cursor);
  }
  ItemMaker maker(fs_, prompts_, [this](std::string_view text) { ShowMessage(text, true); });
  const std::string made = maker.Run(kind, path::WithBackslash(fs_.CurrentDirectory()), name);
  if (!made.empty()) {
    FillList();
    RestoreCursor(made, 0);
  }
  ShowMessage("", true);
}

}  // namespace qd
