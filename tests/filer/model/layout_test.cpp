#include "filer/model/layout.h"

#include <gtest/gtest.h>

namespace qd {
namespace {

TEST(Layout, FollowsTheFontSize) {
  struct Case {
    int w, h, s;
    PaneLayout expected;
  } cases[] = {
      // Default font: tab height 27, line height 20.
      {459, 561, 10, {{0, 0, 459, 521}, {0, 27, 459, 494}, {0, 521, 459, 20}, {0, 541, 459, 20}}},
      {800, 600, 12, {{0, 0, 800, 552}, {0, 29, 800, 523}, {0, 552, 800, 24}, {0, 576, 800, 24}}},
      // Line height 2S is replaced by 20 below 1 and above 200.
      {640, 480, 0, {{0, 0, 640, 440}, {0, 17, 640, 423}, {0, 440, 640, 20}, {0, 460, 640, 20}}},
      {640, 480, 101, {{0, 0, 640, 440}, {0, 118, 640, 322}, {0, 440, 640, 20}, {0, 460, 640, 20}}},
      {640, 480, 100, {{0, 0, 640, 80}, {0, 117, 640, 0}, {0, 80, 640, 200}, {0, 280, 640, 200}}},
      {640, 480, -4, {{0, 0, 640, 440}, {0, 13, 640, 427}, {0, 440, 640, 20}, {0, 460, 640, 20}}},
      // Too small for the panes: no negative heights.
      {100, 30, 10, {{0, 0, 100, 0}, {0, 27, 100, 0}, {0, -10, 100, 20}, {0, 10, 100, 20}}},
      {0, 0, 10, {{0, 0, 0, 0}, {0, 27, 0, 0}, {0, -40, 0, 20}, {0, -20, 0, 20}}},
  };
  for (const Case& c : cases) {
    const PaneLayout l = ComputeLayout(c.w, c.h, c.s);
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " size " << c.s);
    EXPECT_EQ(l.tab_strip, c.expected.tab_strip);
    EXPECT_EQ(l.file_list, c.expected.file_list);
    EXPECT_EQ(l.search_line, c.expected.search_line);
    EXPECT_EQ(l.message_area, c.expected.message_area);
  }
}

TEST(Layout, HugeHandEditedFontSizeDoesNotOverflow) {
  const PaneLayout l = ComputeLayout(640, 480, 2147483647);
  EXPECT_EQ(l.search_line.height, 20);
  EXPECT_EQ(l.file_list.height, 0);
}

}  // namespace
}  // namespace qd
