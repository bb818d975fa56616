// The file operations as the filer's commands: cut, copy, paste and drop
// through the filer's own clipboard, delete, rename, new items, name
// replace, masks and mask selection, find and folder expansion. They see the
// filer through its view and contribute their rows to the command table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/fileops/clipboard.h"
#include "filer/model/command_handlers.h"
#include "filer/model/row_store.h"
#include "filer/ports/file_list_port.h"
#include "filer/ports/file_system_port.h"
#include "filer/ports/filer_view.h"
#include "filer/ports/key_state_port.h"
#include "filer/ports/prompt_port.h"
#include "filer/ports/shell_port.h"
#include "filer/ports/walk_progress_port.h"
#include "settings/settings_file.h"

namespace qd {

struct FileOpsPorts {
  SettingsFile& settings;
  PromptPort& prompts;
  FileListPort& file_list;
  FileSystemPort& fs;
  ShellPort& shell;
  KeyStatePort& keys;
  // None: a walk of folders runs to its end without looking at the window.
  WalkProgressPort* walk_progress = nullptr;
};

// Where a paste goes: the current folder (in a pick list, the folder of the
// cursor row), or the folder the cursor is on.
enum class PasteInto { CurrentFolder, CursorFolder };

class FileOps {
 public:
  FileOps(FileOpsPorts ports, FilerView& view, RowStore& rows);
  FileOps(const FileOps&) = delete;
  FileOps& operator=(const FileOps&) = delete;

  void AddCommands(CommandHandlers& handlers);

  // Files dropped on the window, by their full paths: moved here (copied
  // with Ctrl, or the other way round with Conf-Main/DropCopy).
  void Drop(const std::vector<std::string>& paths);
  const FileClipboard& clipboard() const { return clipboard_; }

  // What the mask select and find commands do once their dialog is answered.
  void SelectByMask(std::string_view mask, bool no_folder);
  void FindFiles(const std::string& mask);

 private:
  void RecordSelection(ClipboardMode mode);
  void Paste(PasteInto into);
  void Delete(bool to_recycle_bin);
  void Rename();
  void NewItem(ItemKind kind);
  void NewByCursor();
  void ReplaceNames();
  void FileMask();
  void MaskSelect();
  void InvertSelection();
  void FindFile();
  void ExpandFolder();
  class WalkRows;
  void Walk(ListKind kind, const std::string& mask);

  SettingsFile& settings_;
  PromptPort& prompts_;
  FileListPort& file_list_;
  FileSystemPort& fs_;
  ShellPort& shell_;
  KeyStatePort& keys_;
  WalkProgressPort* walk_progress_;
  FilerView& view_;
  RowStore& rows_;
  FileClipboard clipboard_;
};

}  // namespace qd
