// Helpers for the suites that run under Wine.
#pragma once

#include <windows.h>

#include <string>

namespace qd::test {

// A fresh folder under the temporary folder, removed with its files.
class Win32TempDir {
 public:
  Win32TempDir();
  ~Win32TempDir();
  Win32TempDir(const Win32TempDir&) = delete;
  Win32TempDir& operator=(const Win32TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Creates a folder; its path may pass MAX_PATH, which the A functions refuse.
bool CreateFolder(const std::string& path);

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// A shortcut written with the shell link object, as the shell writes them.
bool WriteShortcut(const std::string& target, const std::string& lnk);

// Handles the messages waiting for this thread's windows for `ms`.
void PumpMessages(DWORD ms);

// Polls `done` while pumping messages; true when it held before `ms` ran out.
template <typename F>
bool WaitFor(F done, DWORD ms = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    PumpMessages(10);
  }
  return true;
}

}  // namespace qd::test
