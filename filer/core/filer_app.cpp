#include "filer/core/filer_app.h"

#include "common/cp932.h"
#include "settings/command_table.h"

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

StartupOutcome RunFiler(StartupPort& port) {
  if (!port.InitialiseOle()) {
    port.ShowInitialisationError();
    return StartupOutcome::InitialisationFailed;
  }
  port.LoadRichEdit();
  const std::string settings_path = SettingsPathFromModulePath(port.ModulePath());
  SettingsFile& settings = port.BindSettings(settings_path);
  const std::string pending_path = CommandLineTail(port.CommandLine());
  const bool new_proc = settings.ReadInt("Conf-Main", "NewProc", 0) != 0;
  const bool existed = port.CreateInstanceMutex(InstanceMutexName(settings_path));

  if (new_proc && existed) {
    port.CloseInstanceMutex();
    settings.WriteString("Etc", "CmdLine", pending_path);
    for (StartupPort::Window w = port.FirstTopLevelWindow(); w != 0;
         w = port.NextTopLevelWindow(w)) {
      // Byte for byte and case-sensitive: the prefix is the recognition key.
      if (port.WindowTitle(w).compare(0, kTitlePrefix.size(), kTitlePrefix) != 0) continue;
      if (port.IsMinimised(w)) port.Restore(w);
      port.ForegroundLastActivePopup(w);
      port.PostCommand(w, CmdPathNotify);
      return StartupOutcome::HandedOver;
    }
    return StartupOutcome::NoFilerFound;
  }

  port.RunFilerWindow(settings, settings_path, pending_path);
  port.CloseInstanceMutex();
  return StartupOutcome::RanFiler;
}

}  // namespace qd
