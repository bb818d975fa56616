#include "filer/model/tab_set.h"

#include <gtest/gtest.h>

namespace qd {
namespace {

using Strings = std::vector<std::string>;

TabSlot Slot(const std::string& path, const std::string& names = "", int row = 0) {
  return {.path = path, .cursor_names = names, .cursor_row = row};
}

// P, Q, R, S with cursors that name their own tab, so that a slot whose
// parts came apart shows at once.
TabSet FourTabs() {
  TabSet tabs(20);
  for (const char* p : {"P", "Q", "R", "S"}) tabs.Insert(tabs.size(), Slot(p, std::string(p) + "|", p[0]));
  return tabs;
}

void ExpectWhole(const TabSet& tabs) {
  for (int i = 0; i < tabs.size(); ++i) {
    const TabSlot& s = tabs.at(i);
    EXPECT_EQ(s.cursor_names, s.path + "|") << i;
    EXPECT_EQ(s.cursor_row, s.path[0]) << i;
  }
}

TEST(TabSet, InsertAndEraseMoveEachSlotWhole) {
  TabSet tabs = FourTabs();
  tabs.Insert(1, Slot("N", "N|", 'N'));
  EXPECT_EQ(tabs.Paths(), (Strings{"P", "N", "Q", "R", "S"}));
  ExpectWhole(tabs);
  tabs.Erase(0);
  tabs.Erase(3);
  EXPECT_EQ(tabs.Paths(), (Strings{"N", "Q", "R"}));
  ExpectWhole(tabs);
  tabs.Erase(7);  // not open: nothing happens
  EXPECT_EQ(tabs.size(), 3);
}

TEST(TabSet, MoveSwapsNeighboursAndRotatesAcrossTheWrap) {
  struct Case {
    int from, to;
    Strings after;
  } cases[] = {
      {1, 2, {"P", "R", "Q", "S"}},
      {2, 1, {"P", "R", "Q", "S"}},
      {3, 0, {"S", "P", "Q", "R"}},  // the last tab stepping right wraps to the front
      {0, 3, {"Q", "R", "S", "P"}},
      {2, 2, {"P", "Q", "R", "S"}},
      {1, 9, {"P", "Q", "R", "S"}},
  };
  for (const Case& c : cases) {
    TabSet tabs = FourTabs();
    tabs.Move(c.from, c.to);
    EXPECT_EQ(tabs.Paths(), c.after) << c.from << " -> " << c.to;
    ExpectWhole(tabs);
  }
}

TEST(TabSet, FindComparesFoldersWithoutCaseOnSingleByteLettersOnly) {
  TabSet tabs;
  tabs.Insert(0, Slot("C:\\Work"));
  tabs.Insert(1, Slot("C:\\ﾎﾃﾙ"));
  tabs.Insert(2, Slot("C:\\ホテル"));  // 83 7A: folding its trail byte would make it 83 5A
  EXPECT_EQ(tabs.Find("c:\\WORK"), 0);
  EXPECT_EQ(tabs.Find("C:\\ホテル"), 2);
  EXPECT_EQ(tabs.Find("C:\\セテル"), -1);  // 83 5A
  EXPECT_EQ(tabs.Find("C:\\Work\\"), -1);
}

TEST(TabSet, CursorsAreStoredOnlyOnOpenTabs) {
  TabSet tabs = FourTabs();
  tabs.StoreCursor(2, "a.txt|b.txt|", 41);
  EXPECT_EQ(tabs.at(2).cursor_names, "a.txt|b.txt|");
  EXPECT_EQ(tabs.at(2).cursor_row, 41);
  tabs.StoreCursor(-1, "x|", 1);
  tabs.StoreCursor(4, "x|", 1);
  tabs.at(2) = Slot("R", "R|", 'R');
  ExpectWhole(tabs);
}

}  // namespace
}  // namespace qd
