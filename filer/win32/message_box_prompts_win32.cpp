#include "filer/win32/message_box_prompts_win32.h"

#include <string>

#include "filer/fileops/win32/mask_dialog_win32.h"
#include "filer/fileops/win32/new_item_dialog_win32.h"
#include "filer/fileops/win32/rename_dialog_win32.h"
#include "filer/fileops/win32/replace_dialog_win32.h"

namespace qd {

Answer MessageBoxPrompts::AskOkCancel(std::string_view text) {
  const std::string t(text);
  return MessageBoxA(owner_, t.c_str(), "Qd", MB_OKCANCEL | MB_ICONQUESTION) == IDOK
             ? Answer::Ok
             : Answer::Cancel;
}

void MessageBoxPrompts::ShowError(std::string_view text) {
  MessageBoxA(owner_, std::string(text).c_str(), "Qd", MB_OK);
}

void MessageBoxPrompts::Beep() { MessageBeep(static_cast<UINT>(-1)); }

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
