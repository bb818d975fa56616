// Folders held in memory, searched as the directory search does.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "filer/ports/file_system_port.h"

namespace qd::test {

// A file system of folders held in memory. Patterns are matched as the
// directory search does for the cases the filer uses: "*", "*.*" and
// "*.ext"-style pieces, "name*", exact names.
class FakeFileSystem : public FileSystemPort {
 public:
  struct Entry {
    std::string name;
    uint32_t attributes;
    uint64_t size;
    uint64_t time;
  };

  std::string CurrentDirectory() override { return current; }
  bool ChangeDirectory(const std::string& path) override {
    const std::string p = Resolve(path);
    if (!folders.count(p)) return false;
    current = p;
    return true;
  }
  // An absolute path of the fake's folders: relative names and ".." are
  // taken from the current folder; no trailing backslash but for a root.
  std::string Resolve(const std::string& path) const {
    std::string p = path;
    if (p.size() < 2 || p[1] != ':') p = (current.back() == '\\' ? current : current + "\\") + p;
    std::vector<std::string> parts;
    std::size_t start = 3;
    const std::string root = p.substr(0, 2) + "\\";
    while (start <= p.size()) {
      std::size_t slash = cp932::FindChar(p, '\\', start);
      if (slash == std::string::npos) slash = p.size();
      const std::string part = p.substr(start, slash - start);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      start = slash + 1;
    }
    std::string out = root;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
    // Names on disk match without regard to case.
    if (!folders.count(out)) {
      for (const auto& [name, entries] : folders) {
        if (cp932::EqualNoCase(name, out)) return name;
      }
    }
    return out;
  }
  void Search(const std::string& pattern, EntrySink& sink) override {
    searches.push_back(pattern);
    auto it = folders.find(current);
    if (it == folders.end()) return;
    for (const Entry& e : it->second) {
      if (!Matches(pattern, e.name)) continue;
      sink.Add(FoundEntry{e.name, e.attributes, e.size, e.time});
    }
  }
  bool Exists(const std::string& path) override {
    return !vanished.count(path) && (folders.count(Resolve(path)) || FindFile(path));
  }
  bool Attributes(const std::string& path, uint32_t* attributes) override {
    if (folders.count(Resolve(path))) {
      *attributes = kAttrDirectory;
      return true;
    }
    const Entry* e = FindFile(path);
    if (!e) return false;
    *attributes = e->attributes;
    return true;
  }
  uint32_t LogicalDrives() override { return drives; }
  bool FindName(const std::string& path, std::string* name) override {
    auto it = long_names.find(path);
    if (it != long_names.end()) {
      *name = it->second;
      return true;
    }
    if (folders.count(Resolve(path))) {
      const std::string real = Resolve(path);
      *name = real.substr(cp932::FindLastChar(real, '\\') + 1);
      return !name->empty();
    }
    const Entry* e = FindFile(path);
    if (!e) return false;
    *name = e->name;
    return true;
  }
  bool DriveCurrentDirectory(int drive, std::string* path) override {
    auto it = drive_folders.find(drive);
    if (it == drive_folders.end()) return false;
    *path = it->second;
    return true;
  }
  bool ChangeDrive(int drive) override { return drives >> (drive - 1) & 1; }
  std::string ShortPath(const std::string& path) override { return "~" + path; }
  const Entry* FindFile(const std::string& path) const {
    const std::string full = Resolve(path);
    const std::size_t slash = cp932::FindLastChar(full, '\\');
    std::string folder = full.substr(0, slash);
    if (folder.size() == 2) folder += '\\';
    folder = Resolve(folder);
    auto it = folders.find(folder);
    if (it == folders.end()) return nullptr;
    for (const Entry& e : it->second) {
      if (cp932::EqualNoCase(e.name, full.substr(slash + 1))) return &e;
    }
    return nullptr;
  }
  bool ToLocalFileTime(uint64_t utc, uint64_t* local) override {
    *local = utc + offset;
    return utc < 0x7000000000000000ull;
  }

  // Wildcards: "*" any run, "?" one byte; "*.*" matches every name, as
  // the directory search does.
  static bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    if (pattern.empty()) return false;
    return Glob(pattern, name);
  }
  static bool Glob(std::string_view p, std::string_view n) {
    if (p.empty()) return n.empty();
    if (p[0] == '*') {
      for (std::size_t i = 0; i <= n.size(); ++i) {
        if (Glob(p.substr(1), n.substr(i))) return true;
      }
      return false;
    }
    if (n.empty()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (p[0] != '?' && lower(p[0]) != lower(n[0])) return false;
    return Glob(p.substr(1), n.substr(1));
  }

  std::string current = "C:\\";
  std::map<std::string, std::vector<Entry>> folders;
  std::set<std::string> vanished;
  uint32_t drives = 0x1C;  // C:, D:, E:
  std::map<int, std::string> drive_folders;
  std::map<std::string, std::string> long_names;  // a short path -> its long last component
  std::vector<std::string> searches;
  uint64_t offset = 0;
};

}  // namespace qd::test
