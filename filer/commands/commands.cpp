#include "filer/commands/commands.h"

#include "common/name_list.h"
#include "common/path.h"
#include "filer/commands/macros.h"
#include "settings/command_table.h"

namespace qd {

void Commands::AddCommands(CommandHandlers& h) {
  h.Add(CmdSendWithProgram, [this] { SendWithProgram(); });
  h.Add(CmdLaunchProgram, [this] { LaunchProgram(); });
}

std::vector<std::string> Commands::SelectedFullPaths() const {
  std::vector<std::string> paths;
  if (view_.view_mode() == ViewMode::List) {
    const std::string list = view_.SelectedPaths();
    for (std::string_view entry : SplitNameList(list)) paths.emplace_back(entry);
    return paths;
  }
  const std::string folder = view_.CurrentFolder();
  const std::string names = view_.SelectedNames();
  for (std::string_view name : SplitNameList(names)) paths.push_back(path::Join(folder, name));
  return paths;
}

bool Commands::Start(const std::string& program, const std::string& parameters) {
  if (shell_.Open(program, parameters)) return true;
  view_.ShowMessage(std::string(kCannotStart) + program + "]", false);
  return false;
}

// One start with every selected item: a blank and its short path each.
void Commands::SendWithProgram() {
  const std::string program = view_.KeyOption(KeyOptionSlot::Option);
  if (program.empty()) return;
  std::string parameters;
  for (const std::string& path : SelectedFullPaths()) parameters += " " + ShortPathArgument(fs_, path);
  Start(program, parameters);
}

// One start per selected item; with nothing selected in a folder, one for
// the folder itself. The first start that fails ends the run.
void Commands::LaunchProgram() {
  const std::string program = view_.KeyOption(KeyOptionSlot::Option);
  if (program.empty()) return;
  const std::string text = view_.KeyOption(KeyOptionSlot::Option2);
  std::vector<std::string> paths = SelectedFullPaths();
  if (paths.empty() && view_.view_mode() != ViewMode::List) {
    const std::string folder = view_.CurrentFolder();
    if (!folder.empty()) paths.push_back(path::WithBackslash(folder));
  }
  for (const std::string& path : paths) {
    if (!Start(program, ExpandMacros(text, path, fs_))) return;
  }
}

}  // namespace qd
