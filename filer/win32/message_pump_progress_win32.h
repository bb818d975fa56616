// The walk's look at the window: between folders the thread's waiting
// messages are handled as far as is safe while a command runs.
#pragma once

#include <windows.h>

#include "filer/ports/walk_progress_port.h"

namespace qd {

class MessagePumpProgress : public WalkProgressPort {
 public:
  // How often the panes are brought up to date while a walk runs.
  static constexpr DWORD kIntervalMs = 100;

  void Started() override;
  void Ended() override;
  bool Due() override;
  bool StopRequested() override;

 private:
  HCURSOR previous_cursor_ = nullptr;
  DWORD last_ = 0;
};

}  // namespace qd
