// The preferences the main window reads when it initialises.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings_file.h"

namespace qd {

using Colour = uint32_t;  // 0x00BBGGRR; stored values may have a top byte

struct Preferences {
  bool confirm_exit = false;  // Conf-Main/Esc
  uint32_t folder_open = 200;
  uint32_t history = 50;
  uint32_t sort = 200;
  uint32_t tab_max = 20;
  Colour list_text = 0xFFFFFFFF;
  Colour list_back = 0;
  Colour msg_text = 0xFFFFFFFF;
  Colour msg_back = 0;
  std::string font_name = "Terminal";
  int font_size = 10;
  std::string jump_folder;
  std::string command_folder;
};

// The range of Conf-Main/TabMax that the settings program accepts.
inline constexpr uint32_t kTabMaxLowest = 1;
inline constexpr uint32_t kTabMaxHighest = 10000;

Preferences ReadPreferences(SettingsFile& settings);

// Stored colours may carry a top byte (the text default -1); the panes draw
// the three low bytes, so -1 is white.
constexpr Colour ColourForDrawing(Colour c) { return c & 0x00FFFFFFu; }

// The point font is made at FontSize x 10 tenths of a point (a hand-edited
// size that would overflow is held at the limit).
constexpr int FontTenths(int font_size) {
  const long long t = static_cast<long long>(font_size) * 10;
  return t > 0x7FFFFFFF ? 0x7FFFFFFF : t < -0x7FFFFFFF ? -0x7FFFFFFF : static_cast<int>(t);
}

// Height of that font for a screen of `dpi` pixels per inch: the point size
// turned into pixels, negative to ask for the character height.
constexpr int PointFontHeight(int tenths, int dpi) {
  long long px = static_cast<long long>(dpi) * tenths / 720;
  if (px < 0) px = -px;
  return px > 0x7FFFFFFF ? -0x7FFFFFFF : -static_cast<int>(px);
}

}  // namespace qd
