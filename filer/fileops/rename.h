// Renaming the selected items one after the other, each through the rename
// dialog, with the checks that send the dialog back for the same item.
#pragma once

#include <string>
#include <string_view>

#include "filer/ports/file_system_port.h"
#include "filer/ports/filer_view.h"
#include "filer/ports/prompt_port.h"

namespace qd {

inline constexpr std::string_view kAlreadyExists = " は既に存在しています。";
inline constexpr std::string_view kRenameError = "リネームエラー（再実行）";

class Renamer {
 public:
  Renamer(FileSystemPort& fs, PromptPort& prompts, FilerView& view)
      : fs_(fs), prompts_(prompts), view_(view) {}

  struct Outcome {
    std::string reselect;  // a name list: what to select once the folder is listed again
    bool renamed = false;
  };

  // `folder` ends with a backslash; `names` is a name list of items in it,
  // in row order. Cancel stops at once: what was renamed stays renamed and
  // is reselected with the item the user cancelled at (nothing at all when
  // it was the first).
  Outcome Run(const std::string& folder, std::string_view names);

 private:
  FileSystemPort& fs_;
  PromptPort& prompts_;
  FilerView& view_;
};

}  // namespace qd
