#include "filer/core/filer_window.h"

#include "filer/core/layout.h"
#include "settings/command_table.h"

namespace qd {

namespace {
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
}  // namespace

FilerWindow::FilerWindow(FilerPorts p, std::string program_folder, std::string pending_path)
    : settings_(p.settings),
      frame_(p.frame),
      file_list_(p.file_list),
      message_area_(p.message_area),
      search_line_(p.search_line),
      history_(p.history),
      fs_(p.fs),
      keys_(p.keys),
      tabs_(p.tabs),
      shell_(p.shell),
      program_folder_(std::move(program_folder)),
      pending_path_(std::move(pending_path)),
      rows_(p.fs) {}

void FilerWindow::Initialise() {
  ReadAndApplyPreferences();
  initialised_ = true;  // the panes exist and the font size is known: layout may run
  // The per-tab store gets its prepared slots.
  tab_paths_.assign(prefs_.tab_max, "");
  tab_cursor_names_.assign(prefs_.tab_max, "");
  tab_cursor_rows_.assign(prefs_.tab_max, 0);
  view_mode_ = ViewMode::Normal;
  list_kind_ = 0;
  sort_column_ = 0;
  sort_ascending_ = true;

  file_list_.SetFullRowSelect(true);
  for (ListPort* one_row : {&message_area_, &search_line_}) {
    one_row->SetFullRowSelect(false);
    one_row->DeleteAllRows();
    one_row->InsertRow(0, "");
  }
  history_.Clear();
  RestoreState();
  ShowMessage(kVersionText, false);
}

void FilerWindow::ReadAndApplyPreferences() {
  prefs_ = ReadPreferences(settings_);
  file_list_.SetColours(ColourForDrawing(prefs_.list_back), ColourForDrawing(prefs_.list_back),
                        ColourForDrawing(prefs_.list_text));
  for (ListPort* one_row : {&message_area_, &search_line_}) {
    one_row->SetColours(ColourForDrawing(prefs_.msg_back), ColourForDrawing(prefs_.msg_back),
                        ColourForDrawing(prefs_.msg_text));
  }
  frame_.SetPaneFont(prefs_.font_name, FontTenths(prefs_.font_size));
}

// The file list's normal columns, and the fields of the two one-row panes
// whose widths follow them.
void FilerWindow::CreatePaneColumns(const ColumnWidths& w) {
  FileListPort& list = file_list_;
  while (list.ColumnCount() > 0) list.DeleteColumn(0);
  list.InsertColumn(0, "Name", Align::Left, w.name);
  list.InsertColumn(1, "eXt", Align::Left, w.ext);
  list.InsertColumn(2, "Size", Align::Right, w.size);
  list.InsertColumn(3, "Date", Align::Left, w.date);
  list.InsertColumn(4, "Attr", Align::Left, w.attr);

  ListPort& msg = message_area_;
  while (msg.ColumnCount() > 0) msg.DeleteColumn(0);
  msg.InsertColumn(0, "メッセージ", Align::Left, w.name + w.ext + w.size);
  msg.InsertColumn(1, "セレクト", Align::Right, w.date + w.attr);

  ListPort& search = search_line_;
  while (search.ColumnCount() > 0) search.DeleteColumn(0);
  search.InsertColumn(0, "Search", Align::Left, w.name + w.ext);
  search.InsertColumn(1, "FileMessege", Align::Centre, w.size);
  search.InsertColumn(2, "Mode", Align::Centre, w.date);
  search.InsertColumn(3, "FileInf", Align::Right, w.attr);
}

void FilerWindow::OnSize(int client_width, int client_height) {
  if (!initialised_) return;
  const PaneLayout l = ComputeLayout(client_width, client_height, prefs_.font_size);
  frame_.MovePane(Pane::TabStrip, l.tab_strip);
  frame_.MovePane(Pane::FileList, l.file_list);
  frame_.MovePane(Pane::SearchLine, l.search_line);
  frame_.MovePane(Pane::MessageArea, l.message_area);
  message_area_.RepaintNow();
}

bool FilerWindow::OnCommand(int id) {
  using Handler = void (FilerWindow::*)();
  static constexpr struct {
    int id;
    Handler run;
  } kHandlers[] = {
      {kIdCancel, &FilerWindow::Cancel},
      {CommandId::CmdExit, &FilerWindow::Cancel},
      {CommandId::CmdToggleMenu, &FilerWindow::CmdToggleMenu},
      {CommandId::CmdPathNotify, &FilerWindow::CmdPathNotify},
      {CommandId::CmdRefresh, &FilerWindow::CmdRefresh},
      {CommandId::CmdSearchNext, &FilerWindow::CmdSearchNext},
      {CommandId::CmdSearchPrev, &FilerWindow::CmdSearchPrev},
      {CommandId::CmdSearchComplete, &FilerWindow::CmdSearchComplete},
      {CommandId::CmdSearchBackspace, &FilerWindow::CmdSearchBackspace},
      {CommandId::CmdSearchClear, &FilerWindow::CmdSearchClear},
      {kIdOk, &FilerWindow::OpenItem},
      {CommandId::CmdParentFolder, &FilerWindow::CmdParentFolder},
      {CommandId::CmdDriveRoot, &FilerWindow::CmdDriveRoot},
      {CommandId::CmdBack, &FilerWindow::CmdBack},
      {CommandId::CmdGoTo, &FilerWindow::CmdGoTo},
      {CommandId::CmdGoToTemporary, &FilerWindow::CmdGoToTemporary},
      {CommandId::CmdTreeMove, &FilerWindow::CmdTreeMove},
      {CommandId::CmdTreeMoveWithFiles, &FilerWindow::CmdTreeMoveWithFiles},
      {CommandId::CmdNewTab, &FilerWindow::CmdNewTab},
      {CommandId::CmdCloseTab, &FilerWindow::CmdCloseTab},
      {CommandId::CmdNextTab, &FilerWindow::CmdNextTab},
      {CommandId::CmdPrevTab, &FilerWindow::CmdPrevTab},
      {CommandId::CmdSwapNextTab, &FilerWindow::CmdSwapNextTab},
      {CommandId::CmdSwapPrevTab, &FilerWindow::CmdSwapPrevTab},
      {CommandId::CmdTabList, &FilerWindow::CmdTabList},
      {CommandId::CmdFolderHistory, &FilerWindow::CmdFolderHistory},
      {CommandId::CmdDeleteToRecycleBin, &FilerWindow::CmdDeleteToRecycleBin},
      {CommandId::CmdDelete, &FilerWindow::CmdDelete},
  };
  for (const auto& h : kHandlers) {
    if (h.id == id) {
      (this->*h.run)();
      return true;
    }
  }
  // Every command of the table is offered; the ones not built yet do nothing.
  return FilerCommandTable().Find(id) != nullptr;
}

void FilerWindow::Cancel() {
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(true);
    return;
  }
  if (view_mode_ == ViewMode::TemporaryMove) {
    EndTemporaryMove(true);
    return;
  }
  if (prefs_.confirm_exit && frame_.AskOkCancel(kExitQuestion) == Answer::Cancel) return;
  SaveState();
  tab_paths_.clear();
  tab_cursor_names_.clear();
  tab_cursor_rows_.clear();
  frame_.Close();
}

// In the history list and the tab list the delete commands remove entries
// and close tabs; the recycle-bin variant asks first.
void FilerWindow::CmdDeleteToRecycleBin() { DeleteFromPickList(true); }
void FilerWindow::CmdDelete() { DeleteFromPickList(false); }

void FilerWindow::DeleteFromPickList(bool confirm) {
  if (view_mode_ != ViewMode::List) return;  // deleting files comes with the file operations
  if (list_kind_ == kFolderHistoryList) DeleteFromHistoryList(confirm);
  if (list_kind_ == kTabList) CloseFromTabList(confirm);
}

void FilerWindow::ShowMessage(std::string_view text, bool repaint) {
  message_area_.SetCellText(0, 0, text);
  if (repaint) message_area_.RepaintNow();
}

void FilerWindow::SetSearchLineField(SearchField field, std::string_view text) {
  search_line_.SetCellText(0, static_cast<int>(field), text);
}

std::string FilerWindow::SearchText() const {
  return search_line_.CellText(0, static_cast<int>(SearchField::Search));
}

void FilerWindow::CmdToggleMenu() {
  frame_.ShowMenuBar(!menu_shown_);
  menu_shown_ = !menu_shown_;
}

void FilerWindow::CmdPathNotify() {
  pending_path_ = settings_.ReadString("Etc", "CmdLine", "");
  if (pending_path_.empty()) return;  // the sender has brought us to the front
  OpenPendingPath();
  settings_.WriteString("Etc", "CmdLine", "");
}

}  // namespace qd
