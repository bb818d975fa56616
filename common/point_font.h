// Point sizes of the programs' fonts: the settings keep whole points, the
// fonts are made at tenths of a point, and the screen wants pixels.
#pragma once

namespace qd {

// FontSize x 10 tenths of a point (a hand-edited size that would overflow
// is held at the limit).
constexpr int FontTenths(int font_size) {
  const long long t = static_cast<long long>(font_size) * 10;
  return t > 0x7FFFFFFF ? 0x7FFFFFFF : t < -0x7FFFFFFF ? -0x7FFFFFFF : static_cast<int>(t);
}

// Height of that font for a screen of `dpi` pixels per inch: the point size
// turned into pixels, negative to ask for the character height, held within
// 32 bits.
constexpr int PointFontHeight(int tenths, int dpi) {
  long long px = static_cast<long long>(dpi) * tenths / 720;
  if (px < 0) px = -px;
  return px > 0x7FFFFFFF ? -0x7FFFFFFF : -static_cast<int>(px);
}

}  // namespace qd
