#include "filer/core/filer_app.h"

#include "common/cp932.h"
#include "common/path.h"
#include "settings/command_table.h"
#include "settings/preference_table.h"

namespace qd {

std::string InstanceMutexName(std::string_view settings_path) {
  std::string path(settings_path);
  for (std::size_t i = 0; i < path.size(); i += cp932::CharLength(path, i)) {
    if (path[i] == '\\') path[i] = '/';
  }
  return std::string("（;￢_￢）") + path;
}

std::string CommandLineTail(std::string_view cl) {
  std::size_t i = 0;
  if (i < cl.size() && cl[i] == '"') {
    ++i;
    while (i < cl.size() && cl[i] != '"') ++i;
    if (i < cl.size()) ++i;  // the closing quote
  } else {
    while (i < cl.size() && cl[i] != ' ' && cl[i] != '\t') ++i;
  }
  while (i < cl.size() && (cl[i] == ' ' || cl[i] == '\t')) ++i;
  return std::string(cl.substr(i));
}

std::string PathFromCommandLine(std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) return {};
  std::string_view path = text;
  std::string_view trimmed = path;
  while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) {
    trimmed.remove_suffix(1);
  }
  if (trimmed.size() >= 2 && trimmed.front() == '"' && trimmed.back() == '"') {
    path = trimmed.substr(1, trimmed.size() - 2);
  }
  return std::string(path);
}

namespace {
constexpr std::string_view kHandOverSection = "Etc";
constexpr std::string_view kHandOverKey = "CmdLine";
}  // namespace

std::string ReadHandedOverPath(SettingsFile& settings) {
  return settings.ReadString(kHandOverSection, kHandOverKey, "");
}

void WriteHandedOverPath(SettingsFile& settings, std::string_view path) {
  settings.WriteString(kHandOverSection, kHandOverKey, path);
}

namespace {

// The topmost window whose title starts with the prefix and whose process
// runs a program file from `own_folder`: the slot in Etc/CmdLine belongs to
// this copy's Qd.ini, so only this copy's filer can read it.
StartupPort::Window FindOwnFiler(StartupPort& port, const std::string& own_folder) {
  for (StartupPort::Window w = port.FirstTopLevelWindow(); w != 0; w = port.NextTopLevelWindow(w)) {
    // Byte for byte and case-sensitive: the prefix is the recognition key.
    if (port.WindowTitle(w).compare(0, kTitlePrefix.size(), kTitlePrefix) != 0) continue;
    if (cp932::EqualNoCase(path::FolderOf(port.WindowProgramPath(w)), own_folder)) return w;
  }
  return 0;
}

}  // namespace

StartupOutcome RunFiler(StartupPort& port) {
  if (!port.InitialiseOle()) {
    port.ShowInitialisationError();
    return StartupOutcome::InitialisationFailed;
  }
  port.LoadRichEdit();
  const std::string module_path = port.ModulePath();
  const std::string settings_path = SettingsPathFromModulePath(module_path);
  SettingsFile& settings = port.BindSettings(settings_path);
  const std::string pending_path = PathFromCommandLine(CommandLineTail(port.CommandLine()));
  const bool new_proc = ReadFlag(settings, pref::kNewProc);
  const bool existed = port.CreateInstanceMutex(InstanceMutexName(settings_path));

  if (new_proc && existed) {
    const std::string own_folder = path::FolderOf(module_path);
    for (int attempt = 0; attempt < kHandOverAttempts; ++attempt) {
      if (attempt > 0) port.Wait(kHandOverWaitMs);
      const StartupPort::Window w = FindOwnFiler(port, own_folder);
      if (w == 0) continue;
      port.CloseInstanceMutex();
      WriteHandedOverPath(settings, pending_path);
      if (port.IsMinimised(w)) port.Restore(w);
      port.ForegroundLastActivePopup(w);
      port.PostCommand(w, CmdPathNotify);
      return StartupOutcome::HandedOver;
    }
    // No filer of this copy answers: run as one rather than lose the path.
  }

  port.RunFilerWindow(settings, settings_path, pending_path);
  port.CloseInstanceMutex();
  return StartupOutcome::RanFiler;
}

}  // namespace qd
