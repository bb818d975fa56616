// The shell services of the filer: open, shortcuts, the folder browser,
// file operations and change watches. It holds the shell objects the main
// window uses for as long as it lives; COM must be initialised first.
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
  // A shell object that cannot be made only disables what needs it.
  Win32Shell();
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;
  void SetOwner(HWND owner) { owner_ = owner; }

  // For the shell's menus and item lists; either may be null.
  IMalloc* allocator() const { return malloc_.get(); }
  IShellFolder* desktop_folder() const { return desktop_.get(); }

  bool Open(const std::string& file, const std::string& parameters) override;
  Shortcut ResolveShortcut(const std::string& lnk) override;
  bool SaveShortcut(const std::string& lnk, const NewShortcut& shortcut) override;
  bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                       std::string* chosen) override;
  int RunFileOperation(const FileOperation& request) override;
  std::unique_ptr<ChangeWatch> WatchFolder(const std::string& folder) override;

 private:
  ComPtr<IShellLinkA> link_;
  ComPtr<IPersistFile> link_file_;
  ComPtr<IMalloc> malloc_;
  ComPtr<IShellFolder> desktop_;
  HWND owner_ = nullptr;
};

// The paths of a drop, each read at its full length; one that cannot be
// read whole is left out.
std::vector<std::string> ReadDroppedPaths(HDROP drop);

}  // namespace qd
