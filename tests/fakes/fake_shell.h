// Documents opened, shortcuts and the folder browser, recorded or set by the test.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "filer/ports/shell_port.h"

namespace qd::test {

class FakeShell : public ShellPort {
 public:
  void Open(const std::string& file, const std::string& parameters) override {
    opened.push_back(parameters.empty() ? file : file + " |" + parameters);
  }
  Shortcut ResolveShortcut(const std::string& lnk) override {
    auto it = shortcuts.find(lnk);
    return it == shortcuts.end() ? Shortcut{} : it->second;
  }
  bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                       std::string* chosen) override {
    browsed.push_back(std::string(title) + "|" + initial + (with_files ? "|files" : ""));
    if (browse_result.empty()) return false;
    *chosen = browse_result;
    return true;
  }
  std::vector<std::string> opened, browsed;
  std::map<std::string, Shortcut> shortcuts;
  std::string browse_result;
};

}  // namespace qd::test
