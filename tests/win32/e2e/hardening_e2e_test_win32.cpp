// The real Qd.exe against hand-edited settings, paths near the length limit,
// odd command lines and typed double-byte characters.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/win32/handles_win32.h"
#include "filer/core/filer_app.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/e2e/driver_win32.h"
#include "tests/win32/test_support_win32.h"
#include "resources/command_ids.h"

namespace qd::e2e {
namespace {

using test::Win32TempDir;

constexpr char kFolderError[] = "フォルダ移動エラー";

std::string TitleOf(const std::string& folder) { return " Qd - [" + folder + "\\*.*]"; }

bool WaitForTitle(HWND main, const std::string& title) {
  return test::WaitFor([&] { return WindowTitle(main) == title; });
}

bool HasFilerTitle(HWND main) {
  return test::WaitFor([&] { return WindowTitle(main).rfind(" Qd - [", 0) == 0; });
}

// Real key events, so that the filer sees Shift through GetKeyState. The
// pause after them gives keys that should change nothing the time to do
// their harm.
void SendKeys(HWND main, const std::vector<std::pair<WORD, bool>>& keys) {
  SetForegroundWindow(main);
  ASSERT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == main; }));
  std::vector<INPUT> inputs;
  for (const auto& [vk, up] : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  test::PumpMessages(300);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> Keys(const SettingsSection& section) {
  std::vector<std::string> keys;
  for (const SettingsEntry& e : section) keys.push_back(e.key);
  return keys;
}

std::vector<std::string> Values(ProfileSettingsFile& ini, const char* section, const char* prefix) {
  std::vector<std::string> values;
  for (int i = 0;; ++i) {
    const std::string v = ini.ReadString(section, prefix + std::to_string(i), "");
    if (v.empty()) return values;
    values.push_back(v);
  }
}

bool MeetsScreen(const RECT& r) {
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT common;
  return IntersectRect(&common, &r, &screen) != FALSE;
}

// A folder path of exactly `length` characters under `base`, made of
// single-byte names; the folders are created.
std::string FolderOfLength(const std::string& base, std::size_t length) {
  std::string path = base;
  char letter = 'a';
  while (path.size() < length) {
    std::size_t part = length - path.size() - 1;
    if (part == 101) part = 99;  // leave room for one more name of at least one character
    part = std::min<std::size_t>(part, 100);
    path += "\\" + std::string(part, letter++);
    EXPECT_TRUE(test::CreateFolder(path)) << path.size();
  }
  return path;
}

// --- Hand-edited numbers ---------------------------------------------------

class TabMaxTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TabMaxTest, TheFilerStartsAndEndsWithCodeZero) {
  Win32TempDir dir;
  ProfileSettingsFile(dir.File("Qd.ini")).WriteString("Conf-Main", "TabMax", GetParam());
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr) << "exit code " << qd.ExitCode();
  EXPECT_TRUE(WaitForTitle(main, TitleOf(dir.path()))) << WindowTitle(main);
  EXPECT_TRUE(EndsNormally(qd));
}

INSTANTIATE_TEST_SUITE_P(QdHardening, TabMaxTest,
                         ::testing::Values("-1", "100000000", "2147483647"));

struct ExtremeCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> entries;  // "Section/key", value
};

void PrintTo(const ExtremeCase& c, std::ostream* os) { *os << c.name; }

class ExtremeSettingsTest : public ::testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeSettingsTest, TheFilerShowsItsWindowOnScreenAndEndsWithCodeZero) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  for (const auto& [where, value] : GetParam().entries) {
    const std::string w = where;
    const std::size_t slash = w.find('/');
    ini.WriteString(w.substr(0, slash), w.substr(slash + 1), value);
  }
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr) << "exit code " << qd.ExitCode();
  EXPECT_TRUE(WaitForTitle(main, TitleOf(dir.path()))) << WindowTitle(main);
  RECT r{};
  GetWindowRect(main, &r);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(MeetsScreen(r)) << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
  EXPECT_GT(r.right - r.left, 0);
  EXPECT_GT(r.bottom - r.top, 0);
  // The message area and the search line are as wide as several file list
  // columns together; a sum that wrapped round would be a negative width.
  for (const auto& [pane, column] : {std::pair{IDC_MESSAGE_AREA, 0}, std::pair{IDC_MESSAGE_AREA, 1}, std::pair{IDC_SEARCH_LINE, 0}}) {
    EXPECT_GE(SendMessageA(GetDlgItem(main, pane), LVM_GETCOLUMNWIDTH, column, 0), 0)
        << pane << " column " << column;
  }
  ASSERT_TRUE(EndsNormally(qd));
  // The state is still saved: the folder visited is in the history.
  EXPECT_EQ(ini.ReadString("History", "path0", ""), dir.path());
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), dir.path());
}

INSTANTIATE_TEST_SUITE_P(
    QdHardening, ExtremeSettingsTest,
    ::testing::Values(ExtremeCase{"HistoryMin", {{"Conf-Main/History", "-2147483648"}}},
                      ExtremeCase{"ColumnSumPast2To31",
                                  {{"ColumnWidth/Name", "2147483647"},
                                   {"ColumnWidth/Ext", "1000"},
                                   {"ColumnWidth/Size", "1000"},
                                   {"ColumnWidth/Date", "2147483647"},
                                   {"ColumnWidth/Attr", "1000"}}},
                      ExtremeCase{"WindowRectWidest",
                                  {{"WindowRect/left", "-2147483648"},
                                   {"WindowRect/top", "-2147483648"},
                                   {"WindowRect/right", "2147483647"},
                                   {"WindowRect/bottom", "2147483647"}}},
                      ExtremeCase{"WindowRectInverted",
                                  {{"WindowRect/left", "2147483647"},
                                   {"WindowRect/top", "2147483647"},
                                   {"WindowRect/right", "-2147483648"},
                                   {"WindowRect/bottom", "-2147483648"}}}),
    [](const ::testing::TestParamInfo<ExtremeCase>& info) { return std::string(info.param.name); });

struct ColumnCase {
  const char* key;
  const char* edited;
  const char* saved;
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.key << "=" << c.edited; }

class NegativeColumnWidthTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(NegativeColumnWidthTest, IsSavedBackAsTheDefault) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteString("ColumnWidth", GetParam().key, GetParam().edited);
  QdProcess qd(dir.path());
  ASSERT_NE(qd.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(EndsNormally(qd));
  EXPECT_EQ(ini.ReadString("ColumnWidth", GetParam().key, "missing"), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(QdHardening, NegativeColumnWidthTest,
                         ::testing::Values(ColumnCase{"Attr", "-2", "50"},
                                           ColumnCase{"Name", "-2147483648", "125"},
                                           ColumnCase{"Date", "-1", "135"}),
                         [](const ::testing::TestParamInfo<ColumnCase>& info) {
                           return std::string(info.param.key);
                         });

TEST(QdHardening, AWindowSavedOffTheScreenComesOnItKeepingItsSize) {
  Win32TempDir dir;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("WindowRect", "left", 5000);
  ini.WriteInt("WindowRect", "top", 5000);
  ini.WriteInt("WindowRect", "right", 5400);
  ini.WriteInt("WindowRect", "bottom", 5300);
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  RECT r{};
  GetWindowRect(main, &r);
  EXPECT_TRUE(MeetsScreen(r)) << r.left << "," << r.top;
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);
  ASSERT_TRUE(EndsNormally(qd));
  const RECT saved{ini.ReadInt("WindowRect", "left", 0), ini.ReadInt("WindowRect", "top", 0),
                   ini.ReadInt("WindowRect", "right", 0), ini.ReadInt("WindowRect", "bottom", 0)};
  EXPECT_TRUE(MeetsScreen(saved)) << saved.left << "," << saved.top;
  EXPECT_EQ(saved.right - saved.left, 400);
  EXPECT_EQ(saved.bottom - saved.top, 300);
}

TEST(QdHardening, AGapInTheNumberedEntriesEndsThemAndIsNotSavedBack) {
  Win32TempDir dir, a, b, gone_tab, h0, h1, gone_history;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteString("Tab", "DIR0", a.path());
  ini.WriteString("Tab", "DIR1", b.path());
  ini.WriteString("Tab", "DIR3", gone_tab.path());
  ini.WriteInt("Tab", "CurSel", 0);
  ini.WriteString("History", "path0", h0.path());
  ini.WriteString("History", "path1", h1.path());
  ini.WriteString("History", "path3", gone_history.path());
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_TAB_STRIP), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(WaitForTitle(main, TitleOf(a.path()))) << WindowTitle(main);
  ASSERT_TRUE(EndsNormally(qd));

  const std::vector<std::string> tab_keys = Keys(ini.ReadSection("Tab"));
  EXPECT_EQ(tab_keys, (std::vector<std::string>{"CurSel", "DIR0", "DIR1"}));
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), a.path());
  EXPECT_EQ(ini.ReadString("Tab", "DIR1", ""), b.path());

  // The history holds the folder visited at the start before the two read.
  const std::vector<std::string> history = Values(ini, "History", "path");
  EXPECT_EQ(history, (std::vector<std::string>{a.path(), h0.path(), h1.path()}));
  std::vector<std::string> want_keys;
  for (std::size_t i = 0; i < history.size(); ++i) want_keys.push_back("path" + std::to_string(i));
  EXPECT_EQ(Keys(ini.ReadSection("History")), want_keys);
  EXPECT_EQ(test::ReadFileBytes(dir.File("Qd.ini")).find(gone_history.path()), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(dir.File("Qd.ini")).find(gone_tab.path()), std::string::npos);
}

// --- Folders near the length limit -------------------------------------------

TEST(QdHardening, ASubfolderPastTheLimitIsRefusedAndTheTabsAreKept) {
  Win32TempDir dir, other;
  const std::string deep = FolderOfLength(dir.path(), 257);
  ASSERT_EQ(deep.size(), 257u);
  ASSERT_TRUE(test::CreateFolder(deep + "\\sub4567890"));  // 268 characters
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteString("Tab", "DIR0", deep);
  ini.WriteString("Tab", "DIR1", other.path());
  ini.WriteInt("Tab", "CurSel", 0);
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForTitle(main, TitleOf(deep))) << WindowTitle(main);

  PostChars(main, "s");
  ASSERT_TRUE(test::WaitFor([&] { return SearchLineText(main) == "S"; }));
  EXPECT_EQ(RemoteItemText(FileList(main), FocusedRow(main), 0), "/sub4567890");
  qd.PostKey(VK_RETURN);
  HWND box = qd.WaitForBoxWithText(kFolderError);
  ASSERT_NE(box, nullptr);
  ClickButton(box, IDOK);
  ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(box); }));
  EXPECT_EQ(WindowTitle(main), TitleOf(deep));
  EXPECT_GT(RowCount(main), 0);

  ASSERT_TRUE(EndsNormally(qd));
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), deep);
  EXPECT_EQ(ini.ReadString("Tab", "DIR1", ""), other.path());
}

TEST(QdHardening, AJapaneseFolderUnderTheLimitInCharactersButOverItInBytesIsEntered) {
  Win32TempDir dir, h0, h1;
  std::string kanji;
  for (int i = 0; i < 80; ++i) kanji += "表";
  const std::string parent = dir.File(kanji);
  const std::string child = parent + "\\J" + kanji.substr(2);
  ASSERT_TRUE(test::CreateFolder(parent));
  ASSERT_TRUE(test::CreateFolder(child));
  // 80 + 80 double-byte characters: well under 260 characters, past it in bytes.
  ASSERT_GT(child.size(), 300u);
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteString("Tab", "DIR0", parent);
  ini.WriteString("History", "path0", h0.path());
  ini.WriteString("History", "path1", h1.path());
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForTitle(main, TitleOf(parent))) << WindowTitle(main);

  PostChars(main, "j");
  ASSERT_TRUE(test::WaitFor([&] { return SearchLineText(main) == "J"; }));
  qd.PostKey(VK_RETURN);
  EXPECT_TRUE(WaitForTitle(main, TitleOf(child))) << WindowTitle(main);
  EXPECT_FALSE(qd.ShowsOtherDialog());

  ASSERT_TRUE(EndsNormally(qd));
  EXPECT_EQ(ini.ReadString("Tab", "DIR0", ""), child);
  EXPECT_EQ(Values(ini, "History", "path"),
            (std::vector<std::string>{child, parent, h0.path(), h1.path()}));
}

// --- Start-up and the command line ----------------------------------------------

TEST(QdHardening, AVanishedCurrentTabShowsTheStartFolderWhichStillTakesAHandOver) {
  Win32TempDir dir, a, target;
  ProfileSettingsFile ini(dir.File("Qd.ini"));
  ini.WriteInt("Conf-Main", "NewProc", 1);
  ini.WriteString("Tab", "DIR0", a.path());
  ini.WriteString("Tab", "DIR1", dir.File("gone"));
  ini.WriteInt("Tab", "CurSel", 1);
  QdProcess first(dir.path());
  HWND box = first.WaitForBoxWithText(kFolderError);
  ASSERT_NE(box, nullptr);
  ClickButton(box, IDOK);
  HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WaitForTitle(main, TitleOf(dir.path()))) << WindowTitle(main);
  EXPECT_GT(RowCount(main), 0);

  QdProcess second(dir.path(), target.path());
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_TRUE(WaitForTitle(main, TitleOf(target.path()))) << WindowTitle(main);
  EXPECT_TRUE(EndsNormally(first));
}

TEST(QdHardening, ADotAndTwoDotsAreTheCurrentFolderAndItsParent) {
  Win32TempDir exe_dir, work;
  const std::string here = work.File("here");
  ASSERT_TRUE(test::CreateFolder(here));
  for (const auto& [arg, folder] : {std::pair<std::string, std::string>{".", here},
                                    std::pair<std::string, std::string>{"..", work.path()}}) {
    SCOPED_TRACE(arg);
    QdProcess qd(exe_dir.path(), arg, here);
    HWND main = qd.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitForTitle(main, TitleOf(folder))) << WindowTitle(main);
    EXPECT_FALSE(qd.ShowsOtherDialog());
    EXPECT_TRUE(EndsNormally(qd));
  }
}

TEST(QdHardening, AFolderWithABlankGivenQuotedOrNotIsOpened) {
  Win32TempDir dir;
  const std::string blank = dir.File("a b");
  ASSERT_TRUE(test::CreateFolder(blank));
  for (const std::string& arg : {"\"" + blank + "\"", blank, "\"" + blank + "\"  "}) {
    SCOPED_TRACE(arg);
    QdProcess qd(dir.path(), arg);
    HWND main = qd.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitForTitle(main, TitleOf(blank))) << WindowTitle(main);
    EXPECT_FALSE(qd.ShowsOtherDialog());
    EXPECT_TRUE(EndsNormally(qd));
  }
}

TEST(QdHardening, LineBreaksOnASecondStartsCommandLineAddNothingToTheSettings) {
  for (const char* brk : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(static_cast<int>(brk[0]));
    Win32TempDir dir, target;
    ProfileSettingsFile ini(dir.File("Qd.ini"));
    ini.WriteInt("Conf-Main", "NewProc", 1);
    QdProcess first(dir.path());
    HWND main = first.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(HasFilerTitle(main));
    // Were these lines written into the file, Esc would open a tab instead of ending.
    const std::string b = brk;
    QdProcess second(dir.path(), target.path() + b + "[Key]" + b + "27=32771" + b + "Injected=1");
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    test::PumpMessages(300);
    ASSERT_TRUE(EndsNormally(first));

    const std::string text = test::ReadFileBytes(dir.File("Qd.ini"));
    EXPECT_TRUE(ini.ReadSection("Key").empty());
    for (const std::string& line : Lines(text)) {
      EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
      EXPECT_EQ(line.find("Injected"), std::string::npos) << line;
      EXPECT_NE(line, "27=32771");
      EXPECT_NE(line, "[Key]");
    }
  }
}

TEST(QdHardening, ASecondStartHandsOverToItsOwnCopyNotToTheTopFiler) {
  Win32TempDir one, two, target;
  ProfileSettingsFile(one.File("Qd.ini")).WriteInt("Conf-Main", "NewProc", 1);
  ProfileSettingsFile(two.File("Qd.ini")).WriteInt("Conf-Main", "NewProc", 1);
  QdProcess a(one.path());
  HWND main_a = a.WaitForMainWindow();
  ASSERT_NE(main_a, nullptr);
  ASSERT_TRUE(WaitForTitle(main_a, TitleOf(one.path())));
  QdProcess b(two.path());
  HWND main_b = b.WaitForMainWindow();
  ASSERT_NE(main_b, nullptr);
  ASSERT_TRUE(WaitForTitle(main_b, TitleOf(two.path())));
  SetWindowPos(main_b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(main_b);
  ASSERT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == main_b; }));

  QdProcess again(one.path(), target.path());
  ASSERT_TRUE(again.WaitForExit());
  EXPECT_TRUE(ProcessWindows(again.pid()).empty());
  EXPECT_TRUE(WaitForTitle(main_a, TitleOf(target.path()))) << WindowTitle(main_a);
  EXPECT_EQ(WindowTitle(main_b), TitleOf(two.path()));
  EXPECT_TRUE(EndsNormally(a));
  EXPECT_TRUE(EndsNormally(b));
}

// With no filer of its own copy to take the path, a start runs as the filer,
// whether that copy is not running at all or is still starting (its mutex
// held, no window yet); the other copy's filer on top is left alone.
TEST(QdHardening, WithoutAFilerOfItsOwnCopyASecondStartRunsAsTheFiler) {
  for (const bool own_mutex_held : {false, true}) {
    SCOPED_TRACE(own_mutex_held ? "own copy still starting" : "own copy not running");
    Win32TempDir one, two, target;
    ProfileSettingsFile ini_a(one.File("Qd.ini"));
    ProfileSettingsFile ini_b(two.File("Qd.ini"));
    ini_a.WriteInt("Conf-Main", "NewProc", 1);
    ini_b.WriteInt("Conf-Main", "NewProc", 1);
    QdProcess b(two.path());
    HWND main_b = b.WaitForMainWindow();
    ASSERT_NE(main_b, nullptr);
    ASSERT_TRUE(WaitForTitle(main_b, TitleOf(two.path())));
    SetForegroundWindow(main_b);
    ASSERT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == main_b; }));
    UniqueHandle starting;
    if (own_mutex_held) {
      starting.reset(CreateMutexA(nullptr, FALSE, InstanceMutexName(one.File("Qd.ini")).c_str()));
      ASSERT_TRUE(starting);
    }

    QdProcess a(one.path(), target.path());
    HWND main_a = a.WaitForMainWindow();
    ASSERT_NE(main_a, nullptr) << "exit code " << a.ExitCode();
    EXPECT_TRUE(WaitForTitle(main_a, TitleOf(target.path()))) << WindowTitle(main_a);
    EXPECT_EQ(WindowTitle(main_b), TitleOf(two.path()));
    EXPECT_EQ(ini_b.ReadString("Etc", "CmdLine", ""), "");
    EXPECT_TRUE(EndsNormally(a));
    EXPECT_TRUE(EndsNormally(b));
  }
}

// --- Typed characters ----------------------------------------------------------

TEST(QdHardening, DoubleByteCharactersTypedInPiecesFindTheirNames) {
  Win32TempDir dir, files;
  // Trail bytes that are a backslash (表, ソ), a lower-case letter (溝 61,
  // ホ 7A, テ 65) or a sign (ポ 7C) must not be taken as characters of their own.
  const std::vector<std::pair<std::string, std::string>> cases = {{"表示", "表示.txt"},
                                                                  {"ソ", "ソフト.txt"},
                                                                  {"Ｂ溝", "Ｂ溝.txt"},
                                                                  {"ホテル", "ホテル.txt"},
                                                                  {"ポスト", "ポスト.txt"}};
  for (const char* decoy : {"aaa.txt", "zzz.txt", "ＢＢ.txt"}) {
    test::WriteFileBytes(files.File(decoy), "x");
  }
  for (const auto& c : cases) test::WriteFileBytes(files.File(c.second), "x");
  ProfileSettingsFile(dir.File("Qd.ini")).WriteString("Tab", "DIR0", files.path());
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForTitle(main, TitleOf(files.path())));
  for (const auto& [typed, name] : cases) {
    SCOPED_TRACE(name);
    // Each search starts on "..", just above aaa.txt; a cursor key clears the search text.
    qd.PostKey(VK_UP);
    ASSERT_TRUE(test::WaitFor([&] { return SearchLineText(main).empty(); }));
    PostChars(main, "a");
    ASSERT_TRUE(test::WaitFor([&] { return RowName(main, FocusedRow(main)) == "aaa.txt"; }));
    qd.PostKey(VK_UP);
    ASSERT_TRUE(
        test::WaitFor([&] { return SearchLineText(main).empty() && FocusedRow(main) == 0; }));
    PostChars(main, typed);
    EXPECT_TRUE(test::WaitFor([&] { return RowName(main, FocusedRow(main)) == name; }))
        << RowName(main, FocusedRow(main));
    EXPECT_TRUE(test::WaitFor([&] { return SearchLineText(main) == typed; }))
        << SearchLineText(main);
    EXPECT_EQ(MessageText(main).find("not found"), std::string::npos) << MessageText(main);
  }
  EXPECT_TRUE(EndsNormally(qd));
}

TEST(QdHardening, ShiftWithALetterLeavesTheCursorWhereItIs) {
  Win32TempDir dir, files;
  for (const char* name : {"alpha.txt", "beta.txt", "README.TXT", "xray.txt"}) {
    test::WriteFileBytes(files.File(name), "x");
  }
  ProfileSettingsFile(dir.File("Qd.ini")).WriteString("Tab", "DIR0", files.path());
  QdProcess qd(dir.path());
  HWND main = qd.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForTitle(main, TitleOf(files.path())));
  PostChars(main, "r");
  ASSERT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "README.TXT"; }));
  const int readme = SelectedRow(main);
  ASSERT_GT(readme, 0);

  SendKeys(main, {{VK_SHIFT, false}, {'Z', false}, {'Z', true}, {VK_SHIFT, true}});
  EXPECT_EQ(RowName(main, SelectedRow(main)), "README.TXT");
  EXPECT_EQ(FocusedRow(main), readme);
  // The real keys do arrive: Down moves on from README.TXT.
  SendKeys(main, {{VK_DOWN, false}, {VK_DOWN, true}});
  EXPECT_TRUE(test::WaitFor([&] { return RowName(main, SelectedRow(main)) == "xray.txt"; }))
      << RowName(main, SelectedRow(main));
  EXPECT_TRUE(EndsNormally(qd));
}

}  // namespace
}  // namespace qd::e2e
