#include "filer/model/tab_set.h"

#include <algorithm>

#include "common/cp932.h"

namespace qd {

void TabSet::Insert(int index, TabSlot slot) {
  index = std::clamp(index, 0, size());
  slots_.insert(slots_.begin() + index, std::move(slot));
}

void TabSet::Erase(int index) {
  if (Contains(index)) slots_.erase(slots_.begin() + index);
}

void TabSet::Move(int from, int to) {
  if (!Contains(from) || !Contains(to) || from == to) return;
  if (from < to) {
    std::rotate(slots_.begin() + from, slots_.begin() + from + 1, slots_.begin() + to + 1);
  } else {
    std::rotate(slots_.begin() + to, slots_.begin() + from, slots_.begin() + from + 1);
  }
}

void TabSet::StoreCursor(int index, std::string names, int row) {
  if (!Contains(index)) return;
  slots_[index].cursor_names = std::move(names);
  slots_[index].cursor_row = row;
}

int TabSet::Find(std::string_view folder) const {
  for (int i = 0; i < size(); ++i) {
    if (cp932::EqualNoCase(slots_[i].path, folder)) return i;
  }
  return -1;
}

std::vector<std::string> TabSet::Paths() const {
  std::vector<std::string> paths;
  paths.reserve(slots_.size());
  for (const TabSlot& s : slots_) paths.push_back(s.path);
  return paths;
}

}  // namespace qd
