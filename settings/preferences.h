// The preferences the main window reads when it initialises (and again
// after the settings program has ended); their rows are in preference_table.h.
#pragma once

#include <cstdint>
#include <string>

#include "common/point_font.h"
#include "settings/preference_table.h"
#include "settings/settings_file.h"

namespace qd {

using Colour = uint32_t;  // 0x00BBGGRR; stored values may have a top byte

// Defaults are the table's, for a filer that has not read the file yet.
struct Preferences {
  bool confirm_exit = pref::kEsc.default_number != 0;
  uint32_t folder_open = pref::kFolderOpen.default_number;
  uint32_t history = pref::kHistory.default_number;
  uint32_t sort = pref::kSort.default_number;
  uint32_t tab_max = pref::kTabMax.default_number;
  Colour list_text = static_cast<Colour>(pref::kListText.default_number);
  Colour list_back = static_cast<Colour>(pref::kListBack.default_number);
  Colour msg_text = static_cast<Colour>(pref::kMsgText.default_number);
  Colour msg_back = static_cast<Colour>(pref::kMsgBack.default_number);
  std::string font_name{pref::kFontName.default_text};
  int font_size = pref::kFontSize.default_number;
  std::string jump_folder{pref::kJumpFolder.default_text};
  std::string command_folder{pref::kCommandFolder.default_text};
};

Preferences ReadPreferences(SettingsFile& settings);

// Stored colours may carry a top byte (the text default -1); the panes draw
// the three low bytes, so -1 is white.
constexpr Colour ColourForDrawing(Colour c) { return c & 0x00FFFFFFu; }

}  // namespace qd
