#include "settings/preferences.h"

namespace qd {

Preferences ReadPreferences(SettingsFile& s) {
  Preferences p;
  auto u = [](int32_t v) { return static_cast<uint32_t>(v); };
  p.confirm_exit = s.ReadInt("Conf-Main", "Esc", 0) != 0;
  p.folder_open = u(s.ReadInt("Conf-Main", "FolderOpen", 200));
  p.history = u(s.ReadInt("Conf-Main", "History", 50));
  p.sort = u(s.ReadInt("Conf-Main", "Sort", 200));
  // The settings program takes 1 to 10000; anything else is a hand edit
  // (-1 would ask for 4294967295 slots) and reads as the default.
  p.tab_max = u(s.ReadInt("Conf-Main", "TabMax", 20));
  if (p.tab_max < kTabMaxLowest || p.tab_max > kTabMaxHighest) p.tab_max = Preferences{}.tab_max;
  p.list_text = u(s.ReadInt("Conf-Display", "ListText", -1));
  p.list_back = u(s.ReadInt("Conf-Display", "ListBack", 0));
  p.msg_text = u(s.ReadInt("Conf-Display", "MsgText", -1));
  p.msg_back = u(s.ReadInt("Conf-Display", "MsgBack", 0));
  p.font_name = s.ReadString("Conf-Display", "FontName", "Terminal");
  p.font_size = s.ReadInt("Conf-Display", "FontSize", 10);
  p.jump_folder = s.ReadString("Conf-Folder", "JumpFolder", "");
  p.command_folder = s.ReadString("Conf-Folder", "CommandFolder", "");
  return p;
}

}  // namespace qd
