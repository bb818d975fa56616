#include "common/name_list.h"

#include "common/cp932.h"

namespace qd {

std::vector<std::string_view> SplitTerminated(std::string_view text, char separator) {
  // One walk by characters: a list of ten thousand names is split in one
  // pass, not searched again from its start for every piece.
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) {
    if (text[i] != separator) continue;
    pieces.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return pieces;
}

NameListIndex::NameListIndex(std::string_view list) : names_(SplitNameList(list)) {
  std::size_t capacity = 16;
  while (capacity < names_.size() * 2) capacity *= 2;
  slots_.resize(capacity);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const auto hash = static_cast<uint32_t>(cp932::HashNoCase(names_[i]));
    Slot& slot = slots_[SlotOf(names_[i], hash)];
    slot.hash = hash;
    slot.position = static_cast<int32_t>(i);  // a repeat moves the name on
  }
}

// The slot that holds the name, or the empty one where it would go.
std::size_t NameListIndex::SlotOf(std::string_view name, uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.position < 0) return at;
    if (slot.hash == hash && cp932::EqualNoCase(names_[slot.position], name)) return at;
  }
}

int NameListIndex::Find(std::string_view name) const {
  return slots_[SlotOf(name, static_cast<uint32_t>(cp932::HashNoCase(name)))].position;
}

}  // namespace qd
