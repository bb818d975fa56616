// The prompt port on message boxes owned by the main window.
#pragma once

#include <windows.h>

#include "filer/ports/prompt_port.h"

namespace qd {

class MessageBoxPrompts : public PromptPort {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  Answer AskOkCancel(std::string_view text) override;
  void ShowError(std::string_view text) override;
  void Beep() override;
  RenameAnswer AskNewName(const RenameRequest& request) override;
  NewItemAnswer AskNewItem(const NewItemRequest& request) override;
  ReplaceAnswer AskReplace(const ReplaceOptions& request) override;
  MaskAnswer AskMask(const MaskRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace qd
