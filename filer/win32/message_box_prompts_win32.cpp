#include "filer/win32/message_box_prompts_win32.h"

#include "common/win32/message_box_win32.h"
#include "filer/fileops/win32/mask_dialog_win32.h"
#include "filer/fileops/win32/new_item_dialog_win32.h"
#include "filer/fileops/win32/rename_dialog_win32.h"
#include "filer/fileops/win32/replace_dialog_win32.h"

namespace qd {

Answer MessageBoxPrompts::AskOkCancel(std::string_view text) {
  return AskOkCancelBox(owner_, text) ? Answer::Ok : Answer::Cancel;
}

void MessageBoxPrompts::ShowError(std::string_view text) { ShowErrorBox(owner_, text); }

void MessageBoxPrompts::Beep() { StandardBeep(); }

RenameAnswer MessageBoxPrompts::AskNewName(const RenameRequest& request) {
  return ShowRenameDialog(owner_, request);
}

NewItemAnswer MessageBoxPrompts::AskNewItem(const NewItemRequest& request) {
  return ShowNewItemDialog(owner_, request);
}

ReplaceAnswer MessageBoxPrompts::AskReplace(const ReplaceOptions& request) {
  return ShowReplaceDialog(owner_, request);
}

MaskAnswer MessageBoxPrompts::AskMask(const MaskRequest& request) {
  return ShowMaskDialog(owner_, request);
}

}  // namespace qd
