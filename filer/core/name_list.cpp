#include "filer/core/name_list.h"

#include "common/cp932.h"

namespace qd {

std::vector<std::string_view> SplitNameList(std::string_view list) {
  std::vector<std::string_view> names;
  std::size_t start = 0;
  for (std::size_t bar = cp932::FindChar(list, '|'); bar != std::string_view::npos;
       bar = cp932::FindChar(list, '|', bar + 1)) {
    names.push_back(list.substr(start, bar - start));
    start = bar + 1;
  }
  return names;
}

}  // namespace qd
