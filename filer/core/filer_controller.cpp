#include "filer/core/filer_controller.h"

#include "common/path.h"
#include "filer/core/filer_app.h"
#include "filer/model/layout.h"
#include "settings/command_table.h"

namespace qd {

namespace {
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
}  // namespace

FilerController::FilerController(FilerPorts p, std::string program_folder, std::string pending_path)
    : settings_(p.settings),
      frame_(p.frame),
      prompts_(p.prompts),
      file_list_(p.file_list),
      message_area_(p.message_area),
      search_line_(p.search_line),
      fs_(p.fs),
      keys_(p.keys),
      tabs_(p.tabs),
      shell_(p.shell),
      walk_progress_(p.walk_progress),
      program_folder_(std::move(program_folder)),
      pending_path_(std::move(pending_path)),
      rows_([&fs = p.fs](uint64_t utc, uint64_t* local) { return fs.ToLocalFileTime(utc, local); }),
      history_(p.history),
      file_ops_({p.settings, p.prompts, p.file_list, p.fs, p.shell, p.keys, p.walk_progress}, *this,
                rows_),
      commands_(p.fs, p.shell, *this) {
  AddCommands();
}

void FilerController::Initialise() {
  ReadAndApplyPreferences();
  initialised_ = true;  // the panes exist and the font size is known: layout may run
  tab_set_ = TabSet(prefs_.tab_max);
  history_.set_limit(prefs_.history);
  view_mode_ = ViewMode::Normal;
  list_kind_ = ListKind::None;
  sort_column_ = 0;
  sort_ascending_ = true;

  file_list_.SetFullRowSelect(CellTips::ForCutTexts);
  for (PanePort* one_row : {&message_area_, &search_line_}) {
    one_row->SetFullRowSelect(CellTips::None);
    one_row->DeleteAllRows();
    one_row->InsertRow(0, "");
  }
  history_.Clear();
  RestoreState();
  ShowMessage(kVersionText, false);
}

void FilerController::ReadAndApplyPreferences() {
  prefs_ = ReadPreferences(settings_);
  file_list_.SetColours(ColourForDrawing(prefs_.list_back), ColourForDrawing(prefs_.list_back),
                        ColourForDrawing(prefs_.list_text));
  for (PanePort* one_row : {&message_area_, &search_line_}) {
    one_row->SetColours(ColourForDrawing(prefs_.msg_back), ColourForDrawing(prefs_.msg_back),
                        ColourForDrawing(prefs_.msg_text));
  }
  frame_.SetPaneFont(prefs_.font_name, FontTenths(prefs_.font_size));
}

// The file list's normal columns, and the fields of the two one-row panes
// whose widths follow them.
void FilerController::CreatePaneColumns(const ColumnWidths& w) {
  FileListPort& list = file_list_;
  while (list.ColumnCount() > 0) list.DeleteColumn(0);
  list.InsertColumn(0, "Name", Align::Left, w.name);
  list.InsertColumn(1, "eXt", Align::Left, w.ext);
  list.InsertColumn(2, "Size", Align::Right, w.size);
  list.InsertColumn(3, "Date", Align::Left, w.date);
  list.InsertColumn(4, "Attr", Align::Left, w.attr);

  PanePort& msg = message_area_;
  while (msg.ColumnCount() > 0) msg.DeleteColumn(0);
  msg.InsertColumn(0, "メッセージ", Align::Left, SumOfWidths({w.name, w.ext, w.size}));
  msg.InsertColumn(1, "セレクト", Align::Right, SumOfWidths({w.date, w.attr}));

  PanePort& search = search_line_;
  while (search.ColumnCount() > 0) search.DeleteColumn(0);
  search.InsertColumn(0, "Search", Align::Left, SumOfWidths({w.name, w.ext}));
  search.InsertColumn(1, "FileMessege", Align::Centre, w.size);
  search.InsertColumn(2, "Mode", Align::Centre, w.date);
  search.InsertColumn(3, "FileInf", Align::Right, w.attr);
}

void FilerController::OnSize(int client_width, int client_height) {
  if (!initialised_) return;
  const PaneLayout l = ComputeLayout(client_width, client_height, prefs_.font_size);
  frame_.MovePane(Pane::TabStrip, l.tab_strip);
  frame_.MovePane(Pane::FileList, l.file_list);
  frame_.MovePane(Pane::SearchLine, l.search_line);
  frame_.MovePane(Pane::MessageArea, l.message_area);
  message_area_.RepaintNow();
}

void FilerController::AddCommands() {
  CommandHandlers& h = handlers_;
  h.Add(kIdCancel, [this] { Cancel(); });
  h.Add(CommandId::CmdExit, [this] { Cancel(); });
  h.Add(CommandId::CmdToggleMenu, [this] { CmdToggleMenu(); });
  h.Add(CommandId::CmdPathNotify, [this] { CmdPathNotify(); });
  h.Add(CommandId::CmdRefresh, [this] { CmdRefresh(); });
  h.Add(CommandId::CmdSearchNext, [this] { SearchStep(true); });
  h.Add(CommandId::CmdSearchPrev, [this] { SearchStep(false); });
  h.Add(CommandId::CmdSearchComplete, [this] { CmdSearchComplete(); });
  h.Add(CommandId::CmdSearchBackspace, [this] { CmdSearchBackspace(); });
  h.Add(CommandId::CmdSearchClear, [this] { SetSearchText(""); });
  h.Add(kIdOk, [this] { OpenItem(); });
  h.Add(CommandId::CmdParentFolder, [this] { CmdParentFolder(); });
  h.Add(CommandId::CmdDriveRoot, [this] { CmdDriveRoot(); });
  h.Add(CommandId::CmdBack, [this] { CmdBack(); });
  h.Add(CommandId::CmdGoTo, [this] { CmdGoTo(); });
  h.Add(CommandId::CmdGoToTemporary, [this] { CmdGoToTemporary(); });
  h.Add(CommandId::CmdTreeMove, [this] { TreeMove(false); });
  h.Add(CommandId::CmdTreeMoveWithFiles, [this] { TreeMove(true); });
  h.Add(CommandId::CmdNewTab, [this] { CmdNewTab(); });
  h.Add(CommandId::CmdCloseTab, [this] { CmdCloseTab(); });
  h.Add(CommandId::CmdNextTab, [this] { StepTab(1); });
  h.Add(CommandId::CmdPrevTab, [this] { StepTab(-1); });
  h.Add(CommandId::CmdSwapNextTab, [this] { SwapTab(1); });
  h.Add(CommandId::CmdSwapPrevTab, [this] { SwapTab(-1); });
  h.Add(CommandId::CmdTabList, [this] { CmdTabList(); });
  h.Add(CommandId::CmdFolderHistory, [this] { CmdFolderHistory(); });
  file_ops_.AddCommands(h);
  commands_.AddCommands(h);
}

bool FilerController::OnCommand(int id) {
  if (handlers_.Run(id)) return true;
  // Every command of the table is offered; the ones not built yet do nothing.
  return FilerCommandTable().Find(id) != nullptr;
}

void FilerController::Cancel() {
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(true);
    return;
  }
  if (view_mode_ == ViewMode::TemporaryMove) {
    EndTemporaryMove(true);
    return;
  }
  if (prefs_.confirm_exit && prompts_.AskOkCancel(kExitQuestion) == Answer::Cancel) return;
  SaveState();
  tab_set_ = TabSet();
  frame_.Close();
}

void FilerController::ShowMessage(std::string_view text, bool repaint) {
  message_area_.SetCellText(0, 0, text);
  if (repaint) message_area_.RepaintNow();
}

void FilerController::SetSearchLineField(SearchField field, std::string_view text) {
  search_line_.SetCellText(0, static_cast<int>(field), text);
}


void FilerController::CmdToggleMenu() {
  frame_.ShowMenuBar(!menu_shown_);
  menu_shown_ = !menu_shown_;
}

void FilerController::CmdPathNotify() {
  // The sender removed the quotes already; an older sender may not have.
  pending_path_ = PathFromCommandLine(ReadHandedOverPath(settings_));
  if (pending_path_.empty()) return;  // the sender has brought us to the front
  OpenPendingPath();
  WriteHandedOverPath(settings_, "");
}

}  // namespace qd
