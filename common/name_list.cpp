#include "common/name_list.h"

#include "common/cp932.h"

namespace qd {

std::vector<std::string_view> SplitTerminated(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t end = cp932::FindChar(text, separator); end != std::string_view::npos;
       end = cp932::FindChar(text, separator, end + 1)) {
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

}  // namespace qd
