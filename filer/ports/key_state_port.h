// Whether the modifier keys are down at the time of the current message.
#pragma once

namespace qd {

class KeyStatePort {
 public:
  virtual ~KeyStatePort() = default;
  virtual bool ShiftDown() = 0;
  virtual bool CtrlDown() = 0;
  virtual bool AltDown() = 0;
};

}  // namespace qd
