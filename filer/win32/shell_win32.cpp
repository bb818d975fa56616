#include "filer/win32/shell_win32.h"

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "common/win32/folder_browser_win32.h"

namespace qd {

Win32Shell::Win32Shell() {
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 link_.put_void()))) {
    link_->QueryInterface(IID_IPersistFile, link_file_.put_void());
  }
  SHGetMalloc(malloc_.put());
  SHGetDesktopFolder(desktop_.put());
}

bool Win32Shell::Open(const std::string& file, const std::string& parameters) {
  // 32 or less is the shell's failure code (no such file, no association...).
  const HINSTANCE started =
      ShellExecuteA(owner_, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                    nullptr, SW_SHOW);
  return reinterpret_cast<INT_PTR>(started) > 32;
}

namespace {

// IPersistFile wants paths in UTF-16; ours are CP932.
std::vector<wchar_t> Wide(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return {};
  std::vector<wchar_t> wide(n);
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  return wide;
}

}  // namespace

ShellPort::Shortcut Win32Shell::ResolveShortcut(const std::string& lnk) {
  Shortcut result;
  if (!link_ || !link_file_) return result;
  const std::vector<wchar_t> wide = Wide(lnk);
  if (wide.empty() || FAILED(link_file_->Load(wide.data(), STGM_READ))) return result;
  result.loaded = true;
  char arguments[INFOTIPSIZE] = {};
  if (SUCCEEDED(link_->GetArguments(arguments, INFOTIPSIZE))) result.arguments = arguments;
  // No window: a shortcut whose target moved must never block the filer.
  if (FAILED(link_->Resolve(nullptr, SLR_UPDATE | SLR_NO_UI))) return result;
  char target[MAX_PATH] = {};
  WIN32_FIND_DATAA fd{};
  if (FAILED(link_->GetPath(target, MAX_PATH, &fd, SLGP_UNCPRIORITY)) || !target[0]) return result;
  result.ok = true;
  result.target = target;
  const DWORD attributes = GetFileAttributesA(target);
  result.folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return result;
}

// Every field is set, empty ones too: the link object keeps what the last
// shortcut loaded or saved through it held.
bool Win32Shell::SaveShortcut(const std::string& lnk, const NewShortcut& shortcut) {
  if (!link_ || !link_file_) return false;
  const std::vector<wchar_t> wide = Wide(lnk);
  return !wide.empty() && SUCCEEDED(link_->SetPath(shortcut.target.c_str())) &&
         SUCCEEDED(link_->SetArguments(shortcut.arguments.c_str())) &&
         SUCCEEDED(link_->SetWorkingDirectory(shortcut.working_folder.c_str())) &&
         SUCCEEDED(link_->SetDescription(shortcut.description.c_str())) &&
         SUCCEEDED(link_file_->Save(wide.data(), TRUE));
}

bool Win32Shell::BrowseForFolder(std::string_view title, const std::string& initial,
                                 bool with_files, std::string* chosen) {
  return qd::BrowseForFolder(owner_, title, initial, with_files, chosen);
}

int Win32Shell::RunFileOperation(const FileOperation& request) {
  SHFILEOPSTRUCTA op{};
  op.hwnd = owner_;
  op.wFunc = static_cast<UINT>(request.operation);
  op.pFrom = request.from.c_str();
  op.pTo = request.to.empty() ? nullptr : request.to.c_str();
  op.fFlags = static_cast<FILEOP_FLAGS>(request.flags);
  op.lpszProgressTitle = request.title.c_str();
  const int result = SHFileOperationA(&op);
  // A question the user answered No can end the call with 0 and only this
  // flag set; it is a cancel all the same.
  if (result == 0 && op.fAnyOperationsAborted) return kShellCancelled;
  return result;
}

namespace {

struct ChangeNotificationTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindCloseChangeNotification(h); }
};

class Win32ChangeWatch : public ShellPort::ChangeWatch {
 public:
  explicit Win32ChangeWatch(HANDLE h) : handle_(h) {}
  // Wine hands a change to the watch a moment after the call that made it
  // has returned: a watch not yet signalled gets that moment.
  bool Fired() override { return WaitForSingleObject(handle_.get(), kGraceMs) == WAIT_OBJECT_0; }

 private:
  static constexpr DWORD kGraceMs = 200;

  UniqueResource<HANDLE, ChangeNotificationTraits> handle_;
};

}  // namespace

std::unique_ptr<ShellPort::ChangeWatch> Win32Shell::WatchFolder(const std::string& folder) {
  HANDLE h = FindFirstChangeNotificationA(
      folder.c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES |
          FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32ChangeWatch>(h);
}

std::vector<std::string> ReadDroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Asked for its length first: a path cut short in a fixed buffer would
    // name another item.
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::string path(length + 1, '\0');
    if (DragQueryFileA(drop, i, path.data(), length + 1) != length) continue;
    path.resize(length);
    paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace qd
