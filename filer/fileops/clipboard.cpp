#include "filer/fileops/clipboard.h"

#include "common/cp932.h"
#include "common/name_list.h"
#include "common/path.h"

namespace qd {

void FileClipboard::Record(ClipboardMode new_mode, std::string folder, std::string new_names) {
  if (new_names.empty() || new_mode == ClipboardMode::None) {
    Clear();
    return;
  }
  mode = new_mode;
  source_folder = std::move(folder);
  names = std::move(new_names);
  progress_title = std::string(new_mode == ClipboardMode::Cut ? kMoveTitle : kCopyTitle);
}

void FileClipboard::Clear() {
  mode = ClipboardMode::None;
  source_folder.clear();
  names.clear();
  progress_title.clear();
}

std::string_view FileClipboard::FieldText() const {
  switch (mode) {
    case ClipboardMode::Cut:
      return "cut";
    case ClipboardMode::Copy:
      return "copy";
    case ClipboardMode::None:
      break;
  }
  return "";
}

std::string DoubleNulList(std::string_view folder, std::string_view names) {
  const std::vector<std::string_view> entries = SplitNameList(names);
  std::string list;
  list.reserve(names.size() + entries.size() * folder.size() + 1);
  for (std::string_view entry : entries) {
    list += folder;
    list += entry;
    list += '\0';
  }
  list += '\0';
  return list;
}

bool HasForbiddenCharacter(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); i += cp932::CharLength(name, i)) {
    if (cp932::CharLength(name, i) == 1 &&
        std::string_view("\\/:;*?\"<>|").find(name[i]) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

namespace {

// The text before the last backslash; empty when there is none.
std::string_view FolderPart(std::string_view path) {
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

}  // namespace

std::string DroppedNames(std::string_view current_folder, const std::vector<std::string>& paths) {
  // "D:\" compares as "D:", the folder part of "D:\a.txt".
  std::string_view current = current_folder;
  if (cp932::EndsWithBackslash(current)) current.remove_suffix(1);
  std::string names;
  for (const std::string& p : paths) {
    // A path the shell would be handed cut short, or one holding the list's
    // own separator, is left out whole rather than acted on as another.
    if (!path::Holdable(p) || cp932::FindChar(p, '|') != std::string::npos) continue;
    if (cp932::EqualNoCase(FolderPart(p), current)) continue;
    AppendName(names, p);
  }
  return names;
}

bool Paster::DestinationNames(const FileClipboard& clipboard, bool ask, std::string* names) {
  names->clear();
  bool all = !ask;
  for (std::string_view entry : SplitNameList(clipboard.names)) {
    if (clipboard.source_folder.empty()) {
      AppendName(*names, path::LastComponent(entry));
      continue;
    }
    std::string name(entry);
    while (!all) {
      const RenameAnswer answer = prompts_.AskNewName({name, name, true});
      if (!answer.ok) return false;
      if (answer.all) {
        all = true;
        break;
      }
      if (answer.next) break;
      if (answer.after.empty()) {
        prompts_.Beep();
        prompts_.AskOkCancel(kNoNewName);  // either answer asks again
        continue;
      }
      if (HasForbiddenCharacter(answer.after)) {
        prompts_.Beep();
        prompts_.ShowError(kForbiddenCharacters);
        continue;
      }
      name = answer.after;
      break;
    }
    AppendName(*names, name);
  }
  return true;
}

Paster::Outcome Paster::Run(FileClipboard& clipboard, const std::string& destination,
                            const std::string& watch_folder) {
  Outcome outcome;
  if (clipboard.mode == ClipboardMode::None) return outcome;
  const bool same_folder = destination == clipboard.source_folder;
  const bool ask = same_folder && clipboard.mode == ClipboardMode::Copy;
  if (ask) {
    prompts_.Beep();
    view_.ShowMessage(kSameFolder, true);
  }
  if (!DestinationNames(clipboard, ask, &outcome.destination_names)) {
    outcome.destination_names.clear();
    view_.ShowMessage("", false);
    return outcome;
  }

  ShellPort::FileOperation request;
  request.operation = static_cast<int>(clipboard.mode);
  request.from = DoubleNulList(clipboard.source_folder, clipboard.names);
  request.to = DoubleNulList(destination, outcome.destination_names);
  request.flags = kFofMultiDestFiles | kFofAllowUndo | (same_folder ? kFofRenameOnCollision : 0);
  request.title = clipboard.progress_title;
  {
    const std::unique_ptr<ShellPort::ChangeWatch> watch = shell_.WatchFolder(watch_folder);
    if (shell_.RunFileOperation(request) != 0) {
      outcome.status = Status::Failed;
      view_.ShowMessage(kCancelOrError, false);
    } else {
      outcome.status = Status::Done;
      outcome.changed = watch && watch->Fired();
    }
  }  // the watch closes here, whatever happened
  if (clipboard.mode == ClipboardMode::Cut) clipboard.Clear();
  return outcome;
}

}  // namespace qd
