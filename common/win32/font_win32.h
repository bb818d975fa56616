// Fonts made from a face name and a size.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/win32/handles_win32.h"

namespace qd {

// The face as LOGFONT holds it: at most 31 bytes, cut before a double-byte
// character that would not fit whole.
std::string FitFontFace(std::string_view face);

// A font of `face` at `tenths` of a point on the screen (the character
// height, whatever the sign of `tenths`); empty when it cannot be made.
UniqueFont CreatePointFont(std::string_view face, int tenths);

}  // namespace qd
