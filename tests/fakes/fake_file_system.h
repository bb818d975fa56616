// Folders held in memory, answering as Windows does; the cases in
// tests/contracts/file_system_cases.h hold it to the Win32 adapter.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "filer/ports/file_system_port.h"

namespace qd::test {

// A file system of folders held in memory.
//
// `current` is the process's folder; `drive_folders` the folder each other
// drive keeps ("D:" alone means it, as the variable "=D:" does on Windows),
// the root when it keeps none; a change of folder updates both. A path in
// `vanished`, or below one, is gone for every call. A key of `folders` is a
// folder even when its parent does not list it, so that tests need not list
// every parent.
//
// Left out: "?" before a dot or at the end matching nothing (Windows does,
// Wine does not), the folding of full-width and Greek letters (Windows and
// Wine fold them; only A-Z fold here) and masks matching 8.3 names.
class FakeFileSystem : public FileSystemPort {
 public:
  struct Entry {
    std::string name;
    uint32_t attributes;
    uint64_t size;
    uint64_t time;
  };

  // What the system hands back: nothing for a folder it cannot read back
  // (on Win32 a path longer than the buffer).
  std::string CurrentDirectory() override {
    return !unreadable.empty() && cp932::EqualNoCase(current, unreadable) ? std::string() : current;
  }
  bool ChangeDirectory(const std::string& path) override {
    const std::string p = Resolve(path);
    if (!IsFolder(p)) return false;
    drive_folders[DriveOf(current)] = current;
    current = p;
    drive_folders[DriveOf(p)] = p;
    return true;
  }
  // An absolute path: "D:" and "D:x" from drive D's own folder, "\x" from
  // the current drive's root, other relative paths from the current folder;
  // "." and ".." are taken away, the case is kept as written; no trailing
  // backslash but for a root.
  std::string Resolve(const std::string& path) const {
    std::string base, rest;
    if (path.size() >= 2 && path[1] == ':') {
      if (path.size() >= 3 && path[2] == '\\') {
        base = path.substr(0, 3);
        rest = path.substr(3);
      } else {
        base = FolderOfDrive(DriveOf(path));
        rest = path.substr(2);
      }
    } else if (!path.empty() && path[0] == '\\') {
      base = current.substr(0, 3);
      rest = path.substr(1);
    } else {
      base = current;
      rest = path;
    }
    std::vector<std::string> parts;
    for (const std::string& p : {base.size() > 3 ? base.substr(3) : std::string(), rest}) {
      std::size_t start = 0;
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
    }
    std::string out = base.substr(0, 2) + "\\";
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
    return out;
  }
  // A directory search: the folder part of the pattern (or the current
  // folder) must be there; its entries are matched against the last part.
  void Search(const std::string& pattern, EntrySink& sink) override {
    searches.push_back(pattern);
    std::string folder, mask;
    if (!Split(pattern, &folder, &mask)) return;
    const std::vector<Entry>* entries = Entries(folder);
    if (!entries) return;
    for (const Entry& e : *entries) {
      if (!Matches(mask, e.name) || IsVanished(Join(folder, e.name))) continue;
      sink.Add(FoundEntry{e.name, e.attributes, e.size, e.time});
    }
  }
  // Found by a directory search: never a root, nor a path ending in a
  // backslash.
  bool Exists(const std::string& path) override { return Lookup(path, nullptr); }
  bool Attributes(const std::string& path, uint32_t* attributes) override {
    if (IsFolder(Resolve(path))) {
      *attributes = kAttrDirectory;
      return true;
    }
    Entry e;
    if (!Lookup(path, &e)) return false;
    *attributes = e.attributes;
    return true;
  }
  uint32_t LogicalDrives() override { return drives; }
  bool FindName(const std::string& path, std::string* name) override {
    auto it = long_names.find(path);
    if (it != long_names.end()) {
      *name = it->second;
      return true;
    }
    Entry e;
    if (!Lookup(path, &e)) return false;
    *name = e.name;
    return true;
  }
  bool DriveCurrentDirectory(int drive, std::string* path) override {
    if (!HasDrive(drive)) return false;
    *path = FolderOfDrive(drive);
    return true;
  }
  bool ChangeDrive(int drive) override {
    return HasDrive(drive) &&
           ChangeDirectory(std::string(1, static_cast<char>('A' + drive - 1)) + ":");
  }
  // As the runtime's rename: no overwriting, the same item in other letter
  // case allowed, names the file system refuses ("a:b", "a?") refused; a
  // folder takes what lies below it along. Names in `refused` cannot be
  // renamed at all (held open by another program, say).
  bool Rename(const std::string& from, const std::string& to) override {
    renames.push_back(from + " > " + to);
    std::string from_folder, from_name, to_folder, to_name;
    if (!Split(from, &from_folder, &from_name) || !Split(to, &to_folder, &to_name)) return false;
    if (!Takes(to_name)) return false;
    const std::string old_path = Join(from_folder, from_name);
    for (const std::string& r : refused) {
      if (cp932::EqualNoCase(Resolve(r), old_path)) return false;
    }
    auto source = FindFolder(from_folder);
    if (source == folders.end() || IsVanished(old_path)) return false;
    std::vector<Entry>& entries = folders[source->first];
    auto entry = std::find_if(entries.begin(), entries.end(),
                              [&](const Entry& e) { return cp932::EqualNoCase(e.name, from_name); });
    if (entry == entries.end()) return false;
    const bool same_item = cp932::EqualNoCase(from_folder, to_folder) &&
                           cp932::EqualNoCase(from_name, to_name);
    if (!same_item && Lookup(to, nullptr)) return false;
    auto target = FindFolder(to_folder);
    if (target == folders.end()) return false;
    Entry moved = *entry;
    const std::string old_full = Join(source->first, entry->name);
    moved.name = to_name;
    entries.erase(entry);
    folders[target->first].push_back(moved);
    if (moved.attributes & kAttrDirectory) {
      // The folder's own key and every key below it follow the new name.
      const std::string new_full = Join(target->first, to_name);
      std::map<std::string, std::vector<Entry>> renamed;
      for (auto it = folders.begin(); it != folders.end();) {
        const std::string& key = it->first;
        const bool below = key.size() > old_full.size() && key[old_full.size()] == '\\' &&
                           cp932::EqualNoCase(key.substr(0, old_full.size()), old_full);
        if (cp932::EqualNoCase(key, old_full) || below) {
          renamed[new_full + key.substr(old_full.size())] = std::move(it->second);
          it = folders.erase(it);
        } else {
          ++it;
        }
      }
      folders.merge(renamed);
    }
    return true;
  }
  // As CreateDirectoryA and CreateFileA with CREATE_NEW: never over an item
  // of that name, a file or a folder; names in `refused` cannot be made.
  bool CreateFolder(const std::string& path) override {
    std::string folder;
    if (!MayCreate(path, &folder)) return false;
    const std::string full = Resolve(path);
    folders[folder].push_back({full.substr(cp932::FindLastChar(full, '\\') + 1), kAttrDirectory, 0, 0});
    folders[full];
    return true;
  }
  bool CreateEmptyFile(const std::string& path) override {
    std::string folder;
    if (!MayCreate(path, &folder)) return false;
    const std::string full = Resolve(path);
    folders[folder].push_back({full.substr(cp932::FindLastChar(full, '\\') + 1), kAttrArchive, 0, 0});
    return true;
  }
  // A path has a short form ("~" and the path) unless it is listed as having none.
  std::string ShortPath(const std::string& path) override {
    return without_short_form.count(path) ? path : "~" + path;
  }
  bool ToLocalFileTime(uint64_t utc, uint64_t* local) override {
    *local = utc + offset;
    return utc < 0x7000000000000000ull;
  }
  // The same conversion as a row store takes it.
  auto LocalTime() {
    return [this](uint64_t utc, uint64_t* local) { return ToLocalFileTime(utc, local); };
  }

  // Wildcards: "*" any run of characters, "?" one character (a double-byte
  // one included); single-byte letters match without regard to case; "*.*"
  // matches every name, as the directory search does.
  static bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    if (pattern.empty()) return false;
    return Glob(pattern, name);
  }
  static bool Glob(std::string_view p, std::string_view n) {
    if (p.empty()) return n.empty();
    if (p[0] == '*') {
      for (std::size_t i = 0;; i += cp932::CharLength(n, i)) {
        if (Glob(p.substr(1), n.substr(i))) return true;
        if (i >= n.size()) return false;
      }
    }
    if (n.empty()) return false;
    const std::size_t pl = cp932::CharLength(p, 0), nl = cp932::CharLength(n, 0);
    if (p[0] != '?' && !cp932::EqualNoCase(p.substr(0, pl), n.substr(0, nl))) return false;
    return Glob(p.substr(p[0] == '?' ? 1 : pl), n.substr(nl));
  }

  std::string current = "C:\\";
  std::string unreadable;  // a folder whose path CurrentDirectory cannot give
  std::map<std::string, std::vector<Entry>> folders;
  std::set<std::string> vanished;
  std::set<std::string> without_short_form;  // paths whose 8.3 form cannot be had
  uint32_t drives = 0x1C;  // C:, D:, E:
  std::map<int, std::string> drive_folders;
  std::map<std::string, std::string> long_names;  // a short path -> its long last component
  std::vector<std::string> searches;
  std::vector<std::string> renames;  // "from > to", every call
  std::vector<std::string> refused;  // items the system will not rename or make
  std::vector<std::string> creates;  // every path CreateFolder or CreateEmptyFile was given
  uint64_t offset = 0;

 private:
  static int DriveOf(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return 0;
    const char c = cp932::ToUpper(path.substr(0, 1))[0];
    return c >= 'A' && c <= 'Z' ? c - 'A' + 1 : 0;
  }
  static std::string Join(const std::string& folder, const std::string& name) {
    return cp932::EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
  }
  bool HasDrive(int drive) const {
    return drive >= 1 && drive <= 26 && (drives >> (drive - 1) & 1);
  }
  std::string FolderOfDrive(int drive) const {
    if (drive == DriveOf(current)) return current;
    auto it = drive_folders.find(drive);
    if (it != drive_folders.end()) return it->second;
    return std::string(1, static_cast<char>('A' + drive - 1)) + ":\\";
  }
  // A path made absolute, split at its last backslash; false when nothing
  // is left after it.
  bool Split(const std::string& path, std::string* folder, std::string* name) const {
    const std::size_t slash = cp932::FindLastChar(path, '\\');
    if (slash == std::string::npos && DriveOf(path)) {  // "D:x" is x in drive D's folder
      *folder = Resolve(path.substr(0, 2));
      *name = path.substr(2);
    } else if (slash == std::string::npos) {
      *folder = current;
      *name = path;
    } else {
      std::string f = path.substr(0, slash);
      if (f.empty() || (f.size() == 2 && DriveOf(f))) f += '\\';  // "\\x" and "D:\\x": the root
      *folder = Resolve(f);
      *name = path.substr(slash + 1);
    }
    return !name->empty() && *name != "." && *name != "..";
  }
  // Whether the file system takes the name: none of its single-byte
  // characters is one it refuses (a trail byte such as the 7C of ポ is none).
  static bool Takes(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); i += cp932::CharLength(name, i)) {
      if (cp932::CharLength(name, i) == 1 &&
          std::string_view("/:*?\"<>|").find(name[i]) != std::string_view::npos) {
        return false;
      }
    }
    return true;
  }
  // Whether an item may be made at the path; `folder` is the key of the
  // folder it goes in.
  bool MayCreate(const std::string& path, std::string* folder) {
    creates.push_back(path);
    std::string parent, name;
    if (!Split(path, &parent, &name)) return false;
    if (!Takes(name)) return false;
    for (const std::string& r : refused) {
      if (cp932::EqualNoCase(Resolve(r), Join(parent, name))) return false;
    }
    auto it = FindFolder(parent);
    if (it == folders.end() || IsVanished(parent) || Lookup(path, nullptr)) return false;
    *folder = it->first;
    return true;
  }
  bool IsVanished(const std::string& path) const {
    for (const std::string& v : vanished) {
      if (cp932::EqualNoCase(v, path)) return true;
      const std::string below = cp932::EndsWithBackslash(v) ? v : v + "\\";
      if (path.size() > below.size() && cp932::EqualNoCase(path.substr(0, below.size()), below))
        return true;
    }
    return false;
  }
  std::map<std::string, std::vector<Entry>>::const_iterator FindFolder(const std::string& p) const {
    auto it = folders.find(p);
    if (it != folders.end()) return it;
    for (it = folders.begin(); it != folders.end(); ++it) {
      if (cp932::EqualNoCase(it->first, p)) return it;
    }
    return it;
  }
  bool IsFolder(const std::string& absolute) const {
    return FindFolder(absolute) != folders.end() && !IsVanished(absolute);
  }
  const std::vector<Entry>* Entries(const std::string& folder) const {
    if (IsVanished(folder)) return nullptr;
    auto it = FindFolder(folder);
    return it == folders.end() ? nullptr : &it->second;
  }
  // The entry a directory search for the path finds first.
  bool Lookup(const std::string& path, Entry* found) const {
    std::string folder, name;
    if (!Split(path, &folder, &name)) return false;
    const std::string full = Join(folder, name);
    if (IsVanished(full)) return false;
    if (const std::vector<Entry>* entries = Entries(folder)) {
      for (const Entry& e : *entries) {
        if (!Matches(name, e.name)) continue;
        if (found) *found = e;
        return true;
      }
    }
    auto it = FindFolder(full);
    if (it == folders.end()) return false;
    if (found)
      *found = {it->first.substr(cp932::FindLastChar(it->first, '\\') + 1), kAttrDirectory, 0, 0};
    return true;
  }
};

}  // namespace qd::test
