// Cut, copy, paste and drop: the selection into the filer's clipboard, and
// the clipboard through the shell into a folder.
#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"

namespace qd {

void FilerController::RecordSelection(ClipboardMode mode) {
  if (view_mode_ == ViewMode::List && list_kind_ != ListKind::FindResults) return;
  if (view_mode_ == ViewMode::List) {
    clipboard_.Record(mode, "", SelectedPaths());
  } else {
    const std::string folder = tab_set_.CurrentPath();
    clipboard_.Record(mode, folder.empty() ? folder : path::WithBackslash(folder),
                      SelectedNamesWithTotals());
  }
  SetSearchLineField(SearchField::FileMessage, clipboard_.FieldText());
}

std::string FilerController::RowFullPath(int row, bool* folder) {
  *folder = false;
  if (row < 0 || row >= rows_.size()) return {};
  if (rows_.IsListMode()) {
    const PickRow pick = rows_.Pick(row);
    if (list_kind_ == ListKind::DriveList) {
      *folder = true;
      return path::WithBackslash(pick.name_text);
    }
    if (pick.folder) {
      if (pick.name_text == "/..") return {};
      *folder = true;
      return pick.path;
    }
    return path::Join(pick.path, pick.name_text);
  }
  *folder = rows_.IsFolder(row);
  return path::Join(tab_set_.CurrentPath(), rows_.ItemName(row));
}

void FilerController::Paste(int kind) {
  if (clipboard_.mode == ClipboardMode::None) return;
  const std::string tab_folder = tab_set_.CurrentPath();
  const bool list_mode = view_mode_ == ViewMode::List;
  std::string destination = tab_folder;
  if (list_mode || kind == 2) {
    const int row = CursorRow();
    if (row < 0) return;
    bool folder = false;
    destination = RowFullPath(row, &folder);
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
      ShowMessage(kNoFolder, true);
      return;
    }
    if (file_list_.SelectedCount() > 1 &&
        prompts_.AskOkCancel(std::string(kPasteHereQuestion) + destination) == Answer::Cancel) {
      return;
    }
  }
  destination = path::WithBackslash(destination);

  Paster paster(shell_, prompts_,
                [this](std::string_view text, bool repaint) { ShowMessage(text, repaint); });
  const Paster::Outcome outcome =
      paster.Run(clipboard_, destination, kind == 1 ? destination : tab_folder);
  SetSearchLineField(SearchField::FileMessage, clipboard_.FieldText());
  if (outcome.status != Paster::Status::Done) return;
  if (outcome.changed) {
    if (kind == 2) {
      CmdRefresh();
    } else if (!list_mode) {
      FillList();
      RestoreCursor(outcome.destination_names, 0);
    }
  }
  if (list_mode || kind == 2) ShowMessage(kPasted, false);
}

void FilerController::Drop(const std::vector<std::string>& paths) {
  std::string names = DroppedNames(tab_set_.CurrentPath(), paths);
  // The drop replaces what the clipboard held; with nothing left to paste it
  // is empty, so that no later paste hands the shell an empty list.
  clipboard_.Clear();
  SetSearchLineField(SearchField::FileMessage, "");
  if (names.empty()) return;
  const bool drop_copy = settings_.ReadInt("Conf-Main", "DropCopy", 0) != 0;
  const bool copy = keys_.CtrlDown() != drop_copy;
  clipboard_.Record(copy ? ClipboardMode::Copy : ClipboardMode::Cut, "", std::move(names));
  SetSearchLineField(SearchField::FileMessage, clipboard_.FieldText());
  Paste(1);
}

}  // namespace qd
