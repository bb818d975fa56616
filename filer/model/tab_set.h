// The open tabs with what each remembers: its folder and the cursor to give
// back when it is selected again. A slot's three parts move together.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qd {

struct TabSlot {
  std::string path;
  std::string cursor_names;  // a name list; empty: the cursor goes to ".."
  int cursor_row = 0;        // the bottom row of the page that was shown
};

class TabSet {
 public:
  // Room for `prepared` tabs is made at once (Conf-Main/TabMax); more
  // tabs than that still open.
  explicit TabSet(std::size_t prepared = 0) { slots_.reserve(prepared); }

  int size() const { return static_cast<int>(slots_.size()); }
  bool Contains(int index) const { return index >= 0 && index < size(); }
  TabSlot& at(int index) { return slots_.at(index); }
  const TabSlot& at(int index) const { return slots_.at(index); }

  // The current tab, or -1 while none is (before the first selection, and
  // while a switch must not store the list's cursor on the tab it leaves).
  int current() const { return current_; }
  void set_current(int index) { current_ = index; }
  // The current tab's folder; empty while there is none.
  std::string CurrentPath() const { return Contains(current_) ? slots_[current_].path : std::string(); }

  // Later slots move right by one.
  void Insert(int index, TabSlot slot);
  // Later slots move left by one.
  void Erase(int index);
  // The slot at `from` goes to `to`; the slots between move one place
  // towards `from`. For neighbours this is a swap; across the wrap it
  // rotates every tab by one.
  void Move(int from, int to);
  // Remembers a cursor for the tab; nothing for an index that is not open.
  void StoreCursor(int index, std::string names, int row);

  // The first tab on `folder`, compared without regard to case; -1 if none.
  int Find(std::string_view folder) const;
  std::vector<std::string> Paths() const;

 private:
  std::vector<TabSlot> slots_;
  int current_ = -1;
};

}  // namespace qd
