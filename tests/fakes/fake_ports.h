// In-memory stand-ins for the main window's ports.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/cp932.h"
#include "filer/core/ports.h"

namespace qd::test {

struct FakeColumn {
  std::string header;
  Align align;
  int width;
};

template <typename Base>
class FakeReport : public Base {
 public:
  void InsertColumn(int index, std::string_view header, Align align, int width) override {
    columns.insert(columns.begin() + index, FakeColumn{std::string(header), align, width});
  }
  void DeleteColumn(int index) override { columns.erase(columns.begin() + index); }
  int ColumnCount() const override { return static_cast<int>(columns.size()); }
  int ColumnWidth(int index) const override { return columns.at(index).width; }
  void SetColumnWidth(int index, int width) override { columns.at(index).width = width; }
  void SetColours(Colour b, Colour tb, Colour t) override {
    back = b;
    text_back = tb;
    text = t;
  }
  void SetFullRowSelect(bool with_tooltips) override {
    full_row = true;
    tooltips = with_tooltips;
  }
  void RepaintNow() override { ++repaints; }

  std::vector<std::string> Headers() const {
    std::vector<std::string> h;
    for (const FakeColumn& c : columns) h.push_back(c.header);
    return h;
  }

  std::vector<FakeColumn> columns;
  Colour back = 1, text_back = 1, text = 1;
  bool full_row = false, tooltips = false;
  int repaints = 0;
};

class FakeList : public FakeReport<ListPort> {
 public:
  void DeleteAllRows() override { rows.clear(); }
  void InsertRow(int index, std::string_view text) override {
    rows.insert(rows.begin() + index, std::map<int, std::string>{{0, std::string(text)}});
  }
  void SetCellText(int row, int column, std::string_view text) override {
    rows.at(row)[column] = std::string(text);
  }
  std::string CellText(int row, int column) const override {
    auto& r = rows.at(row);
    auto it = r.find(column);
    return it == r.end() ? std::string() : it->second;
  }

  std::vector<std::map<int, std::string>> rows;
};

// The file list: row count, states, scrolling. A page shows `page` rows.
class FakeFileList : public FakeReport<FileListPort> {
 public:
  void SetRowCount(int count) override {
    selected.assign(count, false);
    focused.assign(count, false);
    top = 0;
  }
  int RowCount() const override { return static_cast<int>(selected.size()); }
  void DeleteRow(int row) override {
    selected.erase(selected.begin() + row);
    focused.erase(focused.begin() + row);
  }
  void InvalidateRows() override { ++invalidations; }
  bool IsSelected(int row) const override { return selected.at(row); }
  void SetSelected(int row, bool s) override { selected.at(row) = s; }
  bool IsFocused(int row) const override { return focused.at(row); }
  void SetFocused(int row, bool f) override { focused.at(row) = f; }
  int NextSelected(int after) const override {
    for (int r = after + 1; r < RowCount(); ++r) {
      if (selected[r]) return r;
    }
    return -1;
  }
  int SelectedCount() const override {
    return static_cast<int>(std::count(selected.begin(), selected.end(), true));
  }
  int TopRow() const override { return top; }
  int RowsPerPage() const override { return page; }
  void EnsureVisible(int row) override {
    visible_calls.push_back(row);
    if (row < top) top = row;
    if (row >= top + page) top = row - page + 1;
  }
  void MoveAnchorTo(int row) override { anchor = row; }
  void SuspendRepaint() override { suspended = true; }
  void ResumeRepaint() override { suspended = false; }
  void Focus() override { ++focus_calls; }

  std::vector<int> Selected() const {
    std::vector<int> s;
    for (int r = 0; r < RowCount(); ++r) {
      if (selected[r]) s.push_back(r);
    }
    return s;
  }
  void Select(std::initializer_list<int> rows) {
    std::fill(selected.begin(), selected.end(), false);
    for (int r : rows) selected.at(r) = true;
  }

  std::vector<bool> selected, focused;
  int top = 0, page = 20, anchor = -1, invalidations = 0, focus_calls = 0;
  bool suspended = false;
  std::vector<int> visible_calls;
};

class FakeHistory : public HistoryStorePort {
 public:
  void Add(std::string_view t) override { items.emplace_back(t); }
  void Insert(int index, std::string_view t) override {
    items.insert(items.begin() + index, std::string(t));
  }
  void Delete(int index) override { items.erase(items.begin() + index); }
  std::string Text(int index) const override { return items.at(index); }
  int Count() const override { return static_cast<int>(items.size()); }
  void Clear() override { items.clear(); }
  std::vector<std::string> items;
};

// A file system of folders held in memory. Patterns are matched as the
// directory search does for the cases the filer uses: "*", "*.*" and
// "*.ext"-style pieces, "name*", exact names.
class FakeFileSystem : public FileSystemPort {
 public:
  struct Entry {
    std::string name;
    uint32_t attributes;
    uint64_t size;
    uint64_t time;
  };

  std::string CurrentDirectory() override { return current; }
  bool ChangeDirectory(const std::string& path) override {
    const std::string p = Resolve(path);
    if (!folders.count(p)) return false;
    current = p;
    return true;
  }
  // An absolute path of the fake's folders: relative names and ".." are
  // taken from the current folder; no trailing backslash but for a root.
  std::string Resolve(const std::string& path) const {
    std::string p = path;
    if (p.size() < 2 || p[1] != ':') p = (current.back() == '\\' ? current : current + "\\") + p;
    std::vector<std::string> parts;
    std::size_t start = 3;
    const std::string root = p.substr(0, 2) + "\\";
    while (start <= p.size()) {
      std::size_t slash = cp932::FindChar(p, '\\', start);
      if (slash == std::string::npos) slash = p.size();
      const std::string part = p.substr(start, slash - start);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      start = slash + 1;
    }
    std::string out = root;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
    // Names on disk match without regard to case.
    if (!folders.count(out)) {
      for (const auto& [name, entries] : folders) {
        if (cp932::EqualNoCase(name, out)) return name;
      }
    }
    return out;
  }
  void Search(const std::string& pattern, EntrySink& sink) override {
    searches.push_back(pattern);
    auto it = folders.find(current);
    if (it == folders.end()) return;
    for (const Entry& e : it->second) {
      if (!Matches(pattern, e.name)) continue;
      sink.Add(FoundEntry{e.name, e.attributes, e.size, e.time});
    }
  }
  bool Exists(const std::string& path) override {
    return !vanished.count(path) && (folders.count(Resolve(path)) || FindFile(path));
  }
  bool Attributes(const std::string& path, uint32_t* attributes) override {
    if (folders.count(Resolve(path))) {
      *attributes = kAttrDirectory;
      return true;
    }
    const Entry* e = FindFile(path);
    if (!e) return false;
    *attributes = e->attributes;
    return true;
  }
  uint32_t LogicalDrives() override { return drives; }
  bool FindName(const std::string& path, std::string* name) override {
    auto it = long_names.find(path);
    if (it != long_names.end()) {
      *name = it->second;
      return true;
    }
    if (folders.count(Resolve(path))) {
      const std::string real = Resolve(path);
      *name = real.substr(cp932::FindLastChar(real, '\\') + 1);
      return !name->empty();
    }
    const Entry* e = FindFile(path);
    if (!e) return false;
    *name = e->name;
    return true;
  }
  bool DriveCurrentDirectory(int drive, std::string* path) override {
    auto it = drive_folders.find(drive);
    if (it == drive_folders.end()) return false;
    *path = it->second;
    return true;
  }
  bool ChangeDrive(int drive) override { return drives >> (drive - 1) & 1; }
  std::string ShortPath(const std::string& path) override { return "~" + path; }
  const Entry* FindFile(const std::string& path) const {
    const std::string full = Resolve(path);
    const std::size_t slash = cp932::FindLastChar(full, '\\');
    std::string folder = full.substr(0, slash);
    if (folder.size() == 2) folder += '\\';
    folder = Resolve(folder);
    auto it = folders.find(folder);
    if (it == folders.end()) return nullptr;
    for (const Entry& e : it->second) {
      if (cp932::EqualNoCase(e.name, full.substr(slash + 1))) return &e;
    }
    return nullptr;
  }
  bool ToLocalFileTime(uint64_t utc, uint64_t* local) override {
    *local = utc + offset;
    return utc < 0x7000000000000000ull;
  }

  // Wildcards: "*" any run, "?" one byte; "*.*" matches every name, as
  // the directory search does.
  static bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    if (pattern.empty()) return false;
    return Glob(pattern, name);
  }
  static bool Glob(std::string_view p, std::string_view n) {
    if (p.empty()) return n.empty();
    if (p[0] == '*') {
      for (std::size_t i = 0; i <= n.size(); ++i) {
        if (Glob(p.substr(1), n.substr(i))) return true;
      }
      return false;
    }
    if (n.empty()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (p[0] != '?' && lower(p[0]) != lower(n[0])) return false;
    return Glob(p.substr(1), n.substr(1));
  }

  std::string current = "C:\\";
  std::map<std::string, std::vector<Entry>> folders;
  std::set<std::string> vanished;
  uint32_t drives = 0x1C;  // C:, D:, E:
  std::map<int, std::string> drive_folders;
  std::map<std::string, std::string> long_names;  // a short path -> its long last component
  std::vector<std::string> searches;
  uint64_t offset = 0;
};

class FakeKeys : public KeyStatePort {
 public:
  bool ShiftDown() override { return shift; }
  bool CtrlDown() override { return ctrl; }
  bool AltDown() override { return alt; }
  bool shift = false, ctrl = false, alt = false;
};

class FakeFrame : public FramePort {
 public:
  void MovePane(Pane pane, const PaneRect& rect) override { panes[pane] = rect; }
  void SetTitle(std::string_view t) override { title = std::string(t); }
  void SetWindowRect(int l, int t, int r, int b) override { window = {l, t, r - l, b - t}; }
  WindowState GetWindowState() override {
    WindowState s;
    s.left = window.x;
    s.top = window.y;
    s.right = window.x + window.width;
    s.bottom = window.y + window.height;
    s.minimised = minimised;
    s.maximised = maximised;
    return s;
  }
  void SetPaneFont(std::string_view f, int t) override {
    face = std::string(f);
    tenths = t;
  }
  void ShowMenuBar(bool shown) override { menu_calls.push_back(shown); }
  Answer AskOkCancel(std::string_view text) override {
    questions.emplace_back(text);
    return answer;
  }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  void Beep() override { ++beeps; }
  void Close() override { ++closes; }

  std::map<Pane, PaneRect> panes;
  PaneRect window{0, 0, 0, 0};
  bool minimised = false, maximised = false;
  std::string title;
  std::string face;
  int tenths = -1;
  std::vector<bool> menu_calls;
  std::vector<std::string> questions;
  std::vector<std::string> errors;
  int beeps = 0;
  Answer answer = Answer::Ok;
  int closes = 0;
};

class FakeTabs : public TabStripPort {
 public:
  void InsertTab(int index, std::string_view text) override {
    texts.insert(texts.begin() + index, std::string(text));
    if (selected >= index) ++selected;
  }
  void SetTabText(int index, std::string_view text) override { texts.at(index) = text; }
  void DeleteTab(int index) override {
    texts.erase(texts.begin() + index);
    if (selected == index)
      selected = -1;
    else if (selected > index)
      --selected;
  }
  int TabCount() const override { return static_cast<int>(texts.size()); }
  int SelectedTab() const override { return selected; }
  void SelectTab(int index) override { selected = index; }
  void Repaint() override {}
  std::vector<std::string> texts;
  int selected = -1;
};

class FakeShell : public ShellPort {
 public:
  void Open(const std::string& file, const std::string& parameters) override {
    opened.push_back(parameters.empty() ? file : file + " |" + parameters);
  }
  Shortcut ResolveShortcut(const std::string& lnk) override {
    auto it = shortcuts.find(lnk);
    return it == shortcuts.end() ? Shortcut{} : it->second;
  }
  bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                       std::string* chosen) override {
    browsed.push_back(std::string(title) + "|" + initial + (with_files ? "|files" : ""));
    if (browse_result.empty()) return false;
    *chosen = browse_result;
    return true;
  }
  std::vector<std::string> opened, browsed;
  std::map<std::string, Shortcut> shortcuts;
  std::string browse_result;
};

}  // namespace qd::test
