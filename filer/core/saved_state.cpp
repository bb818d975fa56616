// The state kept between runs, and opening a path handed to the filer.
#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"

namespace qd {

namespace {

constexpr std::string_view kWindowRect = "WindowRect";
constexpr std::string_view kColumnWidth = "ColumnWidth";
constexpr const char* kColumnKeys[] = {"Name", "Ext", "Size", "Date", "Attr"};

std::string Numbered(const char* prefix, int i) { return prefix + std::to_string(i); }

// Writes the numbered entries, then removes those an earlier run left beyond
// them. The section is never empty in between, so a write that fails (a
// read-only file, a full disk, a crash) leaves the earlier state readable.
void WriteNumbered(SettingsFile& s, std::string_view section, const char* prefix,
                   const std::vector<std::string>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    s.WriteString(section, Numbered(prefix, static_cast<int>(i)), values[i]);
  }
  for (int i = static_cast<int>(values.size());; ++i) {
    const std::string key = Numbered(prefix, i);
    if (s.ReadString(section, key, "").empty()) break;
    s.DeleteKey(section, key);
  }
}

}  // namespace

// From the last component towards the drive.
std::string LongPathForm(FileSystemPort& fs, const std::string& path) {
  std::string name;
  if (!fs.FindName(path, &name)) return {};
  if (cp932::FindChar(path, '\\') == std::string::npos) return name;  // a bare name
  std::string result;
  std::string remaining = path;
  for (;;) {
    const std::size_t slash = cp932::FindLastChar(remaining, '\\');
    if (slash == std::string::npos) break;
    result = result.empty() ? name : name + "\\" + result;
    remaining = remaining.substr(0, slash);
    if (cp932::FindChar(remaining, '\\') == std::string::npos) break;  // only the drive is left
    if (!fs.FindName(remaining, &name)) return {};
  }
  result = remaining + "\\" + result;
  return result.size() >= path::kMaxPath ? std::string() : result;
}

bool FilerController::OpenPendingPath() {
  if (pending_path_.empty()) return false;
  uint32_t attributes = 0;
  if (!fs_.Attributes(pending_path_, &attributes)) return false;
  const std::string long_form = LongPathForm(fs_, pending_path_);
  if (!long_form.empty()) pending_path_ = long_form;
  const bool new_tab = settings_.ReadInt("Conf-Main", "NewTab", 0) != 0;
  const bool no_check = settings_.ReadInt("Conf-Main", "NewTabNoChk", 0) != 0;

  const bool is_folder = attributes & kAttrDirectory;
  std::string folder = pending_path_;
  std::string name;
  if (!is_folder) {
    // A bare file name given on the command line lies in the current folder.
    folder = path::FolderOf(pending_path_);
    if (folder.empty()) folder = fs_.CurrentDirectory();
    name = path::LastComponent(pending_path_);
  }

  const int found = !no_check && TabCount() >= 2 ? tab_set_.Find(folder) : -1;
  if (found < 0) {
    if (new_tab) OpenNewTab(folder, true);
    ChangeFolder(folder);
    if (!is_folder) FindItem(name, true);
  } else {
    tab_set_.StoreCursor(found, is_folder ? std::string() : name + "|", 0);
    SelectTab(found);
  }
  pending_path_.clear();
  return true;
}

void FilerController::RestoreState() {
  const WindowRect d;
  const int left = settings_.ReadInt(kWindowRect, "left", d.left);
  const int top = settings_.ReadInt(kWindowRect, "top", d.top);
  const int right = settings_.ReadInt(kWindowRect, "right", d.right);
  const int bottom = settings_.ReadInt(kWindowRect, "bottom", d.bottom);
  const ColumnWidths dw;
  ColumnWidths w;
  w.name = settings_.ReadInt(kColumnWidth, "Name", dw.name);
  w.ext = settings_.ReadInt(kColumnWidth, "Ext", dw.ext);
  w.size = settings_.ReadInt(kColumnWidth, "Size", dw.size);
  w.date = settings_.ReadInt(kColumnWidth, "Date", dw.date);
  w.attr = settings_.ReadInt(kColumnWidth, "Attr", dw.attr);
  CreatePaneColumns(w);
  frame_.SetWindowRect(left, top, right, bottom);

  mask_ = settings_.ReadString("FileMask", "No0", "*.*");
  no_folder_ = settings_.ReadInt("FileMask", "NoFolder", 0) != 0;

  // A gap in the numbers ends the tabs.
  for (int i = 0;; ++i) {
    const std::string path = settings_.ReadString("Tab", Numbered("DIR", i), "");
    if (path.empty()) break;
    InsertTab(i, path);
  }
  if (TabCount() == 0) InsertTab(0, fs_.CurrentDirectory());
  for (int i = 0; i < static_cast<int>(prefs_.history); ++i) {
    const std::string path = settings_.ReadString("History", Numbered("path", i), "");
    if (path.empty()) break;
    history_.Append(path);
  }
  int current = settings_.ReadInt("Tab", "CurSel", 0);
  if (current < 0 || current >= TabCount()) current = 0;
  tab_set_.set_current(current);
  tabs_.SelectTab(current);

  if (!OpenPendingPath()) ChangeFolder(tab_set_.at(current).path);
  if (settings_.ReadInt(kWindowRect, "Menu", 1) == 0) CmdToggleMenu();
}

void FilerController::SaveState() {
  const WindowState state = frame_.GetWindowState();
  if (!state.minimised && !state.maximised) {
    settings_.WriteInt(kWindowRect, "left", state.left);
    settings_.WriteInt(kWindowRect, "top", state.top);
    settings_.WriteInt(kWindowRect, "right", state.right);
    settings_.WriteInt(kWindowRect, "bottom", state.bottom);
    for (int i = 0; i < 5 && i < file_list_.ColumnCount(); ++i) {
      settings_.WriteInt(kColumnWidth, kColumnKeys[i], file_list_.ColumnWidth(i));
    }
  }
  settings_.WriteInt(kWindowRect, "Menu", menu_shown_ ? 1 : 0);

  settings_.WriteInt("Tab", "CurSel", tabs_.SelectedTab());
  WriteNumbered(settings_, "Tab", "DIR", tab_set_.Paths());
  WriteNumbered(settings_, "History", "path", history_.EntriesToSave());
}

}  // namespace qd
