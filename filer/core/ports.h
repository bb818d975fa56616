// What FilerWindow needs of the world, as small interfaces. The Win32 main
// dialog implements them on real controls; tests use in-memory fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qd {

using Colour = uint32_t;  // 0x00BBGGRR; stored values may have a top byte

enum class Align { Left, Right, Centre };

// What every report-style list offers: the file list, the message area and
// the search line.
class ReportPort {
 public:
  virtual ~ReportPort() = default;
  virtual void InsertColumn(int index, std::string_view header, Align align, int width) = 0;
  virtual void DeleteColumn(int index) = 0;
  virtual int ColumnCount() const = 0;
  virtual int ColumnWidth(int index) const = 0;
  virtual void SetColumnWidth(int index, int width) = 0;
  virtual void SetColours(Colour back, Colour text_back, Colour text) = 0;
  virtual void SetFullRowSelect(bool with_tooltips) = 0;
  // Invalidate, erase and repaint at once.
  virtual void RepaintNow() = 0;
};

// The one-row panes, which hold their own texts.
class ListPort : public ReportPort {
 public:
  virtual void DeleteAllRows() = 0;
  virtual void InsertRow(int index, std::string_view text) = 0;
  virtual void SetCellText(int row, int column, std::string_view text) = 0;
  virtual std::string CellText(int row, int column) const = 0;
};

// The file list. Its texts come from the filer's row store; the control
// holds only the number of rows and their selected and focused states.
class FileListPort : public ReportPort {
 public:
  // A new number of rows; every state is cleared and every text re-read.
  virtual void SetRowCount(int count) = 0;
  virtual int RowCount() const = 0;
  // Later rows move up by one, their states with them.
  virtual void DeleteRow(int row) = 0;
  // The texts of the rows changed (a sort): read them again.
  virtual void InvalidateRows() = 0;
  virtual bool IsSelected(int row) const = 0;
  virtual void SetSelected(int row, bool selected) = 0;
  virtual bool IsFocused(int row) const = 0;
  virtual void SetFocused(int row, bool focused) = 0;
  // The first selected row after `after` (-1: from the start), or -1.
  virtual int NextSelected(int after) const = 0;
  virtual int SelectedCount() const = 0;
  virtual int TopRow() const = 0;
  virtual int RowsPerPage() const = 0;
  // Scrolls as little as needed to show the row.
  virtual void EnsureVisible(int row) = 0;
  // Moves the list's own keyboard anchor to the row, so that Shift and an
  // arrow extend the selection from there.
  virtual void MoveAnchorTo(int row) = 0;
  virtual void SuspendRepaint() = 0;
  virtual void ResumeRepaint() = 0;
  virtual void Focus() = 0;
};

// The hidden list box that stores the folder history.
class HistoryStorePort {
 public:
  virtual ~HistoryStorePort() = default;
  virtual void Add(std::string_view text) = 0;
  virtual void Insert(int index, std::string_view text) = 0;
  virtual void Delete(int index) = 0;
  virtual std::string Text(int index) const = 0;
  virtual int Count() const = 0;
  virtual void Clear() = 0;
};

// One entry of a directory search.
struct FoundEntry {
  std::string_view name;
  uint32_t attributes;
  uint64_t size;        // all 64 bits
  uint64_t write_time;  // FILETIME: 100 ns since 1601-01-01, UTC
};

inline constexpr uint32_t kAttrReadOnly = 0x01;
inline constexpr uint32_t kAttrHidden = 0x02;
inline constexpr uint32_t kAttrSystem = 0x04;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;

class EntrySink {
 public:
  virtual void Add(const FoundEntry& entry) = 0;

 protected:
  ~EntrySink() = default;
};

class FileSystemPort {
 public:
  virtual ~FileSystemPort() = default;
  virtual std::string CurrentDirectory() = 0;
  virtual bool ChangeDirectory(const std::string& path) = 0;
  // A directory search for `pattern`, relative to the current directory;
  // nothing is found when the search fails.
  virtual void Search(const std::string& pattern, EntrySink& sink) = 0;
  // Whether a directory search for the path finds anything.
  virtual bool Exists(const std::string& path) = 0;
  // UTC file time to local file time; false when it cannot be converted.
  virtual bool ToLocalFileTime(uint64_t utc, uint64_t* local) = 0;
  // The name a directory search for the path reports (its long form, in
  // the case stored on disk); false when nothing is found.
  virtual bool FindName(const std::string& path, std::string* name) = 0;
  // The attributes of a path; false when it does not exist.
  virtual bool Attributes(const std::string& path, uint32_t* attributes) = 0;
  // Bit 0 is drive A.
  virtual uint32_t LogicalDrives() = 0;
  // A drive's own current folder (drive 1 is A); false when it has none.
  virtual bool DriveCurrentDirectory(int drive, std::string* path) = 0;
  // Makes the drive current; false when it cannot be.
  virtual bool ChangeDrive(int drive) = 0;
  // The 8.3 form of a path, or the path itself when there is none.
  virtual std::string ShortPath(const std::string& path) = 0;
};

// The tab strip: one tab per open folder.
class TabStripPort {
 public:
  virtual ~TabStripPort() = default;
  virtual void InsertTab(int index, std::string_view text) = 0;
  virtual void SetTabText(int index, std::string_view text) = 0;
  virtual void DeleteTab(int index) = 0;
  virtual int TabCount() const = 0;
  virtual int SelectedTab() const = 0;  // -1 when none
  virtual void SelectTab(int index) = 0;
  virtual void Repaint() = 0;
};

// What the filer leaves to the shell.
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Opens a document with the "open" verb (or starts a program) with a
  // parameter line; returns at once.
  virtual void Open(const std::string& file, const std::string& parameters) = 0;
  struct Shortcut {
    bool ok = false;
    std::string target;
    bool folder = false;
  };
  // Loads a .lnk file, resolves it without a window and reads its target.
  virtual Shortcut ResolveShortcut(const std::string& lnk) = 0;
  // The shell's folder browser, starting at `initial`; false when cancelled.
  virtual bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                               std::string* chosen) = 0;
};

// Whether the modifier keys are down at the time of the current message.
class KeyStatePort {
 public:
  virtual ~KeyStatePort() = default;
  virtual bool ShiftDown() = 0;
  virtual bool CtrlDown() = 0;
  virtual bool AltDown() = 0;
};

struct PaneRect {
  int x, y, width, height;
  bool operator==(const PaneRect&) const = default;
};

enum class Pane { TabStrip, FileList, SearchLine, MessageArea };

enum class Answer { Ok, Cancel };

struct WindowState {
  int left = 0, top = 0, right = 0, bottom = 0;  // screen coordinates
  bool minimised = false, maximised = false;
};

// The main window itself: its panes as a whole, its menu bar, its life.
class FramePort {
 public:
  virtual ~FramePort() = default;
  virtual void MovePane(Pane pane, const PaneRect& rect) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual WindowState GetWindowState() = 0;
  // Moves the window (screen coordinates) and repaints it.
  virtual void SetWindowRect(int left, int top, int right, int bottom) = 0;
  // One point font for the four panes, `tenths` of a point high.
  virtual void SetPaneFont(std::string_view face, int tenths) = 0;
  // Loads the menu bar afresh and attaches it, or detaches it.
  virtual void ShowMenuBar(bool shown) = 0;
  // OK and Cancel with a question icon.
  virtual Answer AskOkCancel(std::string_view text) = 0;
  // A failure that stops an action: a message box with OK.
  virtual void ShowError(std::string_view text) = 0;
  virtual void Beep() = 0;
  // Ends the modal run of the window.
  virtual void Close() = 0;
};

}  // namespace qd
