#include "filer/model/row_selection.h"

#include <algorithm>
#include <bit>

namespace qd {

void RowSelection::Resize(int rows) {
  rows = std::max(rows, 0);
  const bool shrinking = rows < rows_;
  words_.resize((static_cast<std::size_t>(rows) + 31) / 32, 0u);
  rows_ = rows;
  ClearTail();
  if (shrinking) {
    count_ = 0;
    for (uint32_t w : words_) count_ += std::popcount(w);
  }
}

// Bits beyond the last row stay clear, so that whole words can be counted
// and searched.
void RowSelection::ClearTail() {
  if (rows_ % 32 != 0) words_.back() &= (1u << Bit(rows_)) - 1u;
}

bool RowSelection::Set(int row, bool selected) {
  if (row < 0 || row >= rows_ || IsSelected(row) == selected) return false;
  words_[Word(row)] ^= 1u << Bit(row);
  count_ += selected ? 1 : -1;
  return true;
}

void RowSelection::SetAll(bool selected) {
  std::fill(words_.begin(), words_.end(), selected ? ~0u : 0u);
  ClearTail();
  count_ = selected ? rows_ : 0;
}

void RowSelection::SelectRange(int a, int b, bool only) {
  if (only) SetAll(false);
  int first = std::max(std::min(a, b), 0);
  const int last = std::min(std::max(a, b), rows_ - 1);
  while (first <= last) {
    const int w = Word(first);
    const int end = std::min(last, w * 32 + 31);  // the last row in this word
    const int width = end - first + 1;
    const uint32_t bits = (width == 32 ? ~0u : ((1u << width) - 1u)) << Bit(first);
    count_ += std::popcount(bits & ~words_[w]);
    words_[w] |= bits;
    first = end + 1;
  }
}

int RowSelection::Next(int after) const {
  const int start = std::max(after + 1, 0);
  if (start >= rows_) return -1;
  std::size_t w = Word(start);
  uint32_t bits = words_[w] & (~0u << Bit(start));
  while (bits == 0) {
    if (++w == words_.size()) return -1;
    bits = words_[w];
  }
  return static_cast<int>(w * 32 + std::countr_zero(bits));
}

void RowSelection::Erase(int row) {
  if (row < 0 || row >= rows_) return;
  if (IsSelected(row)) --count_;
  const std::size_t w = Word(row);
  const uint32_t below = (1u << Bit(row)) - 1u;
  const uint32_t above = words_[w] & ~below & ~(1u << Bit(row));
  words_[w] = (words_[w] & below) | (above >> 1);
  for (std::size_t i = w; i + 1 < words_.size(); ++i) {
    words_[i] |= words_[i + 1] << 31;
    words_[i + 1] >>= 1;
  }
  --rows_;
  words_.resize((static_cast<std::size_t>(rows_) + 31) / 32);
}

bool RowSelection::Press(MouseButton button, int row, int anchor, SelectModifiers m) {
  if (row < 0 || row >= rows_) {
    if (!m.ctrl) SetAll(false);  // a press below the rows lets them all go
    return false;
  }
  if (button == MouseButton::Right) {
    // The menu is for what is selected: a row outside the selection becomes it.
    if (!IsSelected(row)) Click(row);
    return false;
  }
  if (m.shift) {
    SelectRange(anchor >= 0 ? anchor : row, row, !m.ctrl);
  } else if (m.ctrl) {
    Toggle(row);
  } else if (IsSelected(row)) {
    return true;
  } else {
    Click(row);
  }
  return false;
}

void RowSelection::MoveByKey(int row, int anchor, SelectModifiers m) {
  if (row < 0 || row >= rows_) return;
  if (m.shift) {
    SelectRange(anchor >= 0 ? anchor : row, row, !m.ctrl);
  } else if (!m.ctrl) {
    Click(row);
  }
  // Ctrl alone moves the cursor and leaves the selection.
}

void RowSelection::AfterKey(int cursor, int mark, int from, SelectModifiers m, bool space) {
  if (space && m.ctrl && !m.shift) {
    Toggle(cursor);
  } else {
    MoveByKey(cursor, mark >= 0 ? mark : from, m);
  }
}

}  // namespace qd
