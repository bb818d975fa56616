// The state kept between runs, and opening a path handed to the filer.
#include <cstdint>
#include <unordered_map>

#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "filer/fileops/mask_dialog.h"
#include "filer/model/layout.h"
#include "settings/preference_table.h"

namespace qd {

namespace {

constexpr std::string_view kWindowRect = "WindowRect";
constexpr std::string_view kColumnWidth = "ColumnWidth";
constexpr const char* kColumnKeys[] = {"Name", "Ext", "Size", "Date", "Attr"};

std::string Numbered(const char* prefix, std::size_t i) { return prefix + std::to_string(i); }

// The values of "<prefix>0", "<prefix>1", ... in a section read whole, up to
// the first missing or empty one or `limit` values. Names match without
// regard to case, and the first of two equal names counts, as for a read of
// one key.
std::vector<std::string> NumberedValues(const SettingsSection& section, const char* prefix,
                                        uint64_t limit) {
  std::unordered_map<std::string, const std::string*> by_name;
  for (const SettingsEntry& e : section) by_name.emplace(cp932::ToLower(e.key), &e.value);
  std::vector<std::string> values;
  for (std::size_t i = 0; i < limit; ++i) {
    auto it = by_name.find(cp932::ToLower(Numbered(prefix, i)));
    if (it == by_name.end() || it->second->empty()) break;
    values.push_back(*it->second);
  }
  return values;
}

// Numbered entries for a section that is written whole; empty values are
// left out, since an empty value would end the list when it is read back.
void AppendNumbered(SettingsSection& section, const char* prefix,
                    const std::vector<std::string>& values) {
  std::size_t n = 0;
  for (const std::string& v : values) {
    if (!v.empty()) section.push_back({Numbered(prefix, n++), v});
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

// A path given relative to the current folder (".", "..", "sub\x.txt",
// "\x" on the current drive, "D:x" on drive D's own folder) made absolute.
std::string AbsolutePath(FileSystemPort& fs, const std::string& path) {
  if (path.substr(0, 2) == "\\\\") return path::Normalise(path);
  const std::string current = fs.CurrentDirectory();
  if (const int drive = path::DriveNumber(path); drive != 0) {
    if (path.size() > 2 && path[2] == '\\') return path::Normalise(path);
    std::string base;
    if (drive == path::DriveNumber(current)) {
      base = current;
    } else if (!fs.DriveCurrentDirectory(drive, &base)) {
      base = path::DriveRoot(path);
    }
    return path::Normalise(path::Join(base, path.substr(2)));
  }
  if (!path.empty() && path[0] == '\\') return path::Normalise(path::DriveRoot(current) + path);
  return path::Normalise(path::Join(current, path));
}

bool FilerController::OpenPendingPath() {
  if (pending_path_.empty()) return false;
  pending_path_ = AbsolutePath(fs_, pending_path_);
  uint32_t attributes = 0;
  if (!fs_.Attributes(pending_path_, &attributes)) return false;
  const std::string long_form = LongPathForm(fs_, pending_path_);
  if (!long_form.empty()) pending_path_ = long_form;
  const bool new_tab = ReadFlag(settings_, pref::kNewTab);
  const bool no_check = ReadFlag(settings_, pref::kNewTabNoChk);

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
  const std::string start_folder = fs_.CurrentDirectory();
  const ScreenRect& d = kDefaultWindowRect;
  const ScreenRect saved{settings_.ReadInt(kWindowRect, "left", d.left),
                         settings_.ReadInt(kWindowRect, "top", d.top),
                         settings_.ReadInt(kWindowRect, "right", d.right),
                         settings_.ReadInt(kWindowRect, "bottom", d.bottom)};
  // A hand-edited width below zero is no width: the default is used.
  auto width = [&](const char* key, int def) {
    const int w = settings_.ReadInt(kColumnWidth, key, def);
    return w < 0 ? def : w;
  };
  const ColumnWidths dw;
  ColumnWidths w;
  w.name = width("Name", dw.name);
  w.ext = width("Ext", dw.ext);
  w.size = width("Size", dw.size);
  w.date = width("Date", dw.date);
  w.attr = width("Attr", dw.attr);
  CreatePaneColumns(w);
  // A rectangle saved off every screen (another monitor, a hand edit) is
  // brought onto the nearest one.
  frame_.SetWindowRect(PlaceWindow(saved, frame_.WorkAreasFor(saved), d));

  // The display mask starts as the mask dialog last left it.
  mask_.text = LatestMask(settings_, MaskKind::FileMask);
  mask_.no_folder = MaskOption(settings_, MaskKind::FileMask);

  // Each state section is read in one go. A gap in the numbers ends the
  // tabs and the history.
  const SettingsSection tab_section = settings_.ReadSection("Tab");
  for (const std::string& path : NumberedValues(tab_section, "DIR", UINT64_MAX)) {
    InsertTab(TabCount(), path);
  }
  if (TabCount() == 0) InsertTab(0, fs_.CurrentDirectory());
  for (const std::string& path :
       NumberedValues(settings_.ReadSection("History"), "path", prefs_.history)) {
    history_.Append(path);
  }
  int current = SectionInt(tab_section, "CurSel", 0);
  if (current < 0 || current >= TabCount()) current = 0;
  tab_set_.set_current(current);
  tabs_.SelectTab(current);

  if (!OpenPendingPath() && !ChangeFolder(tab_set_.at(current).path)) {
    // The current tab's folder is gone: after the error the list shows the
    // start folder, and the title and the tab are true to it, so that a
    // second start can still find this window.
    EnterFolder(start_folder);
    ListNewCurrentFolder();
  }
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

  // Each state section is written whole in one go: a failure leaves the
  // old section or the new one, and no key of an earlier run survives.
  SettingsSection tab_section = {{"CurSel", std::to_string(tabs_.SelectedTab())}};
  AppendNumbered(tab_section, "DIR", tab_set_.Paths());
  settings_.WriteSection("Tab", tab_section);
  SettingsSection history_section;
  AppendNumbered(history_section, "path", history_.EntriesToSave());
  settings_.WriteSection("History", history_section);
}

}  // namespace qd
