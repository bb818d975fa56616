// Scenarios with the real Qd.exe: ending it, the exit question, and the
// single-instance hand-over between processes.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "filer/core/filer_app.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(QdExe, EscEndsIt) {
  Win32TempDir dir;
  QdProcess qd(dir.path());
  ASSERT_TRUE(qd.started()) << BuiltQdExe();
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  // The filer lists the folder it was started in.
  EXPECT_TRUE(test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + dir.path() + "\\*.*]"; }))
      << WindowTitle(main);
  // The instance mutex is held while the filer runs.
  const std::string mutex = InstanceMutexName(dir.File("Qd.ini"));
  UniqueHandle held(OpenMutexA(SYNCHRONIZE, FALSE, mutex.c_str()));
  EXPECT_TRUE(held);
  held.reset();
  qd.PostKey(VK_ESCAPE);
  ASSERT_TRUE(qd.WaitForExit());
  EXPECT_EQ(qd.ExitCode(), 0u);
}

TEST(QdExe, RealEscKeyPressEndsIt) {
  Win32TempDir dir;
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  SetForegroundWindow(main);
  ASSERT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == main; }));
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  EXPECT_TRUE(qd.WaitForExit());
}

TEST(QdExe, WithEscSetItAsksAndCancelKeepsItRunning) {
  Win32TempDir dir;
  ProfileSettingsFile(dir.File("Qd.ini")).WriteInt("Conf-Main", "Esc", 1);
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);

  qd.PostKey(VK_ESCAPE);
  HWND box = qd.WaitForPopup();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(Contains(ChildTexts(box), "Qd を終了します。"));
  SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(box); }));
  EXPECT_FALSE(qd.WaitForExit(500));
  EXPECT_TRUE(IsWindowVisible(main));

  // The close box asks the same question; OK ends the filer.
  PostMessageA(main, WM_CLOSE, 0, 0);
  box = qd.WaitForPopup();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(Contains(ChildTexts(box), "Qd を終了します。"));
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(qd.WaitForExit());
}

// Plays the running filer: a top-level window with the filer's title prefix
// that records the commands posted to it.
class FakeFilerWindow {
 public:
  FakeFilerWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QdE2EFakeFiler";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowA("QdE2EFakeFiler", " Qd - [C:\\fake\\*.*]", WS_OVERLAPPEDWINDOW, 10, 10,
                          200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  }
  ~FakeFilerWindow() { DestroyWindow(hwnd_); }

  HWND hwnd() const { return hwnd_; }
  std::vector<std::pair<WPARAM, LPARAM>> commands;

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<FakeFilerWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (msg == WM_COMMAND && self) self->commands.emplace_back(wp, lp);
    return DefWindowProcA(w, msg, wp, lp);
  }
  HWND hwnd_ = nullptr;
};

// A window with the title prefix that another program shows above the
// filer is passed over: the slot in this copy's Qd.ini is only for this
// copy's filer.
TEST(QdExe, SecondStartWithNewProcHandsItsPathToItsOwnFilerAndEnds) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Conf-Main", "NewProc", 1);
  const std::string target = dir.File("表示");
  CreateDirectoryA(target.c_str(), nullptr);
  test::WriteFileBytes(target + "\\ソフト.txt", "x");
  QdProcess first(dir.path());
  HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  FakeFilerWindow filer;
  SetWindowPos(filer.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  QdProcess second(dir.path(), target + "\\ソフト.txt");
  bool second_showed_a_window = false;
  const bool ended = test::WaitFor([&] {
    if (!ProcessWindows(second.pid()).empty()) second_showed_a_window = true;
    return !second.Running();
  });
  ASSERT_TRUE(ended);
  EXPECT_FALSE(second_showed_a_window);
  EXPECT_EQ(second.ExitCode(), 0u);
  test::PumpMessages(100);
  EXPECT_TRUE(filer.commands.empty());
  EXPECT_TRUE(test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + target + "\\*.*]"; }))
      << WindowTitle(main);
  EXPECT_EQ(ini.ReadString("Etc", "CmdLine", "x"), "");  // the filer took it
  EXPECT_TRUE(first.Running());
}

TEST(QdExe, HandOverRestoresTheRunningFilerWhichTakesTheSlot) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Conf-Main", "NewProc", 1);
  QdProcess first(dir.path());
  HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::WaitFor([&] { return WindowTitle(main).rfind(" Qd - [", 0) == 0; }));
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(test::WaitFor([&] { return IsIconic(main) != FALSE; }));

  QdProcess second(dir.path(), "C:\\windows");
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_TRUE(test::WaitFor([&] { return !IsIconic(main); }));
  EXPECT_TRUE(test::WaitFor([&] { return ini.ReadString("Etc", "CmdLine", "x").empty(); }));
  EXPECT_TRUE(first.Running());
}

// The first copy holds the mutex but shows no window (it may be starting,
// or hung): after waiting a while the second start runs as a filer itself,
// with its path, rather than leave the path in a slot nobody reads.
TEST(QdExe, HandOverWithNoFilerWindowRunsAsTheFilerWithThePath) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Conf-Main", "NewProc", 1);
  CopyFileA(BuiltQdExe().c_str(), dir.File("Qd.exe").c_str(), FALSE);
  const std::string name = InstanceMutexName(dir.File("Qd.ini"));
  UniqueHandle starting(CreateMutexA(nullptr, FALSE, name.c_str()));
  ASSERT_TRUE(starting);
  const std::string target = dir.File("sub");
  CreateDirectoryA(target.c_str(), nullptr);
  QdProcess second(dir.path(), target);
  HWND main = second.WaitForMainWindow(20000);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(test::WaitFor([&] { return WindowTitle(main) == " Qd - [" + target + "\\*.*]"; }))
      << WindowTitle(main);
  EXPECT_EQ(ini.ReadString("Etc", "CmdLine", "untouched"), "untouched");
  second.PostKey(VK_ESCAPE);
  EXPECT_TRUE(second.WaitForExit());
}

TEST(QdExe, SecondStartWithoutNewProcRunsASecondFiler) {
  Win32TempDir dir;
  QdProcess first(dir.path());
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  FakeFilerWindow filer;
  QdProcess second(dir.path(), "C:\\windows");
  ASSERT_NE(second.WaitForMainWindow(), nullptr);
  EXPECT_TRUE(first.Running());
  test::PumpMessages(50);
  EXPECT_TRUE(filer.commands.empty());
  second.PostKey(VK_ESCAPE);
  first.PostKey(VK_ESCAPE);
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_TRUE(first.WaitForExit());
}

TEST(QdExe, CopiesInDifferentFoldersBothRunWithNewProc) {
  Win32TempDir one, two;
  ProfileSettingsFile(one.File("Qd.ini")).WriteInt("Conf-Main", "NewProc", 1);
  ProfileSettingsFile(two.File("Qd.ini")).WriteInt("Conf-Main", "NewProc", 1);
  QdProcess a(one.path());
  ASSERT_NE(a.WaitForMainWindow(), nullptr);
  QdProcess b(two.path());
  ASSERT_NE(b.WaitForMainWindow(), nullptr);
  EXPECT_TRUE(a.Running());
  EXPECT_TRUE(b.Running());
}

}  // namespace
}  // namespace qd::e2e
