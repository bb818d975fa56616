// What the filer leaves to the shell: opening documents, shortcuts, the
// folder browser, file operations and the folder change watch.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qd {

class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Opens a document with the "open" verb (or starts a program) with a
  // parameter line; returns at once, false when the shell could not start it.
  virtual bool Open(const std::string& file, const std::string& parameters) = 0;
  struct Shortcut {
    bool ok = false;  // the target was read
    std::string target;
    bool folder = false;
    bool loaded = false;  // the file is a shortcut at all
    std::string arguments = {};
  };
  // Loads a .lnk file, resolves it without a window and reads its target
  // and arguments.
  virtual Shortcut ResolveShortcut(const std::string& lnk) = 0;
  // Writes a shortcut to `target` (over any file at `lnk`); false when it
  // cannot be written.
  struct NewShortcut {
    std::string target, arguments, working_folder, description;
  };
  virtual bool SaveShortcut(const std::string& lnk, const NewShortcut& shortcut) = 0;
  // The shell's folder browser, starting at `initial`; false when cancelled.
  virtual bool BrowseForFolder(std::string_view title, const std::string& initial, bool with_files,
                               std::string* chosen) = 0;

  // One copy, move or delete of many items by the shell, which asks its own
  // questions and shows its own progress. `from` and `to` are double-NUL
  // lists; `to` is empty for a delete. Returns 0 when done,
  // kShellCancelled when the user cancelled (a question answered so
  // included), anything else for a failure.
  struct FileOperation {
    int operation = 0;  // 1 move, 2 copy, 3 delete: the shell's own codes
    std::string from, to;
    uint32_t flags = 0;
    std::string title;  // of the progress window
  };
  virtual int RunFileOperation(const FileOperation& request) = 0;
  // A one-shot watch on one folder (no subtree: names, attributes, size,
  // last write); it stops when it goes.
  class ChangeWatch {
   public:
    virtual ~ChangeWatch() = default;
    // Whether the folder changed since the watch was set; waits at most a
    // moment for a change the system has yet to report.
    virtual bool Fired() = 0;
  };
  // Null when the folder cannot be watched.
  virtual std::unique_ptr<ChangeWatch> WatchFolder(const std::string& folder) = 0;
};

// What a file operation the user cancelled returns (the system's own code).
inline constexpr int kShellCancelled = 1223;

// Flags of a shell file operation.
inline constexpr uint32_t kFofMultiDestFiles = 0x01;
inline constexpr uint32_t kFofRenameOnCollision = 0x08;
inline constexpr uint32_t kFofNoConfirmation = 0x10;  // "yes" to every question
inline constexpr uint32_t kFofAllowUndo = 0x40;

}  // namespace qd
