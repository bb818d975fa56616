#include "filer/fileops/rename.h"

#include "common/cp932.h"
#include "common/name_list.h"

namespace qd {

Renamer::Outcome Renamer::Run(const std::string& folder, std::string_view names) {
  Outcome outcome;
  for (std::string_view entry : SplitNameList(names)) {
    const std::string name(entry);
    // The dialog comes back for the same item until it is renamed, skipped
    // or the command is cancelled.
    for (;;) {
      const RenameAnswer answer = prompts_.AskNewName({name, name, false});
      if (!answer.ok) {
        if (!outcome.reselect.empty()) AppendName(outcome.reselect, name);
        return outcome;
      }
      if (answer.after.empty()) continue;
      if (answer.next || answer.after == name) {
        AppendName(outcome.reselect, name);
        break;
      }
      // Another item of that name is there; the same item in other letter
      // case is a rename like any other.
      if (fs_.Exists(folder + answer.after) && !cp932::EqualNoCase(answer.after, name)) {
        prompts_.ShowError(answer.after + std::string(kAlreadyExists));
        continue;
      }
      if (!fs_.Rename(folder + name, folder + answer.after)) {
        prompts_.Beep();
        view_.ShowMessage(kRenameError, false);
        continue;
      }
      outcome.renamed = true;
      AppendName(outcome.reselect, answer.after);
      break;
    }
  }
  return outcome;
}

}  // namespace qd
