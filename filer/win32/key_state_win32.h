// The key state port: the modifier state of the message being handled.
#pragma once

#include <windows.h>

#include "filer/ports/key_state_port.h"

namespace qd {

class Win32KeyState : public KeyStatePort {
 public:
  bool ShiftDown() override { return GetKeyState(VK_SHIFT) & 0x8000; }
  bool CtrlDown() override { return GetKeyState(VK_CONTROL) & 0x8000; }
  bool AltDown() override { return GetKeyState(VK_MENU) & 0x8000; }
};

}  // namespace qd
