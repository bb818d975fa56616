#include "settings/preferences.h"

#include "settings/preference_table.h"

namespace qd {

Preferences ReadPreferences(SettingsFile& s) {
  Preferences p;
  auto u = [&s](const Preference& row) { return static_cast<uint32_t>(ReadNumber(s, row)); };
  p.confirm_exit = ReadFlag(s, pref::kEsc);
  p.folder_open = u(pref::kFolderOpen);
  p.history = u(pref::kHistory);
  p.sort = u(pref::kSort);
  // The settings program takes 1 to 10000; anything else is a hand edit
  // (-1 would ask for 4294967295 slots) and reads as the default.
  p.tab_max = u(pref::kTabMax);
  if (!InAcceptedRange(pref::kTabMax, p.tab_max)) p.tab_max = pref::kTabMax.default_number;
  p.list_text = u(pref::kListText);
  p.list_back = u(pref::kListBack);
  p.msg_text = u(pref::kMsgText);
  p.msg_back = u(pref::kMsgBack);
  p.font_name = ReadText(s, pref::kFontName);
  p.font_size = ReadNumber(s, pref::kFontSize);
  p.jump_folder = ReadText(s, pref::kJumpFolder);
  p.command_folder = ReadText(s, pref::kCommandFolder);
  return p;
}

}  // namespace qd
