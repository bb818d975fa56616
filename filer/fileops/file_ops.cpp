// The file operations' command rows, and the commands that name items one
// by one: rename, new items, name replace and case change.
#include "filer/fileops/file_ops.h"

#include "common/name_list.h"
#include "common/path.h"
#include "filer/fileops/new_item.h"
#include "filer/fileops/rename.h"
#include "filer/fileops/replace_names.h"
#include "settings/command_table.h"

namespace qd {

namespace {

// The replace dialog's check boxes, kept between runs.
constexpr std::string_view kOptionsSection = "Etc";
constexpr std::string_view kCaseSensitiveKey = "Replace-Casesensitive";
constexpr std::string_view kNamePartKey = "Replace-Name";
constexpr std::string_view kExtPartKey = "Replace-Ext";

}  // namespace

FileOps::FileOps(FileOpsPorts p, FilerView& view, RowStore& rows)
    : settings_(p.settings),
      prompts_(p.prompts),
      file_list_(p.file_list),
      fs_(p.fs),
      shell_(p.shell),
      keys_(p.keys),
      walk_progress_(p.walk_progress),
      view_(view),
      rows_(rows) {}

void FileOps::AddCommands(CommandHandlers& h) {
  h.Add(CmdCut, [this] { RecordSelection(ClipboardMode::Cut); });
  h.Add(CmdCopy, [this] { RecordSelection(ClipboardMode::Copy); });
  h.Add(CmdPaste, [this] { Paste(PasteInto::CurrentFolder); });
  h.Add(CmdPasteSelect, [this] { Paste(PasteInto::CursorFolder); });
  h.Add(CmdDeleteToRecycleBin, [this] { Delete(true); });
  h.Add(CmdDelete, [this] { Delete(false); });
  h.Add(CmdRename, [this] { Rename(); });
  h.Add(CmdNewFolder, [this] { NewItem(ItemKind::Folder); });
  h.Add(CmdNewFile, [this] { NewItem(ItemKind::File); });
  h.Add(CmdNew, [this] { NewByCursor(); });
  h.Add(CmdReplaceNames, [this] { ReplaceNames(); });
  h.Add(CmdFileMask, [this] { FileMask(); });
  h.Add(CmdMaskSelect, [this] { MaskSelect(); });
  h.Add(CmdSelectAll, [this] { file_list_.SelectAll(true); });
  h.Add(CmdInvertSelection, [this] { InvertSelection(); });
  h.Add(CmdFindFile, [this] { FindFile(); });
  h.Add(CmdExpandFolder, [this] { ExpandFolder(); });
}

// Renames the selected items of the current folder; nothing in a pick list.
void FileOps::Rename() {
  if (view_.view_mode() == ViewMode::List) return;
  const std::string folder = view_.CurrentFolder();
  if (folder.empty()) return;
  const std::string names = view_.SelectedNames();
  if (names.empty()) return;
  Renamer renamer(fs_, prompts_, view_);
  const Renamer::Outcome outcome = renamer.Run(path::WithBackslash(folder), names);
  if (outcome.reselect.empty()) return;
  view_.FillList();
  view_.RestoreCursor(outcome.reselect, 0);
}

// A folder when the cursor is on a folder row, else a file.
void FileOps::NewByCursor() {
  const int cursor = view_.CursorRow();
  NewItem(cursor >= 0 && rows_.IsFolder(cursor) ? ItemKind::Folder : ItemKind::File);
}

void FileOps::NewItem(ItemKind kind) {
  if (view_.view_mode() == ViewMode::List) return;
  // The cursor row's name is a start; row 0 (normally "..") gives none.
  const int cursor = view_.CursorRow();
  std::string name;
  if (cursor > 0) {
    name = kind == ItemKind::Folder && !rows_.IsFolder(cursor) ? std::string(rows_.NameText(cursor))
                                                                : rows_.ItemName(cursor);
  }
  ItemMaker maker(fs_, prompts_, view_);
  const std::string made = maker.Run(kind, path::WithBackslash(fs_.CurrentDirectory()), name);
  if (!made.empty()) {
    view_.FillList();
    view_.RestoreCursor(made, 0);
  }
  view_.ShowMessage("", true);
}

// Proposes a replaced or case-changed name for each item in scope and
// renames the ones confirmed.
void FileOps::ReplaceNames() {
  if (view_.view_mode() == ViewMode::List) return;
  const std::string folder = view_.CurrentFolder();
  if (folder.empty()) return;
  const int first_selected = view_.CursorRow();
  const int cursor = first_selected < 0 ? 0 : first_selected;

  ReplaceOptions request;
  if (cursor < rows_.size() && !rows_.IsParentRow(cursor)) request.before = rows_.ItemName(cursor);
  request.case_sensitive = settings_.ReadInt(kOptionsSection, kCaseSensitiveKey, 0) != 0;
  request.name_part = settings_.ReadInt(kOptionsSection, kNamePartKey, 0) != 0;
  request.ext_part = settings_.ReadInt(kOptionsSection, kExtPartKey, 0) != 0;
  ReplaceOptions options;
  for (;;) {
    const ReplaceAnswer answer = prompts_.AskReplace(request);
    if (!answer.ok) return;  // the options stay as stored
    options = answer.options;
    // The dialog refuses a case button without a part itself; an answer
    // that gets past it is refused here the same way.
    std::string_view refusal = CaseChangeRefusal(options);
    if (refusal.empty() && options.case_change == CaseChange::None && options.before.empty() &&
        options.after.empty()) {
      refusal = kNothingToReplace;
    }
    if (refusal.empty()) break;
    prompts_.ShowError(refusal);
    request = options;
    request.case_change = CaseChange::None;
  }
  settings_.WriteInt(kOptionsSection, kCaseSensitiveKey, options.case_sensitive ? 1 : 0);
  settings_.WriteInt(kOptionsSection, kNamePartKey, options.name_part ? 1 : 0);
  settings_.WriteInt(kOptionsSection, kExtPartKey, options.ext_part ? 1 : 0);

  // Two or more selected rows are the scope, split at their last dot; else
  // the cursor row and every row below it, split as the rows show them.
  std::vector<ReplaceItem> items;
  if (file_list_.SelectedCount() >= 2) {
    const std::string names = view_.SelectedNames();
    for (std::string_view name : SplitNameList(names)) items.push_back(SplitAtLastDot(name));
  } else {
    for (int r = cursor; r < rows_.size(); ++r) {
      if (rows_.IsParentRow(r)) continue;
      std::string_view name_part = rows_.NameText(r);
      if (rows_.IsFolder(r)) name_part.remove_prefix(1);  // the "/" of a folder row
      items.push_back({rows_.ItemName(r), std::string(name_part), rows_.ExtText(r)});
    }
  }

  NameReplacer replacer(fs_, prompts_, view_);
  const std::string reselect = replacer.Run(path::WithBackslash(folder), items, options);
  if (reselect.empty()) return;
  view_.FillList();
  view_.RestoreCursor(reselect, 0);
}

}  // namespace qd
