// Deleting items through the shell, into the recycle bin or for good, in
// one call; the shell asks its own question.
#pragma once

#include <string>
#include <string_view>

#include "filer/ports/shell_port.h"

namespace qd {

inline constexpr std::string_view kDeleteTitle = "ファイル削除中...";

struct DeleteOutcome {
  bool done = false;     // the shell call succeeded
  bool changed = false;  // the watched folder changed during it
};

// `folder` ends with "\" and holds the entries of the name list `names`; it
// is empty when the entries are full paths, and then nothing is watched.
DeleteOutcome DeleteThroughShell(ShellPort& shell, const std::string& folder,
                                 std::string_view names, bool to_recycle_bin);

}  // namespace qd
