// Name lists: item names or paths, each followed by one "|". The selection,
// the clipboard and remembered cursors are passed in this form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qd {

// The entries of a name list; text after the last "|" is ignored, and a bar
// that is the trail byte of a double-byte character is not a separator.
std::vector<std::string_view> SplitNameList(std::string_view list);

inline void AppendName(std::string& list, std::string_view name) {
  list += name;
  list += '|';
}

}  // namespace qd
