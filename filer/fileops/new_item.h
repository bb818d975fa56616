// Making empty folders and files in a folder, each named in the new item
// dialog; More makes one and asks at once for the next.
#pragma once

#include <string>
#include <string_view>

#include "filer/ports/file_system_port.h"
#include "filer/ports/filer_view.h"
#include "filer/ports/prompt_port.h"

namespace qd {

class ItemMaker {
 public:
  ItemMaker(FileSystemPort& fs, PromptPort& prompts, FilerView& view)
      : fs_(fs), prompts_(prompts), view_(view) {}

  // `folder` ends with a backslash. Returns a name list of what was made,
  // in the order made; empty when the first dialog was cancelled. Every
  // failure brings the dialog back for the same name, with the reason in
  // the message area.
  std::string Run(ItemKind kind, const std::string& folder, std::string name);

 private:
  void Fail(std::string_view message);

  FileSystemPort& fs_;
  PromptPort& prompts_;
  FilerView& view_;
};

}  // namespace qd
