#include "common/win32/control_text_win32.h"

#include <cstring>

#include "common/cp932.h"

namespace qd {

void CopyCellText(std::string_view text, char* buffer, int size) {
  if (size <= 0) return;
  std::size_t n = 0;
  const std::size_t room = static_cast<std::size_t>(size - 1);
  while (n < text.size()) {
    const std::size_t len = cp932::CharLength(text, n);
    if (n + len > room) break;
    n += len;
  }
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

}  // namespace qd
