// The filer's main dialog on Win32: creates the panes, implements the frame
// port, and routes every message to FilerWindow.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "common/handles_win32.h"
#include "filer/core/filer_window.h"
#include "filer/core/list_view_pane_win32.h"
#include "filer/core/platform_win32.h"
#include "filer/core/shell_win32.h"

namespace qd {

class FilerDialog : public FramePort {
 public:
  FilerDialog(SettingsFile& settings, std::string program_folder, std::string pending_path);
  ~FilerDialog() override;
  FilerDialog(const FilerDialog&) = delete;
  FilerDialog& operator=(const FilerDialog&) = delete;

  // Creates the window from template 102, hidden; false when that fails.
  bool Create();
  // Shows the window and runs it modally until it closes.
  void Run();
  // One message of the modal loop: key pre-translation, then the dialog.
  void Dispatch(MSG& msg);

  HWND hwnd() const { return hwnd_.get(); }
  FilerWindow& filer() { return *filer_; }
  bool closed() const { return closed_; }

  void MovePane(Pane pane, const PaneRect& rect) override;
  void SetTitle(std::string_view title) override;
  WindowState GetWindowState() override;
  void SetWindowRect(int left, int top, int right, int bottom) override;
  void SetPaneFont(std::string_view face, int tenths) override;
  void ShowMenuBar(bool shown) override;
  Answer AskOkCancel(std::string_view text) override;
  void ShowError(std::string_view text) override;
  void Beep() override { MessageBeep(static_cast<UINT>(-1)); }
  void Close() override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnInitDialog();
  bool OnSysCommand(WPARAM id);
  void PaintMinimised();
  bool PreTranslate(const MSG& msg);
  LRESULT OnFileListNotify(NMHDR* header);
  HWND PaneWindow(Pane pane) const;

  SettingsFile& settings_;
  std::string program_folder_;
  std::string pending_path_;
  UniqueWindow hwnd_;
  HWND tab_strip_ = nullptr;
  FileListView file_list_;
  ListViewPane message_area_, search_line_;
  ListBoxStore history_;
  Win32FileSystem fs_;
  Win32KeyState keys_;
  TabControlStrip tab_control_;
  std::unique_ptr<Win32Shell> shell_;
  std::unique_ptr<FilerWindow> filer_;
  UniqueFont font_;
  UniqueMenu detached_menu_;
  HICON icon_ = nullptr;
  bool closed_ = false;

  // Shell objects that live as long as the window.
  bool com_initialised_ = false;
  ComPtr<IShellLinkA> shell_link_;
  ComPtr<IPersistFile> shell_link_file_;
  ComPtr<IMalloc> shell_malloc_;
  ComPtr<IShellFolder> desktop_folder_;
};

}  // namespace qd
