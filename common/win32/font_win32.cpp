#include "common/win32/font_win32.h"

#include <cstring>

#include "common/cp932.h"
#include "common/point_font.h"

namespace qd {

std::string FitFontFace(std::string_view face) {
  return std::string(face.substr(0, cp932::FittingLength(face, LF_FACESIZE - 1)));
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
