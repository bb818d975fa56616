// COM for the thread that uses the shell's objects.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace qd {

// COM initialised on this thread for as long as the guard lives; undone
// only when it succeeded.
class ComInitialisation {
 public:
  ComInitialisation() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComInitialisation() {
    if (ok_) CoUninitialize();
  }
  ComInitialisation(const ComInitialisation&) = delete;
  ComInitialisation& operator=(const ComInitialisation&) = delete;

  bool ok() const { return ok_; }

 private:
  bool ok_;
};

}  // namespace qd
