#include "common/win32/font_win32.h"

#include <cstring>

#include "common/cp932.h"
#include "common/point_font.h"

namespace qd {

std::string FitFontFace(std::string_view face) {
  constexpr std::size_t kRoom = LF_FACESIZE - 1;
  std::size_t n = 0;
  while (n < face.size()) {
    const std::size_t len = cp932::CharLength(face, n);
    if (n + len > kRoom) break;
    n += len;
  }
  return std::string(face.substr(0, n));
}

UniqueFont CreatePointFont(std::string_view face, int tenths) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTA lf{};
  lf.lfHeight = PointFontHeight(tenths, dpi);
  lf.lfCharSet = DEFAULT_CHARSET;
  const std::string fitted = FitFontFace(face);
  std::memcpy(lf.lfFaceName, fitted.data(), fitted.size());
  return UniqueFont(CreateFontIndirectA(&lf));
}

}  // namespace qd
