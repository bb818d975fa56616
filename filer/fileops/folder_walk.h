// The walk of a folder tree behind file find and folder expansion: each
// folder is entered and listed; folders whose names match the mask and
// files that match it become rows, in walk order.
#pragma once

#include <string>
#include <string_view>

#include "common/wildcard.h"
#include "filer/ports/file_system_port.h"

namespace qd {

// Where the rows of a walk go, and who says when it stops.
class WalkSink {
 public:
  // Before each folder is entered; false stops the walk (the user asked).
  virtual bool GoOn() = 0;
  // A folder's row, by its full path, or a file's row, by the folder that
  // holds it and its name; false when the list takes no more rows.
  virtual bool AddFolder(std::string_view path) = 0;
  virtual bool AddFile(std::string_view folder, std::string_view name) = 0;

 protected:
  ~WalkSink() = default;
};

enum class VisitStatus {
  Done = 0,
  NotListed = -1,  // the folder could not be listed
  Stopped = -2,    // the folder could not be entered, or a row could not be added
};

class FolderWalk {
 public:
  // An empty mask lists folders only: its one pattern is empty and matches
  // no name, but every folder gets its row.
  FolderWalk(FileSystemPort& fs, WalkSink& sink, std::string_view mask);

  // Gives the folder a row when its name matches and walks what it holds;
  // a folder that cannot be entered gets no row. Folders whose names begin with "." are not
  // entered: they are tested as files. Once a row could not be added or
  // the sink said stop, every visit stops at once.
  VisitStatus Visit(const std::string& folder);

 private:
  bool AddEntryRow(const std::string& folder, std::string_view name);

  FileSystemPort& fs_;
  WalkSink& sink_;
  WildcardMask mask_;
  bool folders_only_;
  bool stopped_ = false;
};

}  // namespace qd
