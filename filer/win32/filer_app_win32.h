// The start-up port on Win32: OLE, the rich edit library, the profile file,
// the instance mutex and the window walk of the hand-over.
#pragma once

#include <windows.h>

#include <memory>

#include "common/win32/handles_win32.h"
#include "filer/core/filer_app.h"
#include "settings/win32/profile_settings_file_win32.h"

namespace qd {

class Win32Startup : public StartupPort {
 public:
  ~Win32Startup() override;

  bool InitialiseOle() override;
  void ShowInitialisationError() override;
  void LoadRichEdit() override;
  std::string ModulePath() override;
  std::string CommandLine() override;
  SettingsFile& BindSettings(const std::string& path) override;
  bool CreateInstanceMutex(const std::string& name) override;
  void CloseInstanceMutex() override;
  Window FirstTopLevelWindow() override;
  Window NextTopLevelWindow(Window w) override;
  std::string WindowTitle(Window w) override;
  std::string WindowProgramPath(Window w) override;
  void Wait(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
  bool IsMinimised(Window w) override;
  void Restore(Window w) override;
  void ForegroundLastActivePopup(Window w) override;
  void PostCommand(Window w, int id) override;
  void RunFilerWindow(SettingsFile& settings, const std::string& settings_path,
                      const std::string& pending_path) override;

 private:
  bool ole_ = false;
  UniqueModule rich_edit_;
  std::unique_ptr<ProfileSettingsFile> settings_;
  UniqueHandle mutex_;
};

}  // namespace qd
