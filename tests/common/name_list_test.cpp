#include "common/name_list.h"

#include <gtest/gtest.h>

#include <string>

namespace qd {
namespace {

TEST(NameListIndex, FindsNamesWithoutCaseAtTheirLastMention) {
  const std::string list = "ホテル.TXT|readme.md|ポスト.txt|表示|README.MD||";
  const NameListIndex index(list);
  EXPECT_EQ(index.size(), 6);
  const struct {
    const char* name;
    int position;
  } cases[] = {
      {"ホテル.txt", 0},
      {"Readme.Md", 4},  // named twice: the later mention counts
      {"ポスト.TXT", 2},  // 83 7C: a trail byte that is "|"
      {"表示", 3},
      {"", 5},
      {"\x82\x41溝", -1},  // would be Ｂ溝 (82 61) with a folded trail byte
      {"ホテル", -1},
      {"readme.m", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(index.Find(c.name), c.position) << c.name;
}

TEST(NameListIndex, HoldsManyNamesAndAnEmptyList) {
  std::string list;
  for (int i = 0; i < 5000; ++i) AppendName(list, "File" + std::to_string(i) + ".Txt");
  const NameListIndex index(list);
  for (int i = 0; i < 5000; i += 97) {
    EXPECT_EQ(index.Find("FILE" + std::to_string(i) + ".TXT"), i);
  }
  EXPECT_EQ(index.Find("file5000.txt"), -1);
  EXPECT_EQ(NameListIndex("").Find(""), -1);
  EXPECT_EQ(NameListIndex("").size(), 0);
}

}  // namespace
}  // namespace qd
