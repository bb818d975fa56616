// The filer's main dialog on Win32: creates the panes and their adapters,
// implements the frame port, and routes every message to FilerController.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "common/win32/com_win32.h"
#include "common/win32/handles_win32.h"
#include "filer/core/filer_controller.h"
#include "filer/win32/file_system_win32.h"
#include "filer/win32/key_state_win32.h"
#include "filer/win32/list_box_history_store_win32.h"
#include "filer/win32/list_view_file_list_win32.h"
#include "filer/win32/list_view_pane_win32.h"
#include "filer/win32/message_box_prompts_win32.h"
#include "filer/win32/message_pump_progress_win32.h"
#include "filer/win32/shell_win32.h"
#include "filer/win32/tab_control_strip_win32.h"

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
  FilerController& filer() { return *filer_; }
  bool closed() const { return closed_; }

  void MovePane(Pane pane, const PaneRect& rect) override;
  void SetTitle(std::string_view title) override;
  WindowState GetWindowState() override;
  void SetWindowRect(const ScreenRect& rect) override;
  WorkAreas WorkAreasFor(const ScreenRect& rect) override;
  void SetPaneFont(std::string_view face, int tenths) override;
  void ShowMenuBar(bool shown) override;
  void Close() override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnInitDialog();
  bool OnSysCommand(WPARAM id);
  void PaintMinimised();
  bool PreTranslate(const MSG& msg);
  LRESULT OnFileListNotify(NMHDR* header);
  void OnDropFiles(HDROP drop);
  HWND PaneWindow(Pane pane) const;

  // COM for the shell's objects, first in and last out.
  ComInitialisation com_;
  SettingsFile& settings_;
  std::string program_folder_;
  std::string pending_path_;
  UniqueWindow hwnd_;
  ListViewFileList file_list_;
  ListViewPane message_area_, search_line_;
  ListBoxHistoryStore history_;
  Win32FileSystem fs_;
  Win32KeyState keys_;
  TabControlStrip tab_strip_;
  MessageBoxPrompts prompts_;
  MessagePumpProgress walk_progress_;
  Win32Shell shell_;
  std::unique_ptr<FilerController> filer_;
  UniqueFont font_;
  UniqueMenu detached_menu_;
  HICON icon_ = nullptr;
  bool closed_ = false;
};

}  // namespace qd
