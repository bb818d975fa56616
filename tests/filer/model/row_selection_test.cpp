#include "filer/model/row_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qd {
namespace {

// "x" for a selected row, "." for the others.
std::string Marks(const RowSelection& s) {
  std::string m;
  for (int r = 0; r < s.size(); ++r) m += s.IsSelected(r) ? 'x' : '.';
  return m;
}

RowSelection FromMarks(const std::string& marks) {
  RowSelection s;
  s.Resize(static_cast<int>(marks.size()));
  for (int r = 0; r < s.size(); ++r) s.Set(r, marks[r] == 'x');
  return s;
}

void ExpectAgrees(const RowSelection& s, const std::vector<bool>& plain, const std::string& step) {
  ASSERT_EQ(s.size(), static_cast<int>(plain.size())) << step;
  int count = 0, next = -1;
  for (int r = 0; r < s.size(); ++r) {
    ASSERT_EQ(s.IsSelected(r), plain[r]) << step << " row " << r;
    if (!plain[r]) continue;
    ++count;
    ASSERT_EQ(s.Next(next), r) << step;
    next = r;
  }
  ASSERT_EQ(s.Next(next), -1) << step;
  ASSERT_EQ(s.Count(), count) << step;
}

// Word edges are where bit sets go wrong: sizes and rows around 32 and 64,
// against a plain vector of flags under a long random run of every change.
TEST(RowSelection, AgreesWithPlainFlagsAcrossWordEdges) {
  std::mt19937 random(12);
  RowSelection s;
  std::vector<bool> plain;
  auto pick = [&](int n) { return n == 0 ? 0 : static_cast<int>(random() % n); };
  for (int step = 0; step < 20000; ++step) {
    const int n = static_cast<int>(plain.size());
    const std::string what = "step " + std::to_string(step);
    switch (random() % 7) {
      case 0: {
        const int rows = static_cast<int>(random() % 3 == 0 ? random() % 140 : 30 + random() % 70);
        s.Resize(rows);
        plain.resize(rows, false);
        break;
      }
      case 1:
      case 2: {
        if (n == 0) break;
        const int r = pick(n);
        const bool on = random() % 2;
        EXPECT_EQ(s.Set(r, on), plain[r] != on) << what;
        plain[r] = on;
        break;
      }
      case 3: {
        if (n == 0) break;
        const int r = pick(n);
        s.Erase(r);
        plain.erase(plain.begin() + r);
        break;
      }
      case 4: {
        const bool on = random() % 4 == 0;
        s.SetAll(on);
        plain.assign(n, on);
        break;
      }
      default: {
        if (n == 0) break;
        const int a = pick(n), b = pick(n);
        const bool only = random() % 3 == 0;
        s.SelectRange(a, b, only);
        if (only) plain.assign(n, false);
        for (int r = std::min(a, b); r <= std::max(a, b); ++r) plain[r] = true;
        break;
      }
    }
    ExpectAgrees(s, plain, what);
  }
}

TEST(RowSelection, OutOfRangeRowsChangeNothing) {
  RowSelection s = FromMarks("x..x");
  EXPECT_FALSE(s.Set(-1, true));
  EXPECT_FALSE(s.Set(4, true));
  s.Erase(4);
  s.Erase(-1);
  EXPECT_FALSE(s.IsSelected(-1));
  EXPECT_FALSE(s.IsSelected(4));
  s.SelectRange(2, 9, false);  // clipped to the rows there are
  EXPECT_EQ(Marks(s), "x.xx");
  EXPECT_EQ(s.Count(), 3);
  s.Resize(2);
  s.Resize(4);  // rows that were cut off come back cleared
  EXPECT_EQ(Marks(s), "x...");
  EXPECT_EQ(s.Count(), 1);
}

struct Gesture {
  const char* name;
  const char* before;
  MouseButton button;
  int row, anchor;
  SelectModifiers mods;
  bool waits;
  const char* after;
};

TEST(RowSelection, PressesOfTheMouse) {
  constexpr MouseButton L = MouseButton::Left, R = MouseButton::Right;
  const Gesture cases[] = {
      {"plain on an unselected row", "xx....", L, 4, 0, {}, false, "....x."},
      {"plain on a selected row waits", "xx.x..", L, 1, 0, {}, true, "xx.x.."},
      {"ctrl selects", "x.....", L, 3, 0, {.ctrl = true}, false, "x..x.."},
      {"ctrl clears", "x..x..", L, 3, 0, {.ctrl = true}, false, "x....."},
      {"shift makes the range alone", "x....x", L, 3, 1, {.shift = true}, false, ".xxx.."},
      {"shift upwards", "......", L, 1, 4, {.shift = true}, false, ".xxxx."},
      {"shift without an anchor", "x.....", L, 2, -1, {.shift = true}, false, "..x..."},
      {"ctrl and shift add the range", "....x.", L, 0, 2, {true, true}, false, "xxx.x."},
      {"below the rows clears", "x.x.x.", L, -1, 0, {}, false, "......"},
      {"below the rows with ctrl keeps", "x.x.x.", L, -1, 0, {.ctrl = true}, false, "x.x.x."},
      {"right on a selected row keeps", "x.x.x.", R, 2, 0, {}, false, "x.x.x."},
      {"right on another row takes it", "x.x.x.", R, 3, 0, {}, false, "...x.."},
      {"right below the rows clears", "x.x.x.", R, -1, 0, {}, false, "......"},
  };
  for (const Gesture& g : cases) {
    RowSelection s = FromMarks(g.before);
    EXPECT_EQ(s.Press(g.button, g.row, g.anchor, g.mods), g.waits) << g.name;
    EXPECT_EQ(Marks(s), g.after) << g.name;
    if (g.waits) {
      s.Click(g.row);  // released without a drag
      EXPECT_EQ(Marks(s), std::string(s.size(), '.').replace(g.row, 1, "x")) << g.name;
    }
  }
}

TEST(RowSelection, KeysThatMoveTheCursor) {
  const struct {
    const char* name;
    const char* before;
    int row, anchor;
    SelectModifiers mods;
    const char* after;
  } cases[] = {
      {"plain", "x.x.x.", 3, 0, {}, "...x.."},
      {"ctrl moves alone", "x.x.x.", 3, 0, {.ctrl = true}, "x.x.x."},
      {"shift from the anchor", "x....x", 4, 2, {.shift = true}, "..xxx."},
      {"ctrl and shift add", "x.....", 5, 3, {true, true}, "x..xxx"},
  };
  for (const auto& c : cases) {
    RowSelection s = FromMarks(c.before);
    s.MoveByKey(c.row, c.anchor, c.mods);
    const std::string marks = Marks(s);
    EXPECT_EQ(marks, c.after) << c.name;
    EXPECT_EQ(s.Count(), static_cast<int>(std::count(marks.begin(), marks.end(), 'x'))) << c.name;
  }
}

TEST(RowSelection, WhatAKeyThatMadeTheListSelectDoes) {
  const struct {
    const char* name;
    const char* before;
    int cursor, mark, from;
    SelectModifiers mods;
    bool space;
    const char* after;
  } cases[] = {
      {"ctrl and space toggle", "x..x..", 3, 0, 3, {.ctrl = true}, true, "x....."},
      {"ctrl, shift and space add the range", "x.....", 3, 1, 3, {true, true}, true, "xxxx.."},
      {"space alone", "x..x..", 2, 0, 2, {}, true, "..x..."},
      {"shift without a mark extends from the old cursor", "x.....", 4, -1, 2, {.shift = true}, false, "..xxx."},
      {"shift from the mark", "x.....", 4, 1, 2, {.shift = true}, false, ".xxxx."},
  };
  for (const auto& c : cases) {
    RowSelection s = FromMarks(c.before);
    s.AfterKey(c.cursor, c.mark, c.from, c.mods, c.space);
    EXPECT_EQ(Marks(s), c.after) << c.name;
  }
}

}  // namespace
}  // namespace qd
