#include "common/win32/control_text_win32.h"

#include <cstring>
#include <vector>

#include "common/cp932.h"

namespace qd {

void CopyCellText(std::string_view text, char* buffer, int size) {
  if (size <= 0) return;
  const std::size_t n = cp932::FittingLength(text, static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

std::string DialogItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1);
  const int n = GetWindowTextA(item, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

}  // namespace qd
