#include "filer/model/folder_history.h"

#include <algorithm>

#include "common/cp932.h"

namespace qd {

void FolderHistory::Record(std::string_view folder) {
  store_.Insert(0, folder);
  const int limit = static_cast<int>(limit_);
  for (int i = 1; i <= limit - 2 && i < store_.Count(); ++i) {
    if (cp932::EqualNoCase(store_.Text(i), folder)) {
      store_.Delete(i);
      break;
    }
  }
  if (limit >= 0 && limit < store_.Count()) store_.Delete(limit);
}

void FolderHistory::Remove(std::string_view folder) {
  const int limit = std::min(store_.Count(), static_cast<int>(limit_));
  for (int i = 0; i < limit; ++i) {
    if (cp932::EqualNoCase(store_.Text(i), folder)) {
      store_.Delete(i);
      return;
    }
  }
}

std::vector<std::string> FolderHistory::EntriesToSave() const {
  std::vector<std::string> entries;
  for (int i = 0; i + 1 < static_cast<int>(limit_) && i < store_.Count(); ++i) {
    entries.push_back(store_.Text(i));
  }
  return entries;
}

}  // namespace qd
