// Start-up of the filer: bind the settings file, create the instance mutex,
// and either hand the command line to a running filer or run the window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace qd {

// "（;￢_￢）" followed by the settings path: copies in different folders
// never see each other. The kernel takes a backslash in an object name for a
// namespace separator and refuses the name, which would leave every start
// without the mutex; so the path's backslashes (not 0x5C trail bytes) are
// written as "/".
std::string InstanceMutexName(std::string_view settings_path);

// The text after the program name in a process command line, as WinMain
// receives it: the name (quoted or not) and the blanks after it are
// skipped; the rest is kept exactly, quotes and trailing blanks included.
std::string CommandLineTail(std::string_view command_line);

// The path a command line names: one pair of quotes around it removed (the
// system quotes a path with a blank: Qd.exe "C:\a b"), and nothing when it
// holds a CR or an LF, which no path has and which would write lines of
// their own into Qd.ini at a hand-over.
std::string PathFromCommandLine(std::string_view text);

// The slot through which a second start hands its path to the running
// filer: Etc/CmdLine, written by the one and read (then emptied) by the other.
std::string ReadHandedOverPath(SettingsFile& settings);
void WriteHandedOverPath(SettingsFile& settings, std::string_view path);

// The first seven characters of the running filer's title: a second start
// finds the window by them and posts it CmdPathNotify.
inline constexpr std::string_view kTitlePrefix = " Qd - [";

class StartupPort {
 public:
  using Window = uintptr_t;  // 0 is no window

  virtual ~StartupPort() = default;
  virtual bool InitialiseOle() = 0;
  virtual void ShowInitialisationError() = 0;  // "初期化エラー", OK only
  virtual void LoadRichEdit() = 0;
  virtual std::string ModulePath() = 0;
  virtual std::string CommandLine() = 0;
  // Binds the profile file of the process and returns its store.
  virtual SettingsFile& BindSettings(const std::string& path) = 0;
  // Creates (or opens) the named mutex and keeps it; true when it existed.
  virtual bool CreateInstanceMutex(const std::string& name) = 0;
  virtual void CloseInstanceMutex() = 0;
  // Top-level windows from the top of the Z order downwards.
  virtual Window FirstTopLevelWindow() = 0;
  virtual Window NextTopLevelWindow(Window w) = 0;
  virtual std::string WindowTitle(Window w) = 0;  // at most 259 characters
  // The program file of the process that owns the window; empty when it
  // cannot be read.
  virtual std::string WindowProgramPath(Window w) = 0;
  virtual void Wait(int milliseconds) = 0;
  virtual bool IsMinimised(Window w) = 0;
  virtual void Restore(Window w) = 0;
  virtual void ForegroundLastActivePopup(Window w) = 0;
  virtual void PostCommand(Window w, int id) = 0;
  // Runs the main window modally until it closes.
  virtual void RunFilerWindow(SettingsFile& settings, const std::string& settings_path,
                              const std::string& pending_path) = 0;
};

enum class StartupOutcome { InitialisationFailed, HandedOver, RanFiler };

// How long a second start looks for the first copy's window, which may still
// be starting, before it runs as a filer itself.
inline constexpr int kHandOverAttempts = 30;
inline constexpr int kHandOverWaitMs = 100;

StartupOutcome RunFiler(StartupPort& port);

}  // namespace qd
