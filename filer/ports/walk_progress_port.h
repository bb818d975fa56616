// What a long walk of folders needs of the window: a chance to handle its
// input and paint between folders, and the user's word that it should stop.
#pragma once

namespace qd {

class WalkProgressPort {
 public:
  virtual ~WalkProgressPort() = default;
  // The walk begins: the wait cursor shows until Ended.
  virtual void Started() = 0;
  virtual void Ended() = 0;
  // Asked before each folder; true when the window is due to be brought up
  // to date (some time has passed since it last was), so that the walk
  // need not update the panes at every folder.
  virtual bool Due() = 0;
  // Handles the input and painting that wait; true when the user pressed
  // Esc. Other input is dropped while the walk runs: no command may start
  // in the middle of it.
  virtual bool StopRequested() = 0;
};

}  // namespace qd
