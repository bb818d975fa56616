#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

class KeysTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\work";
    MakeFolder("C:\\work");
    for (const char* name : {"README.TXT", "RECENT", "about.doc", "memo.txt", "ホテル.TXT",
                             "セテル.txt", "Ｂ溝.txt", "readme.md"}) {
      AddFile("C:\\work", name);
    }
    AddFolder("C:\\work", "reports");
  }
  int Cursor() const { return list.NextSelected(-1); }
  std::string CursorName() const { return window->rows().ItemName(Cursor()); }
  void Type(const std::string& chars) {
    for (unsigned char c : chars) window->OnKey(KeyMessage::Char, c);
  }
};

TEST_F(KeysTest, ABoundKeyRunsItsCommandAndIsConsumed) {
  settings.WriteInt("Key", "116", CmdToggleMenu);   // F5
  settings.WriteInt("Key", "7112", CmdToggleMenu);  // Ctrl+Shift+Alt+F1
  settings.WriteInt("Key", "2078", 32834);          // Ctrl+N: no such command
  FilerController& w = Make();
  EXPECT_TRUE(w.OnKey(KeyMessage::KeyDown, 116));
  EXPECT_FALSE(w.menu_shown());
  EXPECT_EQ(w.last_key_code(), 116);
  keys.shift = keys.ctrl = keys.alt = true;
  EXPECT_TRUE(w.OnKey(KeyMessage::SysKeyDown, 112));
  EXPECT_TRUE(w.menu_shown());
  EXPECT_EQ(w.last_key_code(), 7112);
  keys.shift = keys.alt = false;
  EXPECT_TRUE(w.OnKey(KeyMessage::KeyDown, 'N'));  // consumed though it does nothing
  keys.ctrl = false;
  EXPECT_FALSE(w.OnKey(KeyMessage::KeyDown, 117));
  EXPECT_EQ(w.last_key_code(), 117);
  // A binding written while the filer runs applies at the next key press.
  settings.WriteInt("Key", "117", CmdToggleMenu);
  EXPECT_TRUE(w.OnKey(KeyMessage::KeyDown, 117));
  EXPECT_FALSE(w.menu_shown());
}

TEST_F(KeysTest, UnboundAltLettersSortByTheirColumn) {
  struct Case {
    int vk;
    int normal_column;  // -1: not consumed
    int list_column;
  } cases[] = {{'N', 0, 0}, {'X', 1, 2},  {'S', 2, 1},  {'D', 3, 1},
               {'A', 4, 1}, {'P', -1, 1}, {'Q', -1, -1}};
  FilerController& w = Make();
  keys.alt = true;
  for (const Case& c : cases) {
    w.SortList(0, SortMode::Once);
    const int before = w.sort_column();
    EXPECT_EQ(w.OnKey(KeyMessage::SysKeyDown, c.vk), c.normal_column >= 0) << c.vk;
    EXPECT_EQ(w.sort_column(), c.normal_column >= 0 ? c.normal_column : before) << c.vk;
  }
  w.EnterListMode(ListKind::FolderHistory);
  for (const Case& c : cases) {
    EXPECT_EQ(w.OnKey(KeyMessage::SysKeyDown, c.vk), c.list_column >= 0) << c.vk;
    if (c.list_column >= 0) {
      EXPECT_EQ(w.sort_column(), c.list_column) << c.vk;
    }
  }
  // The same key again toggles the direction.
  w.OnKey(KeyMessage::SysKeyDown, 'N');
  const bool ascending = w.sort_ascending();
  w.OnKey(KeyMessage::SysKeyDown, 'N');
  EXPECT_NE(w.sort_ascending(), ascending);
}

TEST_F(KeysTest, UpAndDownClearTheSearchAndGoOnToTheList) {
  FilerController& w = Make();
  Type("RE");
  EXPECT_EQ(w.SearchText(), "RE");
  keys.ctrl = true;
  EXPECT_FALSE(w.OnKey(KeyMessage::KeyDown, 40));
  EXPECT_EQ(w.SearchText(), "RE");  // Ctrl+Down is not plain Down
  keys.ctrl = false;
  const int focus = list.focus_calls;
  EXPECT_FALSE(w.OnKey(KeyMessage::KeyDown, 40));
  EXPECT_EQ(w.SearchText(), "");
  EXPECT_EQ(list.focus_calls, focus + 1);
  Type("M");
  EXPECT_FALSE(w.OnKey(KeyMessage::KeyDown, 38));
  EXPECT_EQ(w.SearchText(), "");
}

TEST_F(KeysTest, TypedLettersSearchIncrementally) {
  FilerController& w = Make();
  Type("r");
  EXPECT_EQ(w.SearchText(), "R");
  EXPECT_EQ(CursorName(), "reports");
  Type("e");
  EXPECT_EQ(CursorName(), "reports");  // still matches: the cursor stays
  Type("c");
  EXPECT_EQ(CursorName(), "RECENT");
  Type("x");  // nothing starts with recx
  EXPECT_EQ(message.CellText(0, 0), "not found [RECX]");
  EXPECT_EQ(w.SearchText(), "REC");
  EXPECT_EQ(CursorName(), "RECENT");
  // Shift and a capital letter is no search character; Ctrl characters neither.
  keys.shift = true;
  EXPECT_FALSE(w.OnKey(KeyMessage::Char, 'R'));
  keys.shift = false;
  keys.ctrl = true;
  EXPECT_FALSE(w.OnKey(KeyMessage::Char, 'r'));
  keys.ctrl = false;
  EXPECT_EQ(w.SearchText(), "REC");
}

// An input method sends each double-byte character as two character
// messages, lead byte first (表 is 95 then 5C). The search line's cell holds
// Unicode and cannot keep a lone lead byte, so the text lives in the filer.
TEST_F(KeysTest, JapaneseTypedAsTwoMessagesPerCharacterIsFound) {
  for (const char* name : {"表示", "ソフト.doc", "アイ.dat", "ポスト.txt", "予定表.xls"}) {
    AddFile("C:\\work", name);
  }
  struct Case {
    std::string typed;
    std::string found;  // empty: not found, and the last character is taken back
    std::string text_after;
  } cases[] = {
      {"表示", "表示", "表示"},
      {"ソ", "ソフト.doc", "ソ"},
      {"Ｂ溝", "Ｂ溝.txt", "Ｂ溝"},    // trail bytes 0x61 are not folded to 0x41
      {"ホテル", "ホテル.TXT", "ホテル"},  // 83 7A stays 83 7A
      {"ポスト", "ポスト.txt", "ポスト"},
      {"予定表.X", "予定表.xls", "予定表.X"},
      {":A", "about.doc", ":A"},      // never the trail byte of ア (83 41)
      {":\\", "", ":"},             // ソ (83 5C) holds no backslash
      {":|", "", ":"},               // ポ (83 7C) holds no bar
      {":イ.D", "アイ.dat", ":イ.D"},
      {"表X", "", "表"},             // a failed search takes back one character
      {"ソソ", "", "ソ"},            // ... a whole double-byte one
  };
  FilerController& w = Make();
  for (const Case& c : cases) {
    w.OnCommand(CmdSearchClear);
    list.Select({0});
    Type(c.typed);
    EXPECT_EQ(w.SearchText(), c.text_after) << c.typed;
    EXPECT_EQ(search.CellText(0, 0), c.text_after) << c.typed;
    if (!c.found.empty()) {
      EXPECT_EQ(CursorName(), c.found) << c.typed;
      EXPECT_EQ(message.CellText(0, 0), "") << c.typed;
    } else {
      EXPECT_EQ(message.CellText(0, 0), "not found [" + c.typed + "]") << c.typed;
    }
  }
  // Backspace and completion work on whole characters too.
  w.OnCommand(CmdSearchClear);
  Type("ポ");
  w.OnCommand(CmdSearchComplete);
  EXPECT_EQ(w.SearchText(), "ポス");
  w.OnCommand(CmdSearchBackspace);
  EXPECT_EQ(w.SearchText(), "ポ");
  w.OnCommand(CmdSearchBackspace);
  EXPECT_EQ(w.SearchText(), "");
}

TEST_F(KeysTest, FindItemMatchRules) {
  struct Case {
    std::string text;
    bool forward;
    std::string found;  // empty: no match
  } cases[] = {
      {"ABOUT", true, "about.doc"},
      {"REP", true, "reports"},   // folders match without their "/"
      {";TX", true, "memo.txt"},  // the next extension starting with tx
      {";", true, "reports"},     // a folder's key is ";" alone
      {";MD", true, "readme.md"},
      {":EM", true, "memo.txt"},  // a substring of the upper-cased name
      {":", true, "reports"},     // ":" alone matches any row
      {"ホ", true, "ホテル.TXT"},
      // Backward, ホテル (83 7a) comes before セテル (83 5a): upper-casing
      // its trail byte would make it match.
      {":セ", false, "セテル.txt"},
      {"Ｂ溝", true, "Ｂ溝.txt"},
      {"\x82\x41", true, ""},  // Ｂ (82 61) with its trail byte folded
      {"ZZZ", true, ""},
  };
  FilerController& w = Make();
  for (const Case& c : cases) {
    list.Select({1});  // "reports": searches start at the cursor
    const bool found = w.FindItem(c.text, c.forward);
    EXPECT_EQ(found, !c.found.empty()) << c.text;
    if (found) {
      EXPECT_EQ(CursorName(), c.found) << c.text;
    }
    if (!found) {
      EXPECT_EQ(Cursor(), 1) << c.text;
    }
  }
}

TEST_F(KeysTest, SearchesWrapAroundAndStopAtTheStart) {
  FilerController& w = Make();
  const int last = window->rows().size() - 1;
  list.Select({last});
  EXPECT_TRUE(w.FindItem("..", true));  // continues at row 0
  EXPECT_EQ(Cursor(), 0);
  EXPECT_TRUE(w.FindItem(window->rows().ItemName(last), false));  // backward wraps to the end
  EXPECT_EQ(Cursor(), last);
}

TEST_F(KeysTest, SearchNextAndPrevStepPastTheCurrentMatch) {
  FilerController& w = Make();
  Type("RE");
  EXPECT_EQ(CursorName(), "reports");
  w.OnCommand(CmdSearchNext);
  EXPECT_EQ(CursorName(), "readme.md");
  w.OnCommand(CmdSearchNext);
  EXPECT_EQ(CursorName(), "README.TXT");
  w.OnCommand(CmdSearchNext);
  EXPECT_EQ(CursorName(), "RECENT");
  w.OnCommand(CmdSearchNext);  // wraps to the first match from the top
  EXPECT_EQ(CursorName(), "reports");
  w.OnCommand(CmdSearchPrev);
  EXPECT_EQ(CursorName(), "RECENT");
  EXPECT_EQ(list.Selected().size(), 1u);
  // Nothing happens with an empty search text.
  w.OnCommand(CmdSearchClear);
  const int at = Cursor();
  w.OnCommand(CmdSearchNext);
  EXPECT_EQ(Cursor(), at);
}

TEST_F(KeysTest, ASearchStepLeavesTheAnchorButTheNextTypedSearchMovesIt) {
  // Each step below skips a row that does not match, so the cursor really
  // moves and only the step's flag keeps the anchor where it was.
  FilerController& w = Make();
  Type("RE");
  const int typed = Cursor();
  EXPECT_EQ(CursorName(), "reports");
  EXPECT_EQ(list.anchor, typed);
  w.OnCommand(CmdSearchNext);
  EXPECT_EQ(CursorName(), "readme.md");
  ASSERT_NE(window->rows().ItemName(typed + 1), "readme.md");
  EXPECT_EQ(list.anchor, typed);
  w.OnCommand(CmdSearchPrev);
  EXPECT_EQ(CursorName(), "reports");
  w.OnCommand(CmdSearchNext);
  EXPECT_EQ(list.anchor, typed);
  // The flag ends with the step: typing and FindItem move the anchor again.
  Type("C");
  EXPECT_EQ(CursorName(), "RECENT");
  EXPECT_EQ(list.anchor, Cursor());
  ASSERT_TRUE(w.FindItem("ABOUT", true));
  EXPECT_EQ(list.anchor, Cursor());
}

TEST_F(KeysTest, CompleteBackspaceAndClear) {
  FilerController& w = Make();
  Type("ME");
  w.OnCommand(CmdSearchComplete);
  EXPECT_EQ(w.SearchText(), "MEm");  // the name's byte, unchanged in case
  w.OnCommand(CmdSearchBackspace);
  EXPECT_EQ(w.SearchText(), "ME");
  w.OnCommand(CmdSearchClear);
  EXPECT_EQ(w.SearchText(), "");
  w.OnCommand(CmdSearchBackspace);
  EXPECT_EQ(w.SearchText(), "");
  Type("MEMO.TXT");
  w.OnCommand(CmdSearchComplete);  // the name is not longer: unchanged
  EXPECT_EQ(w.SearchText(), "MEMO.TXT");
}

TEST_F(KeysTest, MoveCursorKeepsTenRowsOfContext) {
  for (int i = 0; i < 30; ++i) AddFile("C:\\work", "z" + std::to_string(10 + i));
  FilerController& w = Make();
  const int count = window->rows().size();
  struct Case {
    int from, to, visible;
  } cases[] = {{0, 5, 15}, {5, count - 3, count - 1}, {20, 12, 2}, {12, 4, 0}};
  for (const Case& c : cases) {
    list.Select({c.from});
    list.visible_calls.clear();
    w.MoveCursor(c.from, c.to);
    EXPECT_EQ(list.Selected(), (std::vector<int>{c.to}));
    EXPECT_TRUE(list.focused[c.to]);
    EXPECT_EQ(list.anchor, c.to);
    EXPECT_EQ(list.visible_calls, (std::vector<int>{c.visible})) << c.from << "->" << c.to;
  }
  list.anchor = -1;
  list.visible_calls.clear();
  w.MoveCursor(3, 3);
  EXPECT_EQ(list.anchor, -1);
  EXPECT_TRUE(list.visible_calls.empty());
}

TEST_F(KeysTest, RestoreCursorSelectsTheNamedRows) {
  FilerController& w = Make();
  list.Select({3});
  w.RestoreCursor("memo.txt|REPORTS|missing|", 0);
  std::vector<std::string> names;
  for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
  EXPECT_EQ(names, (std::vector<std::string>{"reports", "memo.txt"}));
  EXPECT_EQ(list.visible_calls.back(), list.Selected()[0]);  // the row of the last name found
  w.RestoreCursor("", 7);                                    // an empty list means ".."
  EXPECT_TRUE(list.selected[0]);
  EXPECT_EQ(list.visible_calls.back(), 7);
}

TEST_F(KeysTest, RestoreCursorFoldsOnlySingleByteLettersAndFocusesTheLastNameFound) {
  struct Case {
    const char* names;
    std::vector<std::string> selected;  // in row order
    std::string focused;
  } cases[] = {
      {"ホテル.txt|readme.MD|", {"readme.md", "ホテル.TXT"}, "readme.md"},
      {"readme.MD|ホテル.txt|", {"readme.md", "ホテル.TXT"}, "ホテル.TXT"},
      // 82 41 would be Ｂ (82 61) if a trail byte were folded.
      {"\x82\x41溝.txt|セテル.TXT|", {"セテル.txt"}, "セテル.txt"},
      // A name named twice counts where it was named last.
      {"memo.txt|about.doc|MEMO.TXT|", {"about.doc", "memo.txt"}, "memo.txt"},
      {"missing|", {}, ""},
  };
  FilerController& w = Make();
  for (const Case& c : cases) {
    list.Select({1});
    std::fill(list.focused.begin(), list.focused.end(), false);
    w.RestoreCursor(c.names, 0);
    std::vector<std::string> names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    EXPECT_EQ(names, c.selected) << c.names;
    std::string focused;
    for (int r = 0; r < window->rows().size(); ++r) {
      if (list.focused[r]) focused = window->rows().ItemName(r);
    }
    EXPECT_EQ(focused, c.focused) << c.names;
    EXPECT_FALSE(list.suspended) << c.names;  // the list is drawn again
  }
}

}  // namespace
}  // namespace qd
