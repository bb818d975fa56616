// The folders the filer has listed, newest first, kept in the main window's
// hidden list box (the history store) and limited to Conf-Main/History.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "filer/model/history_store.h"

namespace qd {

class FolderHistory {
 public:
  explicit FolderHistory(HistoryStorePort& store) : store_(store) {}

  void set_limit(uint32_t limit) { limit_ = limit; }
  uint32_t limit() const { return limit_; }

  int size() const { return store_.Count(); }
  std::string at(int index) const { return store_.Text(index); }

  void Clear() { store_.Clear(); }
  // An entry read back from the saved state, below the others.
  void Append(std::string_view folder) { store_.Add(folder); }

  // A folder just listed goes on top. An older copy of it is removed when
  // it lies within the first limit - 2 entries after the top (a copy further
  // down stays until it drops off); entries beyond the limit drop off.
  void Record(std::string_view folder);

  // The first entry equal to `folder` among the first `limit` entries.
  void Remove(std::string_view folder);

  // What is saved between runs: the newest limit - 1 entries.
  std::vector<std::string> EntriesToSave() const;

 private:
  HistoryStorePort& store_;
  uint32_t limit_ = 50;
};

}  // namespace qd
