#include "filer/fileops/folder_walk.h"

#include <vector>

#include "common/cp932.h"
#include "common/path.h"

namespace qd {

namespace {

// A folder's entries, taken in one search before any of them is visited, so
// that no search stays open while the folders below are walked.
class EntryList : public EntrySink {
 public:
  struct Entry {
    std::size_t offset, length;
    bool folder;
  };
  void Add(const FoundEntry& e) override {
    entries.push_back({names.size(), e.name.size(), (e.attributes & kAttrDirectory) != 0});
    names.append(e.name);
  }
  std::string_view Name(const Entry& e) const { return {names.data() + e.offset, e.length}; }

  std::string names;
  std::vector<Entry> entries;
};

}  // namespace

FolderWalk::FolderWalk(FileSystemPort& fs, WalkSink& sink, std::string_view mask)
    : fs_(fs), sink_(sink), mask_(mask), folders_only_(mask.empty()) {}

bool FolderWalk::AddEntryRow(const std::string& folder, std::string_view name) {
  if (!mask_.Matches(name)) return true;
  return sink_.AddFile(folder, name);
}

VisitStatus FolderWalk::Visit(const std::string& folder) {
  if (stopped_ || !sink_.GoOn()) {
    stopped_ = true;
    return VisitStatus::Stopped;
  }
  // Listed by its full path rather than entered: making each folder current
  // costs more than its listing. Only a folder that lists nothing is tried
  // for entering, which tells the two failures apart: one that cannot be
  // entered gets no row at all.
  EntryList list;
  fs_.Search(path::Join(folder, "*.*"), list);
  // A folder lists at least "." and "..", and a root holds something or
  // other: finding nothing is a search that could not start.
  if (list.entries.empty()) {
    if (!fs_.ChangeDirectory(folder)) return VisitStatus::Stopped;
    // Entered: a path near the length limit lists from inside.
    fs_.Search("*.*", list);
  }
  const bool listed = !list.entries.empty();

  // A drive root has no name of its own: it matches as an empty one.
  const std::string_view own = cp932::EndsWithBackslash(folder) ? std::string_view()
                                                                : path::LastComponent(folder);
  if (folders_only_ || mask_.Matches(own)) {
    if (!sink_.AddFolder(folder)) {
      stopped_ = true;
      return VisitStatus::Stopped;
    }
  }
  if (!listed) return VisitStatus::NotListed;

  for (const EntryList::Entry& e : list.entries) {
    const std::string_view name = list.Name(e);
    if (e.folder && !name.empty() && name[0] != '.') {
      Visit(path::Join(folder, name));
      if (stopped_) return VisitStatus::Stopped;
      continue;
    }
    if (!AddEntryRow(folder, name)) {
      stopped_ = true;
      return VisitStatus::Stopped;
    }
  }
  return VisitStatus::Done;
}

}  // namespace qd
