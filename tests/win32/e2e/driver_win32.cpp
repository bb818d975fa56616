#include "tests/win32/e2e/driver_win32.h"

#include <commctrl.h>

#include "tests/win32/test_support_win32.h"
#include "resources/command_ids.h"

namespace qd::e2e {

std::string BuiltQdExe() {
  // Wine shows the Linux root as drive Z:.
  std::string path = "Z:" + std::string(QD_EXE_UNIX_PATH);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

HWND FileList(HWND main) { return GetDlgItem(main, IDC_FILE_LIST); }

int FocusedRow(HWND main) {
  return static_cast<int>(SendMessageA(FileList(main), LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
}

int SelectedRow(HWND main) {
  return static_cast<int>(SendMessageA(FileList(main), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

int RowCount(HWND main) {
  return static_cast<int>(SendMessageA(FileList(main), LVM_GETITEMCOUNT, 0, 0));
}

std::string RowName(HWND main, int row) {
  if (row < 0) return {};
  return RemoteItemText(FileList(main), row, 0) + RemoteItemText(FileList(main), row, 1);
}

std::string SelectedNames(HWND main) {
  std::string names;
  for (int row = -1;;) {
    row = static_cast<int>(SendMessageA(FileList(main), LVM_GETNEXTITEM, row, LVNI_SELECTED));
    if (row < 0) return names;
    names += RowName(main, row) + "|";
  }
}

std::string MessageText(HWND main) { return RemoteItemText(GetDlgItem(main, IDC_MESSAGE_AREA), 0, 0); }

std::string SearchLineText(HWND main) { return RemoteItemText(GetDlgItem(main, IDC_SEARCH_LINE), 0, 0); }

void PostCharsTo(HWND control, const std::string& bytes) {
  for (unsigned char c : bytes) PostMessageA(control, WM_CHAR, c, 1);
}

void PostChars(HWND main, const std::string& bytes) { PostCharsTo(FileList(main), bytes); }

::testing::AssertionResult EndsNormally(QdProcess& qd) {
  qd.PostKey(VK_ESCAPE);
  if (!qd.WaitForExit()) return ::testing::AssertionFailure() << "still running after Esc";
  if (qd.ExitCode() != 0) return ::testing::AssertionFailure() << "exit code " << qd.ExitCode();
  return ::testing::AssertionSuccess();
}

namespace {

struct Search {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == s->pid && IsWindowVisible(w)) s->found.push_back(w);
  return TRUE;
}

BOOL CALLBACK CollectChildText(HWND w, LPARAM lp) {
  reinterpret_cast<std::vector<std::string>*>(lp)->push_back(WindowTitle(w));
  return TRUE;
}

bool IsDialog(HWND w) {
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  return std::string(cls) == "#32770";
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid) {
  Search s{pid, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::vector<std::string> ChildTexts(HWND w) {
  std::vector<std::string> texts;
  EnumChildWindows(w, CollectChildText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string WindowTitle(HWND w) {
  char text[512] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

namespace {

// Runs `ask` with a block of memory inside the process that owns `w`,
// laid out as `Struct` followed by a text buffer, and returns the text.
template <typename Struct, typename Fill>
std::string AskRemote(HWND w, UINT msg, WPARAM wp, Fill fill) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  UniqueHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) return {};
  constexpr SIZE_T kText = 512;
  char* remote = static_cast<char*>(
      VirtualAllocEx(process.get(), nullptr, sizeof(Struct) + kText, MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return {};
  Struct s{};
  fill(s, remote + sizeof(Struct), static_cast<int>(kText));
  WriteProcessMemory(process.get(), remote, &s, sizeof s, nullptr);
  SendMessageA(w, msg, wp, reinterpret_cast<LPARAM>(remote));
  char text[kText] = {};
  ReadProcessMemory(process.get(), remote + sizeof(Struct), text, kText - 1, nullptr);
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return text;
}

}  // namespace

std::string RemoteItemText(HWND list, int row, int column) {
  return AskRemote<LVITEMA>(list, LVM_GETITEMTEXTA, row, [&](LVITEMA& item, char* text, int n) {
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = n;
  });
}

std::string RemoteTabText(HWND tabs, int index) {
  return AskRemote<TCITEMA>(tabs, TCM_GETITEMA, index, [&](TCITEMA& item, char* text, int n) {
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = n;
  });
}

QdProcess::QdProcess(const std::string& folder, const std::string& args)
    : QdProcess(folder, args, folder) {}

QdProcess::QdProcess(const std::string& folder, const std::string& args,
                     const std::string& current_dir) {
  const std::string exe = folder + "\\Qd.exe";
  if (GetFileAttributesA(exe.c_str()) == INVALID_FILE_ATTRIBUTES) {
    CopyFileA(BuiltQdExe().c_str(), exe.c_str(), FALSE);
  }
  std::string cmd = "\"" + exe + "\"";
  if (!args.empty()) cmd += " " + args;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, current_dir.c_str(),
                     &si, &pi)) {
    process_.reset(pi.hProcess);
    CloseHandle(pi.hThread);
    pid_ = pi.dwProcessId;
    thread_id_ = pi.dwThreadId;
  }
}

QdProcess::~QdProcess() {
  if (Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

// The first dialog of the process that `wanted` accepts, once it is shown.
HWND QdProcess::WaitForDialog(const std::function<bool(HWND)>& wanted, DWORD ms) {
  HWND found = nullptr;
  test::WaitFor(
      [&] {
        for (HWND w : ProcessWindows(pid_)) {
          if (IsDialog(w) && wanted(w)) {
            found = w;
            return true;
          }
        }
        return !Running();
      },
      ms);
  return found;
}

HWND QdProcess::WaitForMainWindow(DWORD ms) {
  main_ = WaitForDialog([](HWND w) { return GetDlgItem(w, IDC_FILE_LIST) != nullptr; }, ms);
  return main_;
}

HWND QdProcess::WaitForPopup(DWORD ms) {
  return WaitForDialog([&](HWND w) { return w != main_; }, ms);
}

HWND QdProcess::WaitForBoxWithText(const std::string& text, DWORD ms) {
  return WaitForDialog(
      [&](HWND w) {
        for (const std::string& t : ChildTexts(w)) {
          if (t == text) return true;
        }
        return false;
      },
      ms);
}

bool QdProcess::ShowsOtherDialog() const {
  for (HWND w : ProcessWindows(pid_)) {
    if (IsDialog(w) && w != main_) return true;
  }
  return false;
}

void ClickButton(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void QdProcess::PostKey(UINT vk) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND target = main_;
  if (GetGUIThreadInfo(thread_id_, &info) && info.hwndFocus) target = info.hwndFocus;
  PostMessageA(target, WM_KEYDOWN, vk, 1);
  PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

bool QdProcess::WaitForExit(DWORD ms) {
  return test::WaitFor([&] { return !Running(); }, ms);
}

bool QdProcess::Running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD QdProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::string ControlText(HWND dialog, int id) {
  char text[MAX_PATH] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace qd::e2e
