#include "filer/fileops/replace_names.h"

#include "common/cp932.h"
#include "common/name_list.h"
#include "filer/fileops/rename.h"

namespace qd {

std::string_view CaseChangeRefusal(const ReplaceOptions& options) {
  if (options.case_change == CaseChange::None) return {};
  return options.name_part || options.ext_part ? std::string_view() : kNoPartChecked;
}

ReplaceItem SplitAtLastDot(std::string_view name) {
  const std::size_t dot = cp932::FindLastChar(name, '.');
  if (dot == std::string_view::npos) return {std::string(name), std::string(name), {}};
  return {std::string(name), std::string(name.substr(0, dot)), std::string(name.substr(dot))};
}

std::optional<std::string> ProposeName(const ReplaceItem& item, const ReplaceOptions& options) {
  if (options.case_change != CaseChange::None) {
    if (!options.name_part && options.ext_part && item.ext_part.empty()) return std::nullopt;
    // Only single-byte letters change, so trail bytes and full-width
    // letters keep their bytes.
    const auto convert = [&](const std::string& part, bool wanted) {
      if (!wanted) return part;
      return options.case_change == CaseChange::Upper ? cp932::ToUpper(part) : cp932::ToLower(part);
    };
    return convert(item.name_part, options.name_part) + convert(item.ext_part, options.ext_part);
  }
  // Upper-casing keeps byte lengths, so the position found applies to the
  // name as it is.
  const std::size_t at = options.case_sensitive
                             ? cp932::FindWhole(item.name, options.before)
                             : cp932::FindInUpperCased(item.name, cp932::ToUpper(options.before));
  if (at == std::string::npos) return std::nullopt;
  return item.name.substr(0, at) + options.after + item.name.substr(at + options.before.size());
}

std::string NameReplacer::Run(const std::string& folder, const std::vector<ReplaceItem>& items,
                              const ReplaceOptions& options) {
  std::string reselect;
  bool all = false;
  for (const ReplaceItem& item : items) {
    const std::optional<std::string> proposed = ProposeName(item, options);
    if (!proposed) continue;
    view_.FindItem(item.name, true);
    // After All an item passes without the dialog, but a problem with its
    // name still brings the dialog back for it.
    bool ask = !all;
    for (;; ask = true) {
      std::string new_name = *proposed;
      if (ask) {
        const RenameAnswer answer = prompts_.AskNewName({item.name, *proposed, true});
        if (!answer.ok) return reselect;
        if (answer.next) break;
        if (answer.all) all = true;
        new_name = answer.after;
      }
      if (new_name.empty()) continue;
      if (new_name == item.name) {
        AppendName(reselect, item.name);
        break;
      }
      // The same item in other letter case is a rename like any other.
      if (fs_.Exists(folder + new_name) && !cp932::EqualNoCase(new_name, item.name)) {
        prompts_.ShowError(new_name + std::string(kAlreadyExists));
        continue;
      }
      if (!fs_.Rename(folder + item.name, folder + new_name)) {
        prompts_.Beep();
        view_.ShowMessage(kRenameError, false);
        continue;
      }
      AppendName(reselect, new_name);
      break;
    }
  }
  return reselect;
}

}  // namespace qd
