// The delete commands: items through the shell, into the recycle bin or for
// good; in the history list and the tab list they remove entries and close
// tabs instead, the recycle-bin variant asking first.
#include <algorithm>

#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "filer/fileops/clipboard.h"
#include "filer/fileops/delete.h"

namespace qd {

void FilerController::CmdDeleteToRecycleBin() { Delete(true); }
void FilerController::CmdDelete() { Delete(false); }

bool FilerController::Delete(bool to_recycle_bin) {
  std::string folder, names;
  if (view_mode_ == ViewMode::List) {
    switch (list_kind_) {
      case ListKind::FolderHistory:
        DeleteFromHistoryList(to_recycle_bin);
        return true;
      case ListKind::TabList:
        CloseFromTabList(to_recycle_bin);
        return true;
      case ListKind::FindResults:
        names = SelectedPaths();
        break;
      default:
        return true;
    }
  } else {
    const int current = tab_set_.current();
    if (!tab_set_.Contains(current)) return true;
    folder = path::WithBackslash(tab_set_.at(current).path);
    names = SelectedNames();
  }
  if (names.empty()) return true;

  const DeleteOutcome outcome = DeleteThroughShell(shell_, folder, names, to_recycle_bin);
  if (!outcome.done) {
    ShowMessage(kCancelOrError, false);
    return false;
  }
  const int remembered = std::max(CursorRow(), 0);
  if (view_mode_ == ViewMode::List) {
    PruneVanishedRows();
  } else if (outcome.changed) {
    FillList();
    const int last = rows_.size() - 1;
    MoveCursor(0, remembered <= last ? remembered : last);
  }
  return true;
}

}  // namespace qd
