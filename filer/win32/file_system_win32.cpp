#include "filer/win32/file_system_win32.h"

#include <direct.h>

#include <cstdio>

#include "common/cp932.h"
#include "common/path.h"
#include "common/win32/handles_win32.h"

namespace qd {

namespace {
uint64_t Join(DWORD high, DWORD low) { return static_cast<uint64_t>(high) << 32 | low; }

// "D:" alone means the folder in the variable "=D:", else D:\. The command
// prompt and the C runtime's _chdir keep it up to date; SetCurrentDirectory
// does not, so the port does, before a change and after it.
void RememberCurrentFolder() {
  char path[MAX_PATH];
  const DWORD n = GetCurrentDirectoryA(MAX_PATH, path);
  if (n < 3 || n >= MAX_PATH || path[1] != ':') return;  // a UNC path has no drive
  char c = path[0];
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const char name[] = {'=', c, ':', '\0'};
  SetEnvironmentVariableA(name, path);
}
}  // namespace

std::string Win32FileSystem::CurrentDirectory() {
  // Room for 259 double-byte characters: a Japanese path under the limit in
  // characters may pass MAX_PATH in bytes. Longer is empty, and the filer
  // does not enter such a folder.
  char path[MAX_PATH * 2] = {};
  const DWORD n = GetCurrentDirectoryA(sizeof path, path);
  return n > 0 && n < sizeof path ? std::string(path, n) : std::string();
}

bool Win32FileSystem::ChangeDirectory(const std::string& path) {
  RememberCurrentFolder();
  if (!SetCurrentDirectoryA(path.c_str())) return false;
  RememberCurrentFolder();
  return true;
}

void Win32FileSystem::Search(const std::string& pattern, EntrySink& sink) {
  WIN32_FIND_DATAA fd;
  UniqueFindHandle find(FindFirstFileA(pattern.c_str(), &fd));
  if (!find) return;  // unreadable, vanished, or nothing matches
  do {
    sink.Add(FoundEntry{fd.cFileName, fd.dwFileAttributes, Join(fd.nFileSizeHigh, fd.nFileSizeLow),
                        Join(fd.ftLastWriteTime.dwHighDateTime, fd.ftLastWriteTime.dwLowDateTime)});
  } while (FindNextFileA(find.get(), &fd));
}

bool Win32FileSystem::Exists(const std::string& path) {
  WIN32_FIND_DATAA fd;
  UniqueFindHandle find(FindFirstFileA(path.c_str(), &fd));
  return static_cast<bool>(find);
}

bool Win32FileSystem::ToLocalFileTime(uint64_t utc, uint64_t* local) {
  FILETIME in{static_cast<DWORD>(utc), static_cast<DWORD>(utc >> 32)};
  FILETIME out;
  if (!FileTimeToLocalFileTime(&in, &out)) return false;
  *local = Join(out.dwHighDateTime, out.dwLowDateTime);
  return true;
}

bool Win32FileSystem::FindName(const std::string& path, std::string* name) {
  WIN32_FIND_DATAA fd;
  UniqueFindHandle find(FindFirstFileA(path.c_str(), &fd));
  if (!find) return false;
  *name = fd.cFileName;
  return true;
}

bool Win32FileSystem::Attributes(const std::string& path, uint32_t* attributes) {
  const DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return false;
  *attributes = a;
  return true;
}

bool Win32FileSystem::DriveCurrentDirectory(int drive, std::string* path) {
  char buffer[MAX_PATH];
  if (!_getdcwd(drive, buffer, MAX_PATH)) return false;
  // Wine's runtime ends another drive's folder with a backslash; Windows' does not.
  *path = path::WithoutBackslash(buffer);
  return true;
}

bool Win32FileSystem::ChangeDrive(int drive) {
  RememberCurrentFolder();
  if (_chdrive(drive) != 0) return false;
  RememberCurrentFolder();
  return true;
}

bool Win32FileSystem::Rename(const std::string& from, const std::string& to) {
  // The runtime's rename: MoveFile without replacing, so an existing item is
  // never overwritten.
  if (from == to || !cp932::EqualNoCase(from, to)) return std::rename(from.c_str(), to.c_str()) == 0;
  // A change of letter case only: Wine reports success and keeps the old
  // case, so the item goes through a free temporary name, and back when the
  // second step fails.
  std::string temp;
  for (int i = 0;; ++i) {
    if (i == 100) return false;
    temp = from + ".~qd" + std::to_string(i);
    if (GetFileAttributesA(temp.c_str()) == INVALID_FILE_ATTRIBUTES) break;
  }
  if (std::rename(from.c_str(), temp.c_str()) != 0) return false;
  if (std::rename(temp.c_str(), to.c_str()) == 0) return true;
  std::rename(temp.c_str(), from.c_str());
  return false;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  SECURITY_ATTRIBUTES security{};  // default security
  security.nLength = sizeof security;
  return CreateDirectoryA(path.c_str(), &security) != 0;
}

bool Win32FileSystem::CreateEmptyFile(const std::string& path) {
  // No access and no sharing: the handle is only there to make the file.
  UniqueFile file(CreateFileA(path.c_str(), 0, 0, nullptr, CREATE_NEW, 0, nullptr));
  return static_cast<bool>(file);
}

std::string Win32FileSystem::ShortPath(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

}  // namespace qd
