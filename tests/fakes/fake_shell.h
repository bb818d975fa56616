// Documents opened, shortcuts and the folder browser, recorded or set by the
// test; file operations recorded and answered, their effect on disk left to
// the test; change watches that fire as the test says.
#pragma once

#include <functional>
#include <map>
#include <memory>
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
    // Every file named here is a shortcut; any other is none.
    auto it = shortcuts.find(lnk);
    if (it == shortcuts.end()) return {};
    Shortcut found = it->second;
    found.loaded = true;
    return found;
  }
  bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                       std::string* chosen) override {
    browsed.push_back(std::string(title) + "|" + initial + (with_files ? "|files" : ""));
    if (browse_result.empty()) return false;
    *chosen = browse_result;
    return true;
  }
  int RunFileOperation(const FileOperation& request) override {
    operations.push_back(request);
    if (effect) effect(request);
    return result;
  }
  // A watch fires when `changes` is set at the moment it is tested.
  class Watch : public ChangeWatch {
   public:
    explicit Watch(FakeShell& shell) : shell_(shell) { ++shell_.open_watches; }
    ~Watch() override { --shell_.open_watches; }
    bool Fired() override {
      ++shell_.watch_tests;
      return shell_.changes;
    }

   private:
    FakeShell& shell_;
  };
  std::unique_ptr<ChangeWatch> WatchFolder(const std::string& folder) override {
    watched.push_back(folder);
    if (!watch_possible) return nullptr;
    return std::make_unique<Watch>(*this);
  }

  std::vector<FileOperation> operations;
  std::function<void(const FileOperation&)> effect;
  int result = 0;
  std::vector<std::string> watched;
  bool watch_possible = true;
  bool changes = true;
  int open_watches = 0, watch_tests = 0;
  std::vector<std::string> opened, browsed;
  std::map<std::string, Shortcut> shortcuts;
  std::string browse_result;
};

}  // namespace qd::test
