// The shell's folder browser, and an owner for the item lists it hands out.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <string_view>

#include "common/win32/handles_win32.h"

namespace qd {

// An item list the shell allocated, freed with the task allocator (the
// shell's own allocator is the same one).
struct ItemListTraits {
  static LPITEMIDLIST Invalid() { return nullptr; }
  static void Close(LPITEMIDLIST item) { CoTaskMemFree(item); }
};
using UniqueItemList = UniqueResource<LPITEMIDLIST, ItemListTraits>;

// Shows the browser over `owner` with `title`, starting at `initial`; files
// are listed too when `with_files`. False when cancelled or when the choice
// has no file-system path.
bool BrowseForFolder(HWND owner, std::string_view title, const std::string& initial,
                     bool with_files, std::string* chosen);

}  // namespace qd
