// The replace dialog and its confirmations, driven in the real main window
// on a real folder under Wine.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "filer/win32/filer_dialog_win32.h"
#include "resources/command_ids.h"
#include "settings/command_table.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/filer/filer_window_fixture_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

using test::ItemText;
using test::WindowText;

BOOL CALLBACK CollectStaticText(HWND w, LPARAM out) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  const std::string text = WindowText(w);
  if (lstrcmpiA(cls, "Static") == 0 && !text.empty()) *reinterpret_cast<std::string*>(out) += text;
  return TRUE;
}

// What one box showed when the timer found it.
struct Shown {
  HWND box = nullptr;
  std::string title, first, second;  // the two fields, or a message box's text
  bool case_sensitive = false, name_part = false, ext_part = false, all_enabled = false;
};

// What the user does with it: check boxes clicked, the two fields typed
// over (when given), then a button pressed.
struct Step {
  std::vector<int> clicks;
  std::optional<std::string> first, second;
  int button = IDOK;
};

struct Script {
  HWND owner = nullptr;
  HWND last = nullptr;
  std::vector<Step> steps;
  std::size_t done = 0;
  std::vector<Shown> shown;
} g_script;

void TypeOver(HWND edit, const std::string& text) {
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// One step per box that comes to the front; the button is posted, so that
// a box it opens runs its loop after this callback has returned.
void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = GetActiveWindow();
  if (!box || box == g_script.owner || box == g_script.last ||
      g_script.done == g_script.steps.size()) {
    return;
  }
  g_script.last = box;
  const Step& step = g_script.steps[g_script.done++];
  Shown seen;
  seen.box = box;
  seen.title = WindowText(box);
  const bool replace = GetDlgItem(box, IDC_REPLACE_BEFORE) != nullptr;
  const bool rename = GetDlgItem(box, IDC_RENAME_AFTER) != nullptr;
  const int first = replace ? IDC_REPLACE_BEFORE : IDC_RENAME_BEFORE;
  const int second = replace ? IDC_REPLACE_AFTER : IDC_RENAME_AFTER;
  if (replace || rename) {
    seen.first = WindowText(GetDlgItem(box, first));
    seen.second = WindowText(GetDlgItem(box, second));
  } else {
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.first));
  }
  seen.case_sensitive = IsDlgButtonChecked(box, IDC_REPLACE_CASE_SENSITIVE) == BST_CHECKED;
  seen.name_part = IsDlgButtonChecked(box, IDC_REPLACE_NAME) == BST_CHECKED;
  seen.ext_part = IsDlgButtonChecked(box, IDC_REPLACE_EXT) == BST_CHECKED;
  seen.all_enabled = rename && IsWindowEnabled(GetDlgItem(box, IDC_RENAME_ALL));
  g_script.shown.push_back(seen);
  for (int id : step.clicks) SendMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0);
  if (step.first) TypeOver(GetDlgItem(box, first), *step.first);
  if (step.second) TypeOver(GetDlgItem(box, second), *step.second);
  PostMessageA(GetDlgItem(box, step.button), BM_CLICK, 0, 0);
}

class ReplaceDialogTest : public test::FilerWindowTest {
 protected:
  void SetUp() override {
    FilerWindowTest::SetUp();
    CreateDirectoryA(folder.File("表示").c_str(), nullptr);
    for (const char* name :
         {"ソフト.txt", "archive.tar.gz", ".cvsignore", "ホテル.TXT", "readme.md"}) {
      test::WriteFileBytes(folder.File(name), "x");
    }
    EnterFolder();
  }
  void Select(const std::vector<std::string>& name_texts) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (const std::string& n : name_texts) {
      for (int r = 0; r < ListView_GetItemCount(List()); ++r) {
        if (ItemText(List(), r, 0) == n)
          ListView_SetItemState(List(), r, LVIS_SELECTED, LVIS_SELECTED);
      }
    }
  }
  void RunCommand(std::vector<Step> steps) {
    g_script = Script{};
    g_script.owner = dialog->hwnd();
    g_script.steps = std::move(steps);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxes);
    SendMessageA(dialog->hwnd(), WM_COMMAND, CmdReplaceNames, 0);  // returns when the walk is over
    KillTimer(nullptr, timer);
  }
  // The name a directory search reports, in the case stored on disk.
  std::string NameOnDisk(const std::string& name) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(folder.File(name).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return "";
    FindClose(find);
    return found.cFileName;
  }
};

TEST_F(ReplaceDialogTest, RefusalsKeepOrReopenTheDialogAndTheConfirmedCaseChangeRenamesOnDisk) {
  settings.WriteInt("Etc", "Replace-Ext", 1);
  Open();
  Select({"ソフト", "ホテル"});  // two rows: the selection walk
  RunCommand({
      {{IDC_REPLACE_EXT}, std::nullopt, std::nullopt, IDC_REPLACE_UPPER},  // neither part checked
      {{}, std::nullopt, std::nullopt, IDOK},                              // the message box
      {{}, "", "", IDOK},                                                  // both texts empty
      {{}, std::nullopt, std::nullopt, IDOK},                              // the message box
      {{IDC_REPLACE_NAME, IDC_REPLACE_EXT}, std::nullopt, std::nullopt, IDC_REPLACE_UPPER},
      {{}, std::nullopt, std::nullopt, IDC_RENAME_ALL},
  });
  ASSERT_EQ(g_script.done, 6u);
  const std::vector<Shown>& s = g_script.shown;
  EXPECT_EQ(s[0].title, "ファイル名置換");
  EXPECT_EQ(s[0].first, "ソフト.txt");  // the cursor row's full name
  EXPECT_EQ(s[0].second, "");
  EXPECT_FALSE(s[0].case_sensitive);
  EXPECT_FALSE(s[0].name_part);
  EXPECT_TRUE(s[0].ext_part);  // from Qd.ini
  EXPECT_EQ(s[1].first, "名前・拡張子共にチェックがありません。");
  EXPECT_EQ(s[2].box, s[0].box);  // the dialog stayed open
  EXPECT_EQ(s[3].first, "置換前・後、共に未入力です。");
  EXPECT_NE(s[4].box, s[0].box);  // opened again, as the user left it
  EXPECT_EQ(s[4].first, "");
  EXPECT_FALSE(s[4].ext_part);
  EXPECT_EQ(s[5].title, "リネーム");
  EXPECT_EQ(s[5].first, "ソフト.txt");
  EXPECT_EQ(s[5].second, "ソフト.TXT");  // 0x5C trail byte kept
  EXPECT_TRUE(s[5].all_enabled);

  EXPECT_EQ(NameOnDisk("ソフト.txt"), "ソフト.TXT");
  EXPECT_EQ(NameOnDisk("ホテル.TXT"), "ホテル.TXT");  // already upper case: left as it was
  EXPECT_EQ(settings.ReadInt("Etc", "Replace-Casesensitive", -1), 0);
  EXPECT_EQ(settings.ReadInt("Etc", "Replace-Name", -1), 1);
  EXPECT_EQ(settings.ReadInt("Etc", "Replace-Ext", -1), 1);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"ソフト.TXT", "ホテル.TXT"}));
}

TEST_F(ReplaceDialogTest, TypedTextsReplaceFromTheCursorRowDownAndCancelStoresNothing) {
  Open();
  Select({"readme"});  // one row: it and the rows below
  RunCommand({{{}, "e", "E", IDOK}, {{}, std::nullopt, std::nullopt, IDOK}});
  ASSERT_EQ(g_script.done, 2u);
  EXPECT_EQ(g_script.shown[0].first, "readme.md");
  // .cvsignore and archive.tar.gz above hold an "e" too but are not walked;
  // a change of letter case only goes ahead though the name exists.
  EXPECT_EQ(g_script.shown[1].first, "readme.md");
  EXPECT_EQ(g_script.shown[1].second, "rEadme.md");
  EXPECT_EQ(NameOnDisk("readme.md"), "rEadme.md");
  EXPECT_EQ(NameOnDisk(".cvsignore"), ".cvsignore");
  EXPECT_EQ(NameOnDisk("archive.tar.gz"), "archive.tar.gz");
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"rEadme.md"}));

  const std::string stored = test::ReadFileBytes(dir.File("Qd.ini"));
  Select({"ホテル"});
  RunCommand({{{IDC_REPLACE_CASE_SENSITIVE}, "x", "y", IDCANCEL}});
  ASSERT_EQ(g_script.done, 1u);
  EXPECT_EQ(g_script.shown[0].first, "ホテル.TXT");
  EXPECT_EQ(test::ReadFileBytes(dir.File("Qd.ini")), stored);
  EXPECT_EQ(NameOnDisk("ホテル.TXT"), "ホテル.TXT");
}

}  // namespace
}  // namespace qd
