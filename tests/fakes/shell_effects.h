// What a shell file operation does to the in-memory folders, for tests that
// want the listing after a paste or a delete to show it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "filer/ports/shell_port.h"
#include "tests/fakes/fake_file_system.h"

namespace qd::test {

// The paths of a double-NUL list.
inline std::vector<std::string> PathsOf(const std::string& list) {
  std::vector<std::string> paths;
  for (std::size_t start = 0; start < list.size() && list[start] != '\0';) {
    const std::size_t end = list.find('\0', start);
    paths.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}

inline void SplitPath(const std::string& path, std::string* folder, std::string* name) {
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  *folder = path.substr(0, slash == 2 ? 3 : slash);  // "C:\a" lies in "C:\"
  *name = path.substr(slash + 1);
}

// Copies, moves and deletes entries of `fs` (not what lies below a folder).
inline void ApplyOperation(FakeFileSystem& fs, const ShellPort::FileOperation& op) {
  const std::vector<std::string> from = PathsOf(op.from), to = PathsOf(op.to);
  for (std::size_t i = 0; i < from.size(); ++i) {
    std::string folder, name;
    SplitPath(from[i], &folder, &name);
    std::vector<FakeFileSystem::Entry>& entries = fs.folders[folder];
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const FakeFileSystem::Entry& e) { return e.name == name; });
    if (it == entries.end()) continue;
    FakeFileSystem::Entry entry = *it;
    if (op.operation != 2) entries.erase(it);
    if (op.operation == 3 || i >= to.size()) continue;
    std::string to_folder, to_name;
    SplitPath(to[i], &to_folder, &to_name);
    entry.name = to_name;
    fs.folders[to_folder].push_back(entry);
  }
}

}  // namespace qd::test
