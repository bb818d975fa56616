// The shell services of the filer: open, shortcuts, the folder browser.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/win32/handles_win32.h"
#include "filer/ports/shell_port.h"

namespace qd {

class Win32Shell : public ShellPort {
 public:
  // The shell objects live as long as the main window; any may be missing.
  Win32Shell(IShellLinkA* link, IPersistFile* link_file, IMalloc* malloc)
      : link_(link), link_file_(link_file), malloc_(malloc) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  void Open(const std::string& file, const std::string& parameters) override;
  Shortcut ResolveShortcut(const std::string& lnk) override;
  bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                       std::string* chosen) override;
  int RunFileOperation(const FileOperation& request) override;
  std::unique_ptr<ChangeWatch> WatchFolder(const std::string& folder) override;

 private:
  IShellLinkA* link_;
  IPersistFile* link_file_;
  IMalloc* malloc_;
  HWND owner_ = nullptr;
};

// The paths of a drop, each read at its full length; one that cannot be
// read whole is left out.
std::vector<std::string> ReadDroppedPaths(HDROP drop);

}  // namespace qd
