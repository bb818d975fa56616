// A row of a pick list (the folder history, the tab list, the drive list,
// find results and folder expansion): the texts its columns show, and
// beside them what the row means, so that nothing is read back out of a
// display text.
#pragma once

#include <string>

namespace qd {

struct PickRow {
  std::string name_text;    // column 0; a folder's starts with "/" in the find lists
  std::string path_text;    // column 1
  std::string number_text;  // column 2: the entry or tab number, a size or "<DIR>"
  // Where Enter goes: the folder itself for a folder row, else the folder
  // that holds the item named by name_text.
  std::string path;
  int tab = -1;  // the tab list: which tab the row stands for
  bool folder = false;
};

}  // namespace qd
