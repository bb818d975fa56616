#include "filer/core/filer_window.h"

#include "filer/core/layout.h"
#include "settings/command_table.h"

namespace qd {

namespace {
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
}  // namespace

FilerWindow::FilerWindow(SettingsFile& settings, FramePort& frame, Panes panes,
                         std::string program_folder, std::string pending_path)
    : settings_(settings),
      frame_(frame),
      panes_(panes),
      program_folder_(std::move(program_folder)),
      pending_path_(std::move(pending_path)) {}

void FilerWindow::Initialise() {
  ReadAndApplyPreferences();
  initialised_ = true;  // the panes exist and the font size is known: layout may run
  view_mode_ = ViewMode::Normal;
  list_kind_ = 0;
  sort_column_ = 0;
  sort_ascending_ = true;

  panes_.file_list.SetFullRowSelect(true);
  for (ListPort* one_row : {&panes_.message_area, &panes_.search_line}) {
    one_row->SetFullRowSelect(false);
    one_row->DeleteAllRows();
    one_row->InsertRow(0, "");
  }
  CreatePaneColumns(ColumnWidths{});
  const WindowRect r;
  frame_.SetWindowRect(r.left, r.top, r.right, r.bottom);
  ShowMessage(kVersionText, false);
}

void FilerWindow::ReadAndApplyPreferences() {
  prefs_ = ReadPreferences(settings_);
  panes_.file_list.SetColours(ColourForDrawing(prefs_.list_back),
                              ColourForDrawing(prefs_.list_back),
                              ColourForDrawing(prefs_.list_text));
  for (ListPort* one_row : {&panes_.message_area, &panes_.search_line}) {
    one_row->SetColours(ColourForDrawing(prefs_.msg_back), ColourForDrawing(prefs_.msg_back),
                        ColourForDrawing(prefs_.msg_text));
  }
  frame_.SetPaneFont(prefs_.font_name, FontTenths(prefs_.font_size));
}

// The file list's normal columns, and the fields of the two one-row panes
// whose widths follow them.
void FilerWindow::CreatePaneColumns(const ColumnWidths& w) {
  ListPort& list = panes_.file_list;
  while (list.ColumnCount() > 0) list.DeleteColumn(0);
  list.InsertColumn(0, "Name", Align::Left, w.name);
  list.InsertColumn(1, "eXt", Align::Left, w.ext);
  list.InsertColumn(2, "Size", Align::Right, w.size);
  list.InsertColumn(3, "Date", Align::Left, w.date);
  list.InsertColumn(4, "Attr", Align::Left, w.attr);

  ListPort& msg = panes_.message_area;
  while (msg.ColumnCount() > 0) msg.DeleteColumn(0);
  msg.InsertColumn(0, "メッセージ", Align::Left, w.name + w.ext + w.size);
  msg.InsertColumn(1, "セレクト", Align::Right, w.date + w.attr);

  ListPort& search = panes_.search_line;
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
  panes_.message_area.RepaintNow();
}

bool FilerWindow::OnCommand(int id) {
  switch (id) {
    case kIdCancel:
    case CommandId::CmdExit:
      Cancel();
      return true;
    case kIdOk:
      return true;  // opening the selected rows comes with navigation
    case CommandId::CmdToggleMenu:
      CmdToggleMenu();
      return true;
    case CommandId::CmdPathNotify:
      CmdPathNotify();
      return true;
    default:
      // Every command of the table is offered; the ones not built yet do
      // nothing.
      return FilerCommandTable().Find(id) != nullptr;
  }
}

void FilerWindow::Cancel() {
  if (view_mode_ == ViewMode::List || view_mode_ == ViewMode::TemporaryMove) {
    // Pick lists and temporary moves arrive with listing and navigation;
    // until then there is nothing to back out of.
    view_mode_ = ViewMode::Normal;
    return;
  }
  if (prefs_.confirm_exit && frame_.AskOkCancel(kExitQuestion) == Answer::Cancel) return;
  frame_.Close();
}

void FilerWindow::ShowMessage(std::string_view text, bool repaint) {
  panes_.message_area.SetCellText(0, 0, text);
  if (repaint) panes_.message_area.RepaintNow();
}

void FilerWindow::SetSearchLineField(SearchField field, std::string_view text) {
  panes_.search_line.SetCellText(0, static_cast<int>(field), text);
}

void FilerWindow::CmdToggleMenu() {
  frame_.ShowMenuBar(!menu_shown_);
  menu_shown_ = !menu_shown_;
}

void FilerWindow::CmdPathNotify() {
  pending_path_ = settings_.ReadString("Etc", "CmdLine", "");
  if (pending_path_.empty()) return;  // the sender has brought us to the front
  settings_.WriteString("Etc", "CmdLine", "");
}

}  // namespace qd
