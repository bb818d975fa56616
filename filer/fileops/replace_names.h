// Name replace and case change: a new name proposed for every item in
// scope, each confirmed in the rename dialog (with All) before it is
// renamed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filer/ports/file_system_port.h"
#include "filer/ports/filer_view.h"
#include "filer/ports/prompt_port.h"

namespace qd {

inline constexpr std::string_view kNoPartChecked = "名前・拡張子共にチェックがありません。";
inline constexpr std::string_view kNothingToReplace = "置換前・後、共に未入力です。";

// What the replace dialog refuses to close on with a case button: the
// message to show while it stays open, or empty when it may close.
std::string_view CaseChangeRefusal(const ReplaceOptions& options);

// One item of the walk: its full name and the two parts a case change
// works on (joined, they give the full name).
struct ReplaceItem {
  std::string name;
  std::string name_part;
  std::string ext_part;
};

// The split of the selection walk: at the last "." (never a trail byte);
// the dot and what follows is the extension part. Folders are split alike.
ReplaceItem SplitAtLastDot(std::string_view name);

// The name the item is offered under, or nullopt when it is skipped: a
// case change of an item without the only part it would change, or a
// replace whose before text is not in the name.
std::optional<std::string> ProposeName(const ReplaceItem& item, const ReplaceOptions& options);

class NameReplacer {
 public:
  // The view shows the reasons and puts the cursor on the item about to be
  // asked for.
  NameReplacer(FileSystemPort& fs, PromptPort& prompts, FilerView& view)
      : fs_(fs), prompts_(prompts), view_(view) {}

  // `folder` ends with a backslash; `items` are in walk order. Returns a
  // name list of what to select once the folder is listed again: the new
  // names of renamed items and the names of items left as they were on
  // purpose. Cancel ends the walk; what was renamed stays renamed.
  std::string Run(const std::string& folder, const std::vector<ReplaceItem>& items,
                  const ReplaceOptions& options);

 private:
  FileSystemPort& fs_;
  PromptPort& prompts_;
  FilerView& view_;
};

}  // namespace qd
