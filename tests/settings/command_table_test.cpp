#include "settings/command_table.h"

#include <gtest/gtest.h>

#include <set>

namespace qd {
namespace {

TEST(FilerCommandTable, OffersEveryFilerCommandOnceButPathNotify) {
  std::set<int> ids;
  int headers = 0;
  for (const CommandRow& row : FilerCommandTable()) {
    if (row.value == kGroupHeader) {
      ++headers;
      EXPECT_FALSE(GroupName(row.name).empty());
      continue;
    }
    EXPECT_GE(row.value, 32771);
    EXPECT_LE(row.value, 32838);
    EXPECT_TRUE(ids.insert(row.value).second) << row.value;
  }
  EXPECT_EQ(ids.size(), 62u);
  EXPECT_EQ(headers, 9);
  EXPECT_EQ(ids.count(CmdPathNotify), 0u);
  EXPECT_EQ(FilerCommandTable().rows[0].value, kGroupHeader);
}

TEST(FilerCommandTable, OptionKindsAndLookup) {
  const struct {
    int id;
    int kind;
  } kinds[] = {{CmdGoTo, 1},
               {CmdGoToTemporary, 1},
               {CmdSendFromFolder, 1},
               {CmdLaunchFromFolder, 1},
               {CmdSendWithProgram, 1},
               {CmdLaunchProgram, 2},
               {CmdCopy, 0},
               {CmdExit, 0}};
  for (auto k : kinds) {
    const CommandRow* row = FilerCommandTable().Find(k.id);
    ASSERT_NE(row, nullptr) << k.id;
    EXPECT_EQ(row->option_kind, k.kind) << k.id;
  }
  EXPECT_EQ(FilerCommandTable().Find(CmdExit)->name, "Qdの終了");
  EXPECT_EQ(FilerCommandTable().Find(kGroupHeader), nullptr);
  EXPECT_EQ(FilerCommandTable().Find(0), nullptr);
}

TEST(ViewerCommandTable, HoldsTheTwelveViewerCommands) {
  std::set<int> values;
  for (const CommandRow& row : ViewerCommandTable()) {
    if (row.value != kGroupHeader) values.insert(row.value);
  }
  EXPECT_EQ(values, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(ViewerCommandTable().Find(12)->option_kind, 2);
  EXPECT_EQ(ViewerCommandTable().Find(1)->name, "機能無し");
}

TEST(GroupName, StripsTheDecorations) {
  EXPECT_EQ(GroupName("■■■　タブ　■■■"), "タブ");
  EXPECT_EQ(GroupName("■■■　インクリメンタルサーチ　■■■"), "インクリメンタルサーチ");
  EXPECT_EQ(GroupName("plain"), "plain");
}

}  // namespace
}  // namespace qd
