// Cut, copy, paste, drop and delete in the real main window under Wine, on
// real folders, through the real shell; the shell's own questions and the
// rename dialog are answered from a timer inside their modal loops.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filer/win32/filer_dialog_win32.h"
#include "filer/win32/shell_win32.h"
#include "resources/command_ids.h"
#include "settings/command_table.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/filer/filer_window_fixture_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

using test::ItemText;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A drop as the shell hands it over: DROPFILES and the paths, double-NUL.
HDROP MakeDrop(const std::vector<std::string>& paths) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const std::string& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  char* at = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
  for (const std::string& p : paths) {
    std::memcpy(at, p.c_str(), p.size() + 1);
    at += p.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// Answers the boxes that come up in turn: each step looks at the top
// dialog of this thread and returns true once it has answered it.
struct Answerer {
  HWND owner = nullptr;
  std::vector<std::function<bool(HWND)>> steps;
  std::size_t done = 0;
  HWND last = nullptr;
} g_answerer;

BOOL CALLBACK FindTopDialog(HWND w, LPARAM found) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (w != g_answerer.owner && w != g_answerer.last && IsWindowVisible(w) && IsWindowEnabled(w) &&
      std::strcmp(cls, "#32770") == 0) {
    *reinterpret_cast<HWND*>(found) = w;
  }
  return TRUE;
}

void CALLBACK AnswerNext(HWND, UINT, UINT_PTR, DWORD) {
  if (g_answerer.done >= g_answerer.steps.size()) return;
  if (g_answerer.last && !IsWindow(g_answerer.last)) g_answerer.last = nullptr;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindTopDialog, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  if (g_answerer.steps[g_answerer.done](box)) {
    ++g_answerer.done;
    g_answerer.last = box;
  }
}

// The shell's question: Yes or No.
std::function<bool(HWND)> Press(int button) {
  return [button](HWND box) {
    HWND b = GetDlgItem(box, button);
    if (!b) return false;
    SendMessageA(b, BM_CLICK, 0, 0);
    return true;
  };
}

// The rename dialog: a new name and a button.
std::function<bool(HWND)> Rename(const std::string& name, int button) {
  return [name, button](HWND box) {
    HWND after = GetDlgItem(box, IDC_RENAME_AFTER);
    if (!after) return false;
    SetWindowTextA(after, name.c_str());
    SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
    return true;
  };
}

class PasteDialogTest : public test::FilerWindowTest {
 protected:
  void SetUp() override {
    FilerWindowTest::SetUp();
    CreateDirectoryA(src.File("表示").c_str(), nullptr);
    test::WriteFileBytes(src.File("表示\\inner.txt"), "inner");
    test::WriteFileBytes(src.File("ソフト.txt"), std::string(1234, 's'));
    test::WriteFileBytes(src.File("ポスト.txt"), "post");
    EnterFolder();
  }
  void Select(std::initializer_list<const char*> name_texts) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (const char* n : name_texts) {
      const int row = RowOf(n);
      ASSERT_GE(row, 0) << n;
      ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
    }
  }
  std::vector<std::string> SelectedNameTexts() {
    std::vector<std::string> names;
    for (int r = ListView_GetNextItem(List(), -1, LVNI_SELECTED); r >= 0;
         r = ListView_GetNextItem(List(), r, LVNI_SELECTED)) {
      names.push_back(ItemText(List(), r, 0));
    }
    return names;
  }
  // A command, with the boxes it brings up answered in turn.
  void Command(int id, std::vector<std::function<bool(HWND)>> steps = {}) {
    g_answerer = Answerer{};
    g_answerer.owner = dialog->hwnd();
    g_answerer.steps = std::move(steps);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerNext);
    SendMessageA(dialog->hwnd(), WM_COMMAND, id, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_answerer.done, g_answerer.steps.size()) << "boxes answered for " << id;
  }
  std::string Message() { return ItemText(GetDlgItem(dialog->hwnd(), IDC_MESSAGE_AREA), 0, 0); }
  std::string Field() { return ItemText(GetDlgItem(dialog->hwnd(), IDC_SEARCH_LINE), 0, 1); }

  test::Win32TempDir& src = folder;
  test::Win32TempDir dest;
};

TEST_F(PasteDialogTest, CopyPastesIntoAnotherFolderAndCutMovesOnce) {
  FilerDialog& d = Open();
  Select({"/表示", "ソフト"});
  Command(CmdCopy);
  EXPECT_EQ(Message(), "アイテム数：2  サイズ：1234");
  EXPECT_EQ(Field(), "copy");
  ASSERT_TRUE(d.filer().ChangeFolder(dest.path()));
  Command(CmdPaste);
  EXPECT_EQ(test::ReadFileBytes(dest.File("表示\\inner.txt")), "inner");
  EXPECT_EQ(test::ReadFileBytes(dest.File("ソフト.txt")), std::string(1234, 's'));
  EXPECT_TRUE(Exists(src.File("ソフト.txt")));
  EXPECT_EQ(SelectedNameTexts(), (std::vector<std::string>{"/表示", "ソフト"}));
  EXPECT_EQ(Field(), "copy");

  // Cut in the destination, paste into the source's subfolder: moved.
  Select({"ソフト"});
  Command(CmdCut);
  EXPECT_EQ(Field(), "cut");
  ASSERT_TRUE(d.filer().ChangeFolder(src.File("表示")));
  Command(CmdPaste);
  EXPECT_FALSE(Exists(dest.File("ソフト.txt")));
  EXPECT_EQ(test::ReadFileBytes(src.File("表示\\ソフト.txt")), std::string(1234, 's'));
  EXPECT_EQ(SelectedNameTexts(), (std::vector<std::string>{"ソフト"}));
  EXPECT_EQ(Field(), "");
  ASSERT_TRUE(d.filer().ChangeFolder(dest.path()));
  Command(CmdPaste);  // the cut was pasted once
  EXPECT_FALSE(Exists(dest.File("ソフト.txt")));
}

void MakeSparseFile(const std::string& path, LONGLONG size) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  LARGE_INTEGER at;
  at.QuadPart = size;
  SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN);
  SetEndOfFile(file.get());
}

TEST_F(PasteDialogTest, TheSizeTotalIsShownInFullBeyond32Bits) {
  MakeSparseFile(src.File("big1.bin"), 3000000000LL);
  MakeSparseFile(src.File("big2.bin"), 3000000001LL);
  Open();
  Select({"big1", "big2"});
  Command(CmdCopy);
  EXPECT_EQ(Message(), "アイテム数：2  サイズ：6000000001");
}

// A copy into its own folder asks for the new name; the original is never
// touched, whatever the shell makes of a name that collides.
TEST_F(PasteDialogTest, CopyIntoItsOwnFolderTakesTheNewNameAndNeverOverwrites) {
  Open();
  Select({"ポスト"});
  Command(CmdCopy);
  Command(CmdPaste, {Rename("竹掛け.txt", IDOK)});
  EXPECT_EQ(test::ReadFileBytes(src.File("竹掛け.txt")), "post");
  EXPECT_EQ(test::ReadFileBytes(src.File("ポスト.txt")), "post");
  EXPECT_EQ(SelectedNameTexts(), (std::vector<std::string>{"竹掛け"}));

  // All keeps the name: the shell is asked to rename on collision, which
  // Wine's shell does not do (it fails the copy instead).
  Select({"ポスト"});
  Command(CmdCopy);
  Command(CmdPaste, {Rename("ignored", IDC_RENAME_ALL)});
  EXPECT_EQ(test::ReadFileBytes(src.File("ポスト.txt")), "post");
  if (Message() != "CANCEL or ERROR") {
    WIN32_FIND_DATAA fd;
    int count = 0;
    UniqueFindHandle find(FindFirstFileA(src.File("*.txt").c_str(), &fd));
    for (bool more = static_cast<bool>(find); more; more = FindNextFileA(find.get(), &fd)) ++count;
    EXPECT_EQ(count, 4);  // ソフト, ポスト, 竹掛け and a renamed copy
  }
}

TEST_F(PasteDialogTest, SelectPasteIntoAShortcutsTargetFolder) {
  ASSERT_TRUE(test::WriteShortcut(dest.path(), src.File("近道.lnk")));
  Open();
  Select({"ポスト"});
  Command(CmdCopy);
  Select({"近道"});
  Command(CmdPasteSelect);
  EXPECT_EQ(test::ReadFileBytes(dest.File("ポスト.txt")), "post");
  EXPECT_EQ(Message(), "貼り付けました");
  // A shortcut to a file is no folder.
  ASSERT_TRUE(test::WriteShortcut(src.File("ソフト.txt"), dest.File("file.lnk")));
  ASSERT_TRUE(dialog->filer().ChangeFolder(dest.path()));
  Select({"file"});
  Command(CmdPasteSelect);
  EXPECT_EQ(Message(), "フォルダ未選択");
}

std::string TrashFile(const std::string& name) {
  char xdg[MAX_PATH] = {};
  GetEnvironmentVariableA("XDG_DATA_HOME", xdg, sizeof xdg);
  std::string path = std::string("Z:") + xdg + "/Trash/files/" + name;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

TEST_F(PasteDialogTest, DeleteGoesToTheTrashOrForGoodAfterTheShellsQuestion) {
  char xdg[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableA("XDG_DATA_HOME", xdg, sizeof xdg), 0u)
      << "the trash must lie in the build tree";
  const std::string name = "trash-" + std::to_string(GetTickCount()) + ".txt";
  test::WriteFileBytes(src.File(name), "bin");
  Open();
  // No keeps everything.
  Select({"ポスト"});
  Command(CmdDelete, {Press(IDNO)});
  EXPECT_TRUE(Exists(src.File("ポスト.txt")));
  EXPECT_EQ(Message(), "CANCEL or ERROR");

  Select({std::string(name, 0, name.size() - 4).c_str()});
  const int row = RowOf(std::string(name, 0, name.size() - 4));
  Command(CmdDeleteToRecycleBin, {Press(IDYES)});
  EXPECT_FALSE(Exists(src.File(name)));
  EXPECT_EQ(test::ReadFileBytes(TrashFile(name)), "bin");
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), row);  // the row that took its place

  // ポスト is the last row (0x83 0x7C): the cursor goes to the new last row.
  Select({"ポスト"});
  ASSERT_EQ(RowOf("ポスト"), ListView_GetItemCount(List()) - 1);
  Command(CmdDelete, {Press(IDYES)});
  EXPECT_FALSE(Exists(src.File("ポスト.txt")));
  EXPECT_FALSE(Exists(TrashFile("ポスト.txt")));
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), ListView_GetItemCount(List()) - 1);
  EXPECT_EQ(SelectedNameTexts(), (std::vector<std::string>{"ソフト"}));
}

TEST_F(PasteDialogTest, DroppedPathsAreReadWhole) {
  const std::string long_path = "C:\\" + std::string(200, 'a') + "\\" + std::string(100, 'b');
  HDROP drop = MakeDrop({src.File("ソフト.txt"), long_path, "D:\\表示\\x.txt"});
  EXPECT_EQ(ReadDroppedPaths(drop),
            (std::vector<std::string>{src.File("ソフト.txt"), long_path, "D:\\表示\\x.txt"}));
  DragFinish(drop);
}

TEST_F(PasteDialogTest, ADropMovesOnlyWhatComesFromAnotherFolder) {
  test::WriteFileBytes(dest.File("from-elsewhere.txt"), "moved");
  FilerDialog& d = Open();
  SendMessageA(
      d.hwnd(), WM_DROPFILES,
      reinterpret_cast<WPARAM>(MakeDrop({src.File("ポスト.txt"), dest.File("from-elsewhere.txt")})),
      0);
  test::WaitFor([&] { return SelectedNameTexts() == std::vector<std::string>{"from-elsewhere"}; });
  EXPECT_FALSE(Exists(dest.File("from-elsewhere.txt")));
  EXPECT_EQ(test::ReadFileBytes(src.File("from-elsewhere.txt")), "moved");
  EXPECT_EQ(test::ReadFileBytes(src.File("ポスト.txt")), "post");
  EXPECT_EQ(SelectedNameTexts(), (std::vector<std::string>{"from-elsewhere"}));
  EXPECT_EQ(Field(), "");
}

}  // namespace
}  // namespace qd
