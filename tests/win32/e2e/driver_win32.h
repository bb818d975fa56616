// Starts copies of the real Qd.exe and drives them from outside, as a user
// or a second program would.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/win32/handles_win32.h"

namespace qd::e2e {

// The Qd.exe the build put into dist/.
std::string BuiltQdExe();

// Visible top-level windows of a process.
std::vector<HWND> ProcessWindows(DWORD pid);

// Texts of a window's children (a message box's question, its buttons).
std::vector<std::string> ChildTexts(HWND w);

std::string WindowTitle(HWND w);

// A cell text of a list view in another process (the buffer must live in
// that process).
std::string RemoteItemText(HWND list, int row, int column);
// Presses a button of a dialog in another process.
void ClickButton(HWND dialog, int id);
// The text of a dialog's control (up to MAX_PATH bytes).
std::string ControlText(HWND dialog, int id);
// Whether a file or folder is there, as this test process sees it.
bool Exists(const std::string& path);

// The text of the selected tab of a tab control in another process.
std::string RemoteTabText(HWND tabs, int index);

// Readers of a main window in another process: its file list (control
// IDC_FILE_LIST), message area (IDC_MESSAGE_AREA) and search line
// (IDC_SEARCH_LINE).
HWND FileList(HWND main);
int FocusedRow(HWND main);
int SelectedRow(HWND main);  // the first selected row, -1 when none
int RowCount(HWND main);
// A file row's name: the name column and the extension column.
std::string RowName(HWND main, int row);
// The names of all selected rows, each followed by "|".
std::string SelectedNames(HWND main);
std::string MessageText(HWND main);
std::string SearchLineText(HWND main);

// Bytes as an input method hands them over: one WM_CHAR each, double-byte
// characters as lead byte then trail byte; to the file list of a main
// window, or to any control.
void PostChars(HWND main, const std::string& bytes);
void PostCharsTo(HWND control, const std::string& bytes);

class QdProcess {
 public:
  // Copies Qd.exe into `folder` (once) and starts it with `args`.
  QdProcess(const std::string& folder, const std::string& args = "");
  // The same, with `current_dir` as the process's current folder.
  QdProcess(const std::string& folder, const std::string& args, const std::string& current_dir);
  ~QdProcess();  // ends a copy that is still running
  QdProcess(const QdProcess&) = delete;
  QdProcess& operator=(const QdProcess&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD pid() const { return pid_; }
  // The main window, once it is shown (nullptr after `ms`).
  HWND WaitForMainWindow(DWORD ms = 10000);
  // A second visible dialog of the process above the main window.
  HWND WaitForPopup(DWORD ms = 10000);
  // A dialog of the process (a message box) with `text` among its
  // children's texts, once it is shown; it may come before the main window.
  HWND WaitForBoxWithText(const std::string& text, DWORD ms = 10000);
  // Whether a dialog other than the main window is shown.
  bool ShowsOtherDialog() const;
  // Posts a key press to the control that has the focus in the main window.
  void PostKey(UINT vk);
  bool WaitForExit(DWORD ms = 10000);
  bool Running() const;
  DWORD ExitCode() const;

 private:
  HWND WaitForDialog(const std::function<bool(HWND)>& wanted, DWORD ms);

  UniqueHandle process_;
  DWORD pid_ = 0;
  DWORD thread_id_ = 0;
  HWND main_ = nullptr;
};

// Esc with the default settings ends the filer; it saves its state on the way.
::testing::AssertionResult EndsNormally(QdProcess& qd);

}  // namespace qd::e2e
