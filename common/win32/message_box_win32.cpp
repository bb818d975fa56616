#include "common/win32/message_box_win32.h"

#include <string>

namespace qd {

void ShowErrorBox(HWND owner, std::string_view text, std::string_view caption) {
  MessageBoxA(owner, std::string(text).c_str(), std::string(caption).c_str(), MB_OK);
}

bool AskOkCancelBox(HWND owner, std::string_view text, std::string_view caption) {
  return MessageBoxA(owner, std::string(text).c_str(), std::string(caption).c_str(),
                     MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void StandardBeep() { MessageBeep(static_cast<UINT>(-1)); }

}  // namespace qd
