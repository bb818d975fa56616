// Name lists: item names or paths, each followed by one "|". The selection,
// the clipboard and remembered cursors are passed in this form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qd {

// The pieces of a text in which each piece ends with `separator`; text after
// the last separator is ignored, and a trail byte equal to the separator
// does not end a piece.
std::vector<std::string_view> SplitTerminated(std::string_view text, char separator);

// The entries of a name list.
inline std::vector<std::string_view> SplitNameList(std::string_view list) {
  return SplitTerminated(list, '|');
}

inline void AppendName(std::string& list, std::string_view name) {
  list += name;
  list += '|';
}

// The names of a name list, found without regard to the case of single-byte
// letters (trail bytes never fold). A flat table: a pass over a hundred
// thousand rows asks it once a row. It holds views into the list, which must
// outlive it.
class NameListIndex {
 public:
  explicit NameListIndex(std::string_view list);
  // Where in the list the name was last mentioned (0 for the first entry),
  // or -1 when it is not there.
  int Find(std::string_view name) const;
  // The number of entries of the list, repeats included.
  int size() const { return static_cast<int>(names_.size()); }

 private:
  struct Slot {
    uint32_t hash = 0;
    int32_t position = -1;  // -1: empty
  };
  std::size_t SlotOf(std::string_view name, uint32_t hash) const;

  std::vector<std::string_view> names_;
  std::vector<Slot> slots_;  // a power of two, at most half full
};

}  // namespace qd
