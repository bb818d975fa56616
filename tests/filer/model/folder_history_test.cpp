#include "filer/model/folder_history.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_history_store.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

class FolderHistoryTest : public ::testing::Test {
 protected:
  FolderHistory Make(uint32_t limit, const Strings& entries) {
    store.items = entries;
    FolderHistory history(store);
    history.set_limit(limit);
    return history;
  }
  test::FakeHistoryStore store;
};

TEST_F(FolderHistoryTest, RemovingTakesTheFirstEqualEntryWithinTheLimit) {
  FolderHistory h = Make(3, {"C:\\a", "C:\\B", "C:\\b", "C:\\c", "C:\\b"});
  h.Remove("c:\\b");
  EXPECT_EQ(store.items, (Strings{"C:\\a", "C:\\b", "C:\\c", "C:\\b"}));
  h.Remove("C:\\c");  // index 2, the last within a limit of 3
  EXPECT_EQ(store.items, (Strings{"C:\\a", "C:\\b", "C:\\b"}));
  FolderHistory short_one = Make(2, {"C:\\a", "C:\\b", "C:\\c"});
  short_one.Remove("C:\\c");  // beyond the limit: stays
  EXPECT_EQ(store.items, (Strings{"C:\\a", "C:\\b", "C:\\c"}));
}

TEST_F(FolderHistoryTest, TheNewestLimitLessOneEntriesAreSaved) {
  EXPECT_EQ(Make(3, {"1", "2", "3", "4"}).EntriesToSave(), (Strings{"1", "2"}));
  EXPECT_EQ(Make(10, {"1", "2"}).EntriesToSave(), (Strings{"1", "2"}));
  EXPECT_EQ(Make(1, {"1", "2"}).EntriesToSave(), Strings{});
}

TEST_F(FolderHistoryTest, RecordingPutsTheFolderOnTopOnce) {
  FolderHistory h = Make(5, {"C:\\b", "C:\\ソ", "C:\\c"});
  h.Record("C:\\ソ");
  EXPECT_EQ(store.items, (Strings{"C:\\ソ", "C:\\b", "C:\\c"}));
  h.Record("C:\\d");
  h.Record("C:\\e");
  h.Record("C:\\f");  // the sixth entry drops off
  EXPECT_EQ(store.items, (Strings{"C:\\f", "C:\\e", "C:\\d", "C:\\ソ", "C:\\b"}));
}

}  // namespace
}  // namespace qd
