// The programs' message boxes, each owned by a window (or none).
#pragma once

#include <windows.h>

#include <string_view>

namespace qd {

// An error or a notice with an OK button alone.
void ShowErrorBox(HWND owner, std::string_view text, std::string_view caption = "Qd");
// A question with OK and Cancel and the question icon; true for OK.
bool AskOkCancelBox(HWND owner, std::string_view text, std::string_view caption = "Qd");
// The system's standard beep.
void StandardBeep();

}  // namespace qd
