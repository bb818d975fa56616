#include "common/win32/folder_browser_win32.h"

namespace qd {

namespace {

int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED) SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

bool BrowseForFolder(HWND owner, std::string_view title, const std::string& initial,
                     bool with_files, std::string* chosen) {
  const std::string t(title);
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.lpszTitle = t.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_VALIDATE | (with_files ? BIF_BROWSEINCLUDEFILES : 0);
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  const UniqueItemList item(SHBrowseForFolderA(&info));
  if (!item) return false;
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(item.get(), path) || !path[0]) return false;
  *chosen = path;
  return true;
}

}  // namespace qd
