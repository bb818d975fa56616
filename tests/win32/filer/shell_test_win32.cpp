// The shell cases on the Win32 shell, in a fresh temporary folder; the
// shell's questions are answered Cancel as a user would.
#include "filer/win32/shell_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/contracts/shell_cases.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

class Win32ShellSandbox;
Win32ShellSandbox* g_sandbox = nullptr;

class Win32ShellSandbox : public test::ShellSandbox {
 public:
  Win32ShellSandbox() {
    char path[MAX_PATH];
    root_ = std::string(path, GetLongPathNameA(dir_.path().c_str(), path, MAX_PATH));
    g_sandbox = this;
    // A question runs a modal loop of its own, which calls the timer.
    timer_ = SetTimer(nullptr, 0, 50, AnswerCancel);
  }
  ~Win32ShellSandbox() override {
    KillTimer(nullptr, timer_);
    g_sandbox = nullptr;
  }

  ShellPort& port() override { return shell_; }
  std::string root() override { return root_; }
  void MakeFolder(const std::string& path) override {
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
  }
  void MakeFile(const std::string& path, const std::string& bytes) override {
    test::WriteFileBytes(path, bytes);
  }
  long long SizeOf(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  int Questions() override { return questions_; }

 private:
  static void CALLBACK AnswerCancel(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = GetActiveWindow();
    if (!g_sandbox || !box || box == g_sandbox->last_ || !IsWindowVisible(box)) return;
    g_sandbox->last_ = box;
    ++g_sandbox->questions_;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  }

  test::Win32TempDir dir_;
  Win32Shell shell_;
  std::string root_;
  UINT_PTR timer_ = 0;
  HWND last_ = nullptr;
  int questions_ = 0;
};

TEST(Win32Shell, AnswersEveryCaseAsTheFakeDoes) {
  test::RunShellCases([] { return std::make_unique<Win32ShellSandbox>(); });
}

}  // namespace
}  // namespace qd
