// Fonts, the module path, COM and message boxes, as every program uses them.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <thread>

#include "common/win32/com_win32.h"
#include "common/win32/font_win32.h"
#include "common/win32/message_box_win32.h"
#include "common/win32/module_path_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

TEST(PointFont, TheFaceIsCutToLogfontsRoomOnACharacterBoundary) {
  const std::string ascii30(30, 'a');
  struct Case {
    std::string face, kept;
  };
  const Case cases[] = {
      {"ＭＳ ゴシック", "ＭＳ ゴシック"},
      {ascii30 + "b", ascii30 + "b"},            // 31 bytes: all of it
      {ascii30 + "bc", ascii30 + "b"},           // 32 bytes
      {ascii30 + "表", ascii30},                 // the double-byte character would be split
      {std::string(29, 'a') + "表示", std::string(29, 'a') + "表"},
      {"ソ表能ソ表能ソ表能ソ表能ソ表能ソ", "ソ表能ソ表能ソ表能ソ表能ソ表能"},  // 0x5C trail bytes
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitFontFace(c.face), c.kept) << c.face;
    UniqueFont font = CreatePointFont(c.face, 100);
    ASSERT_TRUE(font) << c.face;
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(font.get(), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(std::string(lf.lfFaceName), c.kept) << c.face;
  }
}

TEST(PointFont, TheSizeIsTheCharacterHeightOnTheScreen) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (int tenths : {120, 90, -100, 0}) {
    UniqueFont font = CreatePointFont("ＭＳ ゴシック", tenths);
    LOGFONTA lf{};
    GetObjectA(font.get(), sizeof lf, &lf);
    const int px = dpi * (tenths < 0 ? -tenths : tenths) / 720;
    EXPECT_EQ(lf.lfHeight, -px) << tenths;
  }
}

TEST(ModulePath, IsTheRunningExeAndItsFolder) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string path = ModuleFilePath(), folder = ModuleFolder();
  EXPECT_EQ(path, self);
  ASSERT_GT(path.size(), folder.size());
  EXPECT_EQ(path.substr(0, folder.size() + 1), folder + "\\");
  EXPECT_EQ(path.find('\\', folder.size() + 1), std::string::npos);
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ComWorks() {
  IUnknown* unknown = nullptr;
  const HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      reinterpret_cast<void**>(&unknown));
  if (unknown) unknown->Release();
  return SUCCEEDED(hr);
}

// Each on a thread of its own, which starts without COM.
TEST(ComInitialisation, IsUndoneOnlyWhenItSucceeded) {
  std::thread([] {
    EXPECT_FALSE(ComWorks());
    {
      ComInitialisation outer;
      EXPECT_TRUE(outer.ok());
      {
        ComInitialisation inner;  // again on the same thread: counted too
        EXPECT_TRUE(inner.ok());
      }
      EXPECT_TRUE(ComWorks());
    }
    EXPECT_FALSE(ComWorks());
  }).join();
  std::thread([] {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    {
      ComInitialisation refused;  // the thread is in the other apartment
      EXPECT_FALSE(refused.ok());
    }
    EXPECT_TRUE(ComWorks());  // the thread's own initialisation is left alone
    CoUninitialize();
  }).join();
}

// A timer inside the box's loop reads it and presses a button.
struct BoxSeen {
  HWND owner = nullptr;
  UINT button = IDOK;
  std::string title, text;
  LONG style = 0;
} g_box;

BOOL CALLBACK StaticText(HWND w, LPARAM out) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  char text[256] = {};
  GetWindowTextA(w, text, sizeof text);
  if (lstrcmpiA(cls, "Static") == 0 && text[0]) *reinterpret_cast<std::string*>(out) += text;
  return TRUE;
}

void CALLBACK PressButton(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetActiveWindow();
  if (!box || box == g_box.owner) return;
  KillTimer(nullptr, id);
  char title[64] = {};
  GetWindowTextA(box, title, sizeof title);
  g_box.title = title;
  EnumChildWindows(box, StaticText, reinterpret_cast<LPARAM>(&g_box.text));
  g_box.owner = GetWindow(box, GW_OWNER);
  PostMessageA(box, WM_COMMAND, g_box.button, 0);
}

TEST(MessageBoxes, AnswerWithTheButtonPressedOverTheirOwner) {
  HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(owner);
  struct Case {
    UINT button;
    bool question, answer;
  };
  for (const Case& c : {Case{IDOK, true, true}, Case{IDCANCEL, true, false}, Case{IDOK, false, true}}) {
    SetActiveWindow(owner);
    g_box = {};
    g_box.owner = owner;
    g_box.button = c.button;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, PressButton);
    if (c.question) {
      EXPECT_EQ(AskOkCancelBox(owner, "削除しますか？"), c.answer);
    } else {
      ShowErrorBox(owner, "ソフト表示エラー");
    }
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_box.owner, owner);
    EXPECT_EQ(g_box.title, "Qd");
    EXPECT_EQ(g_box.text, c.question ? "削除しますか？" : "ソフト表示エラー");
  }
  DestroyWindow(owner);
}

}  // namespace
}  // namespace qd
