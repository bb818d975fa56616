// The filer's main window as behaviour: it owns the preferences and the
// state of the filer and runs every command. The Win32 dialog creates the
// controls, hands them over as ports and routes its messages here.
#pragma once

#include <string>
#include <string_view>

#include "filer/core/ports.h"
#include "filer/core/preferences.h"
#include "settings/settings_file.h"

namespace qd {

enum class ViewMode { Normal, TemporaryMove, List };

// Fields of the search line.
enum class SearchField { Search = 0, FileMessege = 1, Mode = 2, FileInf = 3 };

// Widths of the file list's five columns, the saved defaults.
struct ColumnWidths {
  int name = 125, ext = 60, size = 60, date = 135, attr = 50;
};

// The window rectangle used when none was saved.
struct WindowRect {
  int left = 268, top = 50, right = 727, bottom = 650;
};

inline constexpr std::string_view kVersionText = "Quenda v0.53";
inline constexpr std::string_view kExitQuestion = "Qd を終了します。";

class FilerWindow {
 public:
  struct Panes {
    ListPort& file_list;
    ListPort& message_area;
    ListPort& search_line;
  };

  FilerWindow(SettingsFile& settings, FramePort& frame, Panes panes, std::string program_folder,
              std::string pending_path);

  // Everything the window does when it is created, after the Win32 side has
  // set up the system menu, the icons and the drop targets.
  void Initialise();

  // Size change of the client area; nothing happens before Initialise.
  void OnSize(int client_width, int client_height);

  // A menu command, a bound key's command, or OK (1) and Cancel (2) of the
  // dialog. Returns false for an identifier the filer does not know.
  bool OnCommand(int id);

  // Esc, the close box and CmdExit: back out of a pick list or a temporary
  // move first, ask when Conf-Main/Esc is set, then save and close.
  void Cancel();

  void ShowMessage(std::string_view text, bool repaint);
  void SetSearchLineField(SearchField field, std::string_view text);
  void CmdToggleMenu();
  // A second start has written its command line to Etc/CmdLine.
  void CmdPathNotify();

  const Preferences& preferences() const { return prefs_; }
  bool menu_shown() const { return menu_shown_; }
  ViewMode view_mode() const { return view_mode_; }
  const std::string& program_folder() const { return program_folder_; }
  const std::string& pending_path() const { return pending_path_; }

 private:
  void ReadAndApplyPreferences();
  void CreatePaneColumns(const ColumnWidths& widths);

  SettingsFile& settings_;
  FramePort& frame_;
  Panes panes_;
  std::string program_folder_;
  std::string pending_path_;
  Preferences prefs_;
  bool initialised_ = false;
  bool menu_shown_ = true;  // the template attaches the menu bar
  ViewMode view_mode_ = ViewMode::Normal;
  int list_kind_ = 0;
  int sort_column_ = 0;
  bool sort_ascending_ = true;
};

}  // namespace qd
