// The name replace and case change command.
#include "common/name_list.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "filer/fileops/replace_names.h"

namespace qd {

namespace {

constexpr std::string_view kOptionsSection = "Etc";
constexpr std::string_view kCaseSensitiveKey = "Replace-Casesensitive";
constexpr std::string_view kNamePartKey = "Replace-Name";
constexpr std::string_view kExtPartKey = "Replace-Ext";

}  // namespace

void FilerController::CmdReplaceNames() {
  if (view_mode_ == ViewMode::List) return;
  const int current = tab_set_.current();
  if (!tab_set_.Contains(current)) return;
  const int first_selected = CursorRow();
  const int cursor = first_selected < 0 ? 0 : first_selected;

  ReplaceOptions request;
  if (cursor < rows_.size() && !rows_.IsParentRow(cursor)) request.before = rows_.ItemName(cursor);
  request.case_sensitive = settings_.ReadInt(kOptionsSection, kCaseSensitiveKey, 0) != 0;
  request.name_part = settings_.ReadInt(kOptionsSection, kNamePartKey, 0) != 0;
  request.ext_part = settings_.ReadInt(kOptionsSection, kExtPartKey, 0) != 0;
  ReplaceOptions options;
  for (;;) {
    const ReplaceAnswer answer = prompts_.AskReplace(request);
    if (!answer.ok) return;  // the options stay as stored
    options = answer.options;
    // The dialog refuses a case button without a part itself; an answer
    // that gets past it is refused here the same way.
    std::string_view refusal = CaseChangeRefusal(options);
    if (refusal.empty() && options.case_change == CaseChange::None && options.before.empty() &&
        options.after.empty()) {
      refusal = kNothingToReplace;
    }
    if (refusal.empty()) break;
    prompts_.ShowError(refusal);
    request = options;
    request.case_change = CaseChange::None;
  }
  settings_.WriteInt(kOptionsSection, kCaseSensitiveKey, options.case_sensitive ? 1 : 0);
  settings_.WriteInt(kOptionsSection, kNamePartKey, options.name_part ? 1 : 0);
  settings_.WriteInt(kOptionsSection, kExtPartKey, options.ext_part ? 1 : 0);

  // Two or more selected rows are the scope, split at their last dot; else
  // the cursor row and every row below it, split as the rows show them.
  std::vector<ReplaceItem> items;
  if (file_list_.SelectedCount() >= 2) {
    const std::string names = SelectedNames();
    for (std::string_view name : SplitNameList(names)) items.push_back(SplitAtLastDot(name));
  } else {
    for (int r = cursor; r < rows_.size(); ++r) {
      if (rows_.IsParentRow(r)) continue;
      std::string_view name_part = rows_.NameText(r);
      if (rows_.IsFolder(r)) name_part.remove_prefix(1);  // the "/" of a folder row
      items.push_back({rows_.ItemName(r), std::string(name_part), rows_.ExtText(r)});
    }
  }

  NameReplacer replacer(
      fs_, prompts_, [this](std::string_view text) { ShowMessage(text, false); },
      [this](std::string_view name) { FindItem(name, true); });
  const std::string reselect =
      replacer.Run(path::WithBackslash(tab_set_.at(current).path), items, options);
  if (reselect.empty()) return;
  FillList();
  RestoreCursor(reselect, 0);
}

}  // namespace qd
