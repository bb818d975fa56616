// What the filer leaves to the shell: opening documents, shortcuts and the
// folder browser.
#pragma once

#include <string>
#include <string_view>

namespace qd {

class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Opens a document with the "open" verb (or starts a program) with a
  // parameter line; returns at once.
  virtual void Open(const std::string& file, const std::string& parameters) = 0;
  struct Shortcut {
    bool ok = false;
    std::string target;
    bool folder = false;
  };
  // Loads a .lnk file, resolves it without a window and reads its target.
  virtual Shortcut ResolveShortcut(const std::string& lnk) = 0;
  // The shell's folder browser, starting at `initial`; false when cancelled.
  virtual bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                               std::string* chosen) = 0;
};

}  // namespace qd
