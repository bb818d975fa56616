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

}  // namespace qd
