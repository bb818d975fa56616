// Cut, copy, paste and drop: the selection into the filer's clipboard, and
// the clipboard through the shell into a folder; delete through the shell.
#include <algorithm>

#include "common/cp932.h"
#include "common/path.h"
#include "filer/fileops/delete.h"
#include "filer/fileops/file_ops.h"
#include "settings/preference_table.h"

namespace qd {

void FileOps::RecordSelection(ClipboardMode mode) {
  const bool list_mode = view_.view_mode() == ViewMode::List;
  if (list_mode && view_.list_kind() != ListKind::FindResults) return;
  if (list_mode) {
    clipboard_.Record(mode, "", view_.SelectedPaths());
  } else {
    const std::string folder = view_.CurrentFolder();
    clipboard_.Record(mode, folder.empty() ? folder : path::WithBackslash(folder),
                      view_.SelectedNamesWithTotals());
  }
  view_.SetSearchLineField(SearchField::FileMessage, clipboard_.FieldText());
}

void FileOps::Paste(PasteInto into) {
  if (clipboard_.mode == ClipboardMode::None) return;
  const std::string tab_folder = view_.CurrentFolder();
  const bool list_mode = view_.view_mode() == ViewMode::List;
  const bool into_cursor = list_mode || into == PasteInto::CursorFolder;
  std::string destination = tab_folder;
  if (into_cursor) {
    const int row = view_.CursorRow();
    if (row < 0) return;
    RowPath target = view_.PathOfRow(row);
    destination = std::move(target.path);
    bool folder = target.folder;
    if (destination.size() >= 4 &&
        cp932::EqualNoCase(std::string_view(destination).substr(destination.size() - 4), ".lnk")) {
      const ShellPort::Shortcut link = shell_.ResolveShortcut(destination);
      // A shortcut whose target cannot be read stops the paste; a .lnk file
      // that is no shortcut is a file like any other, and no folder.
      if (link.loaded && !link.ok) return;
      if (link.ok && link.folder) {
        destination = link.target;
        folder = true;
      }
    }
    if (destination.empty() || !folder) {
      prompts_.Beep();
      view_.ShowMessage(kNoFolder, true);
      return;
    }
    if (file_list_.SelectedCount() > 1 &&
        prompts_.AskOkCancel(std::string(kPasteHereQuestion) + destination) == Answer::Cancel) {
      return;
    }
  }
  destination = path::WithBackslash(destination);

  Paster paster(shell_, prompts_, view_);
  const Paster::Outcome outcome = paster.Run(
      clipboard_, destination, into == PasteInto::CurrentFolder ? destination : tab_folder);
  view_.SetSearchLineField(SearchField::FileMessage, clipboard_.FieldText());
  if (outcome.status != Paster::Status::Done) return;
  if (outcome.changed) {
    if (into == PasteInto::CursorFolder) {
      view_.Refresh();
    } else if (!list_mode) {
      view_.FillList();
      view_.RestoreCursor(outcome.destination_names, 0);
    }
  }
  if (into_cursor) view_.ShowMessage(kPasted, false);
}

void FileOps::Drop(const std::vector<std::string>& paths) {
  std::string names = DroppedNames(view_.CurrentFolder(), paths);
  // The drop replaces what the clipboard held; with nothing left to paste it
  // is empty, so that no later paste hands the shell an empty list.
  clipboard_.Clear();
  view_.SetSearchLineField(SearchField::FileMessage, "");
  if (names.empty()) return;
  const bool copy = keys_.CtrlDown() != ReadFlag(settings_, pref::kDropCopy);
  clipboard_.Record(copy ? ClipboardMode::Copy : ClipboardMode::Cut, "", std::move(names));
  view_.SetSearchLineField(SearchField::FileMessage, clipboard_.FieldText());
  Paste(PasteInto::CurrentFolder);
}

// Items go through the shell, into the recycle bin or for good; in the
// history list and the tab list the delete commands remove entries and close
// tabs instead, the recycle-bin variant asking first.
void FileOps::Delete(bool to_recycle_bin) {
  std::string folder, names;
  const bool list_mode = view_.view_mode() == ViewMode::List;
  if (list_mode) {
    if (view_.RemoveFromPickList(to_recycle_bin)) return;
    if (view_.list_kind() != ListKind::FindResults) return;
    names = view_.SelectedPaths();
  } else {
    folder = view_.CurrentFolder();
    if (folder.empty()) return;
    folder = path::WithBackslash(folder);
    names = view_.SelectedNames();
  }
  if (names.empty()) return;

  const DeleteOutcome outcome = DeleteThroughShell(shell_, folder, names, to_recycle_bin);
  if (!outcome.done) {
    view_.ShowMessage(kCancelOrError, false);
    return;
  }
  const int remembered = std::max(view_.CursorRow(), 0);
  if (list_mode) {
    view_.PruneVanishedRows();
  } else if (outcome.changed) {
    view_.FillList();
    const int last = rows_.size() - 1;
    view_.MoveCursor(0, remembered <= last ? remembered : last);
  }
}

}  // namespace qd
