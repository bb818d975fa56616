// A walk's look at the window, counted; Esc comes at the asking set.
#pragma once

#include "filer/ports/walk_progress_port.h"

namespace qd::test {

class FakeWalkProgress : public WalkProgressPort {
 public:
  void Started() override { ++started; }
  void Ended() override { ++ended; }
  bool Due() override { return due; }
  // With `stop_at` n, the n-th question (from 1) finds Esc pressed.
  bool StopRequested() override { return ++asked == stop_at; }

  bool due = true;
  int stop_at = 0;
  int asked = 0, started = 0, ended = 0;
};

}  // namespace qd::test
