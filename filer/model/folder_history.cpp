#include "filer/model/folder_history.h"

#include <algorithm>
#include <cstdint>

#include "common/cp932.h"

namespace qd {

// The limit is unsigned and may be anything a hand edit gives (History=-1
// is 4294967295): every comparison is made in 64 bits.
void FolderHistory::Record(std::string_view folder) {
  store_.Insert(0, folder);
  const int64_t limit = limit_;
  for (int i = 1; i <= limit - 2 && i < store_.Count(); ++i) {
    if (cp932::EqualNoCase(store_.Text(i), folder)) {
      store_.Delete(i);
      break;
    }
  }
  if (limit < store_.Count()) store_.Delete(static_cast<int>(limit));
}

void FolderHistory::Remove(std::string_view folder) {
  const int limit = static_cast<int>(std::min<int64_t>(store_.Count(), limit_));
  for (int i = 0; i < limit; ++i) {
    if (cp932::EqualNoCase(store_.Text(i), folder)) {
      store_.Delete(i);
      return;
    }
  }
}

std::vector<std::string> FolderHistory::EntriesToSave() const {
  std::vector<std::string> entries;
  for (int i = 0; int64_t{i} + 1 < int64_t{limit_} && i < store_.Count(); ++i) {
    entries.push_back(store_.Text(i));
  }
  return entries;
}

}  // namespace qd
