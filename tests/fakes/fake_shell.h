// Documents opened and the folder browser recorded or set by the test;
// shortcuts kept in memory; file operations recorded and answered, and
// change watches that fire as the test says. With `disk` set, file
// operations act on that file system as the shell does (its questions
// answered with `answer_questions`) and watches fire for changes in their
// own folder; tests/contracts/shell_cases.h holds it to the Win32 shell.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "filer/ports/shell_port.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/shell_effects.h"

namespace qd::test {

class FakeShell : public ShellPort {
 public:
  // What the shell returns where the port names no code of its own.
  static constexpr int kSameFile = 0x71;        // an item copied or moved onto itself
  static constexpr int kSourceMissing = 0x402;  // a copy or move of a missing item
  static constexpr int kNotFound = 2;           // a delete of a missing item

  // Every open is recorded; one of a file listed in `unstartable`, or not on
  // `disk` when it is set, fails.
  bool Open(const std::string& file, const std::string& parameters) override {
    opened.push_back(parameters.empty() ? file : file + " |" + parameters);
    return unstartable.count(file) == 0 && (!disk || disk->Exists(file));
  }
  Shortcut ResolveShortcut(const std::string& lnk) override {
    // Every file named here is a shortcut; any other is none.
    auto it = shortcuts.find(lnk);
    if (it == shortcuts.end()) return {};
    Shortcut found = it->second;
    found.loaded = true;
    uint32_t attributes = 0;
    if (disk && found.ok) found.folder = disk->Attributes(found.target, &attributes) &&
                                         (attributes & kAttrDirectory);
    return found;
  }
  // Written into `shortcuts`, and into `disk` as a file when it is set; a
  // shortcut is never written into a missing folder.
  bool SaveShortcut(const std::string& lnk, const NewShortcut& s) override {
    if (disk) {
      uint32_t attributes = 0;
      if (!disk->Attributes(SplitFolder(lnk), &attributes) || !(attributes & kAttrDirectory)) {
        return false;
      }
      if (!disk->Exists(lnk)) AddEntry(lnk, kAttrArchive, 0);
      Changed(SplitFolder(lnk));
    }
    shortcuts[lnk] = {true, s.target, false, true, s.arguments};
    return true;
  }
  bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                       std::string* chosen) override {
    browsed.push_back(std::string(title) + "|" + initial + (with_files ? "|files" : ""));
    if (browse_result.empty()) return false;
    *chosen = browse_result;
    return true;
  }
  int RunFileOperation(const FileOperation& request) override {
    operations.push_back(request);
    if (effect) effect(request);
    if (disk && !effect) return RunOnDisk(request);
    return result;
  }
  // A watch fires when `changes` is set at the moment it is tested, or once
  // its folder changed after it was set.
  class Watch : public ChangeWatch {
   public:
    Watch(FakeShell& shell, std::string folder)
        : shell_(shell), folder_(Key(folder)), seen_(shell.changed_folders[folder_]) {
      ++shell_.open_watches;
    }
    ~Watch() override { --shell_.open_watches; }
    bool Fired() override {
      ++shell_.watch_tests;
      return shell_.changes || shell_.changed_folders[folder_] != seen_;
    }

   private:
    FakeShell& shell_;
    std::string folder_;
    int seen_;
  };
  std::unique_ptr<ChangeWatch> WatchFolder(const std::string& folder) override {
    watched.push_back(folder);
    uint32_t attributes = 0;
    if (!watch_possible ||
        (disk && (!disk->Attributes(folder, &attributes) || !(attributes & kAttrDirectory)))) {
      return nullptr;
    }
    return std::make_unique<Watch>(*this, folder);
  }
  // Something in the folder (not below it) changed.
  void Changed(const std::string& folder) { ++changed_folders[Key(folder)]; }

  std::vector<FileOperation> operations;
  std::function<void(const FileOperation&)> effect;
  int result = 0;
  std::vector<std::string> watched;
  bool watch_possible = true;
  bool changes = true;
  int open_watches = 0, watch_tests = 0;
  std::vector<std::string> opened, browsed;
  std::set<std::string> unstartable;  // programs the shell cannot start
  std::map<std::string, Shortcut> shortcuts;
  std::string browse_result;

  FakeFileSystem* disk = nullptr;
  bool answer_questions = true;  // Yes; false for Cancel
  int questions = 0;             // asked so far
  std::map<std::string, int> changed_folders;

 private:
  // Folders compared without case and without a trailing backslash.
  static std::string Key(std::string folder) {
    if (folder.size() > 3 && cp932::EndsWithBackslash(folder)) folder.pop_back();
    return cp932::ToLower(folder);
  }
  static std::string SplitFolder(const std::string& path) {
    std::string folder, name;
    SplitPath(path, &folder, &name);
    return folder;
  }
  void AddEntry(const std::string& path, uint32_t attributes, uint64_t size) {
    std::string folder, name;
    SplitPath(path, &folder, &name);
    disk->folders[folder].push_back({name, attributes, size, 0});
  }
  void Remove(const std::string& path) {
    std::string folder, name;
    SplitPath(path, &folder, &name);
    std::vector<FakeFileSystem::Entry>& entries = disk->folders[folder];
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const FakeFileSystem::Entry& e) {
                                   return cp932::EqualNoCase(e.name, name);
                                 }),
                  entries.end());
  }
  // One question of the shell; false when the user cancels.
  bool Ask(uint32_t flags) {
    if (flags & kFofNoConfirmation) return true;
    ++questions;
    return answer_questions;
  }

  // Each item in turn, as the shell goes: a missing item or one copied
  // onto itself fails the whole call, a question answered Cancel stops it.
  int RunOnDisk(const FileOperation& op) {
    const std::vector<std::string> from = PathsOf(op.from), to = PathsOf(op.to);
    const bool multi = op.flags & kFofMultiDestFiles;
    if (op.operation == 3) {
      for (const std::string& f : from) {
        if (!disk->Exists(f)) return kNotFound;
      }
      if (!Ask(op.flags)) return kShellCancelled;
    }
    for (std::size_t i = 0; i < from.size(); ++i) {
      const std::string& f = from[i];
      if (op.operation == 3) {
        Remove(f);
        Changed(SplitFolder(f));
        continue;
      }
      if (!disk->Exists(f)) return kSourceMissing;
      const std::string& named = multi && i < to.size() ? to[i] : to.empty() ? f : to[0];
      uint32_t attributes = 0;
      const bool into_folder = !multi && disk->Attributes(named, &attributes) &&
                               (attributes & kAttrDirectory);
      std::string folder, name;
      SplitPath(f, &folder, &name);
      const std::string target = into_folder ? named + "\\" + name : named;
      if (cp932::EqualNoCase(named, f)) return kSameFile;
      if (disk->Exists(target) && !Ask(op.flags)) return kShellCancelled;
      std::vector<uint64_t> sizes;
      struct Sizes : EntrySink {
        std::vector<uint64_t>* out;
        void Add(const FoundEntry& e) override { out->push_back(e.size); }
      } sink;
      sink.out = &sizes;
      disk->Search(f, sink);
      disk->Attributes(f, &attributes);
      Remove(target);
      AddEntry(target, attributes, sizes.empty() ? 0 : sizes[0]);
      Changed(SplitFolder(target));
      if (op.operation == 1) {
        Remove(f);
        Changed(folder);
      }
    }
    return 0;
  }
};

}  // namespace qd::test
