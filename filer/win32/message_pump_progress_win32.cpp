#include "filer/win32/message_pump_progress_win32.h"

namespace qd {

void MessagePumpProgress::Started() {
  previous_cursor_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
  last_ = GetTickCount();
}

void MessagePumpProgress::Ended() { SetCursor(previous_cursor_); }

bool MessagePumpProgress::Due() {
  const DWORD now = GetTickCount();
  if (now - last_ < kIntervalMs) return false;
  last_ = now;
  return true;
}

// Keys and mouse clicks are taken out of the queue and dropped, but for
// Esc: a key or click that ran a command now would run it in the middle of
// the walk. Commands posted by other programs (a hand-over) stay queued for
// afterwards. Only painting is dispatched; messages sent by other threads
// are handled by PeekMessage itself.
bool MessagePumpProgress::StopRequested() {
  bool stop = false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) stop = true;
  }
  while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK, PM_REMOVE)) {
  }
  while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&msg);
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
  return stop;
}

}  // namespace qd
