#include "common/win32/module_path_win32.h"

#include <vector>

#include "common/path.h"

namespace qd {

std::string ModuleFilePath() {
  // A path cut to fit the buffer would name another file: grow until whole.
  for (DWORD size = MAX_PATH; size <= 32768 * 2; size *= 2) {
    std::vector<char> path(size);
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), size);
    if (n == 0) return {};
    if (n < size) return std::string(path.data(), n);
  }
  return {};
}

std::string ModuleFolder() { return path::FolderOf(ModuleFilePath()); }

}  // namespace qd
