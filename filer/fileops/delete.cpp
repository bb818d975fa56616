#include "filer/fileops/delete.h"

#include <memory>

#include "filer/fileops/clipboard.h"

namespace qd {

DeleteOutcome DeleteThroughShell(ShellPort& shell, const std::string& folder,
                                 std::string_view names, bool to_recycle_bin) {
  ShellPort::FileOperation request;
  request.operation = 3;
  request.from = DoubleNulList(folder, names);
  request.flags = to_recycle_bin ? kFofAllowUndo : 0;  // nothing silences the shell's question
  request.title = std::string(kDeleteTitle);
  std::unique_ptr<ShellPort::ChangeWatch> watch;
  if (!folder.empty()) watch = shell.WatchFolder(folder);
  DeleteOutcome outcome;
  outcome.done = shell.RunFileOperation(request) == 0;
  outcome.changed = outcome.done && watch && watch->Fired();
  return outcome;
}

}  // namespace qd
