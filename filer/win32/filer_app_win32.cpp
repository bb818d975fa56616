#include "filer/win32/filer_app_win32.h"

#include <ole2.h>

#include "common/cp932.h"
#include "common/win32/module_path_win32.h"
#include "filer/win32/filer_dialog_win32.h"

namespace qd {

namespace {
HWND ToHwnd(StartupPort::Window w) { return reinterpret_cast<HWND>(w); }
StartupPort::Window FromHwnd(HWND h) { return reinterpret_cast<StartupPort::Window>(h); }
}  // namespace

Win32Startup::~Win32Startup() {
  if (ole_) OleUninitialize();
}

bool Win32Startup::InitialiseOle() {
  ole_ = SUCCEEDED(OleInitialize(nullptr));
  return ole_;
}

void Win32Startup::ShowInitialisationError() { MessageBoxA(nullptr, "初期化エラー", "Qd", MB_OK); }

void Win32Startup::LoadRichEdit() { rich_edit_.reset(LoadLibraryA("riched20.dll")); }

std::string Win32Startup::ModulePath() { return ModuleFilePath(); }

std::string Win32Startup::CommandLine() {
  const char* cl = GetCommandLineA();
  return cl ? cl : "";
}

SettingsFile& Win32Startup::BindSettings(const std::string& path) {
  settings_ = std::make_unique<ProfileSettingsFile>(path);
  return *settings_;
}

bool Win32Startup::CreateInstanceMutex(const std::string& name) {
  mutex_.reset(CreateMutexA(nullptr, FALSE, name.c_str()));
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

void Win32Startup::CloseInstanceMutex() { mutex_.reset(); }

StartupPort::Window Win32Startup::FirstTopLevelWindow() {
  return FromHwnd(GetWindow(GetDesktopWindow(), GW_CHILD));
}

StartupPort::Window Win32Startup::NextTopLevelWindow(Window w) {
  return FromHwnd(GetWindow(ToHwnd(w), GW_HWNDNEXT));
}

std::string Win32Startup::WindowTitle(Window w) {
  char title[260] = {};
  const int n = GetWindowTextA(ToHwnd(w), title, 260);
  return std::string(title, n > 0 ? n : 0);
}

std::string Win32Startup::WindowProgramPath(Window w) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(ToHwnd(w), &process_id);
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  if (!process) return {};
  char path[MAX_PATH * 2] = {};
  DWORD size = sizeof path;
  if (!QueryFullProcessImageNameA(process.get(), 0, path, &size)) return {};
  return std::string(path, size);
}

bool Win32Startup::IsMinimised(Window w) { return IsIconic(ToHwnd(w)) != FALSE; }

void Win32Startup::Restore(Window w) { ShowWindow(ToHwnd(w), SW_RESTORE); }

void Win32Startup::ForegroundLastActivePopup(Window w) {
  SetForegroundWindow(GetLastActivePopup(ToHwnd(w)));
}

void Win32Startup::PostCommand(Window w, int id) {
  PostMessageA(ToHwnd(w), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void Win32Startup::RunFilerWindow(SettingsFile& settings, const std::string& settings_path,
                                  const std::string& pending_path) {
  // The program folder is the settings file's folder, without the backslash.
  const std::size_t slash = cp932::FindLastChar(settings_path, '\\');
  FilerDialog dialog(settings, settings_path.substr(0, slash), pending_path);
  dialog.Run();
}

}  // namespace qd
