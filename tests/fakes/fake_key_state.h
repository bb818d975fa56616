// Modifier keys set by the test.
#pragma once

#include "filer/ports/key_state_port.h"

namespace qd::test {

class FakeKeyState : public KeyStatePort {
 public:
  bool ShiftDown() override { return shift; }
  bool CtrlDown() override { return ctrl; }
  bool AltDown() override { return alt; }
  bool shift = false, ctrl = false, alt = false;
};

}  // namespace qd::test
