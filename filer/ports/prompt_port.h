// What the filer asks and tells the user in boxes of their own. The Win32
// side shows message boxes and, as the file operations arrive, their name
// dialogs.
#pragma once

#include <string_view>

namespace qd {

enum class Answer { Ok, Cancel };

class PromptPort {
 public:
  virtual ~PromptPort() = default;
  // OK and Cancel with a question icon.
  virtual Answer AskOkCancel(std::string_view text) = 0;
  // A failure that stops an action: a message box with OK.
  virtual void ShowError(std::string_view text) = 0;
  // The standard beep that comes before most errors.
  virtual void Beep() = 0;
};

}  // namespace qd
