// The commands that run programs on the selection: a program named in the
// key options, handed every selected item at once or started once per item
// with a parameter line made from a template. The jump and command folders,
// the shell's menus, the drives and the outside tools join them here.
#pragma once

#include <string>
#include <vector>

#include "filer/model/command_handlers.h"
#include "filer/ports/file_system_port.h"
#include "filer/ports/filer_view.h"
#include "filer/ports/shell_port.h"

namespace qd {

// Said in the message area when the shell cannot start a program.
inline constexpr std::string_view kCannotStart = "起動エラー [";

class Commands {
 public:
  Commands(FileSystemPort& fs, ShellPort& shell, FilerView& view)
      : fs_(fs), shell_(shell), view_(view) {}
  Commands(const Commands&) = delete;
  Commands& operator=(const Commands&) = delete;

  void AddCommands(CommandHandlers& handlers);

 private:
  void SendWithProgram();
  void LaunchProgram();
  // The full paths of the selected items: in a pick list the rows' paths,
  // else the current folder's items.
  std::vector<std::string> SelectedFullPaths() const;
  // Starts the program; false, with the program named in the message area,
  // when the shell cannot.
  bool Start(const std::string& program, const std::string& parameters);

  FileSystemPort& fs_;
  ShellPort& shell_;
  FilerView& view_;
};

}  // namespace qd
