// Name lists: item names or paths, each followed by one "|". The selection,
// the clipboard and remembered cursors are passed in this form.
#pragma once

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

}  // namespace qd
