#include "filer/win32/filer_dialog_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/win32/font_win32.h"
#include "common/win32/modal_dialog_win32.h"
#include "resources/command_ids.h"
#include "filer/win32/menu_bar_win32.h"
#include "settings/command_table.h"

namespace qd {

FilerDialog::FilerDialog(SettingsFile& settings, std::string program_folder,
                         std::string pending_path)
    : settings_(settings),
      program_folder_(std::move(program_folder)),
      pending_path_(std::move(pending_path)) {
  icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QD));
}

// The window goes first: its panes' adapters and the filer may still be
// called while it is destroyed.
FilerDialog::~FilerDialog() { hwnd_.reset(); }

bool FilerDialog::Create() {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof icc;
  icc.dwICC = ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES;
  InitCommonControlsEx(&icc);
  HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FILER), nullptr,
                                 DialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

void FilerDialog::Run() {
  if (!hwnd_ && !Create()) return;
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  MSG msg;
  while (!closed_ && GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  hwnd_.reset();
}

void FilerDialog::Dispatch(MSG& msg) {
  if (PreTranslate(msg)) return;
  if (hwnd() && IsDialogMessageA(hwnd(), &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

// Every key of the window and its panes reaches the filer before the pane.
bool FilerDialog::PreTranslate(const MSG& msg) {
  if (!filer_ || !hwnd() || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
      return filer_->OnKey(KeyMessage::KeyDown, static_cast<int>(msg.wParam));
    case WM_SYSKEYDOWN:
      return filer_->OnKey(KeyMessage::SysKeyDown, static_cast<int>(msg.wParam));
    case WM_CHAR:
      return filer_->OnKey(KeyMessage::Char, static_cast<int>(msg.wParam & 0xFF));
    case WM_IME_CHAR:
      // A whole double-byte character, lead byte above: the filer takes it
      // as the two character messages it would otherwise become.
      if (msg.wParam > 0xFF) {
        filer_->OnKey(KeyMessage::Char, static_cast<int>((msg.wParam >> 8) & 0xFF));
      }
      return filer_->OnKey(KeyMessage::Char, static_cast<int>(msg.wParam & 0xFF));
    default:
      return false;
  }
}

INT_PTR CALLBACK FilerDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<FilerDialog*>(lp);
    SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    self->hwnd_.reset(hwnd);
    self->OnInitDialog();
    return TRUE;
  }
  auto* self = reinterpret_cast<FilerDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->hwnd_.release();
    return FALSE;
  }
  return self->OnMessage(msg, wp, lp);
}

void FilerDialog::OnInitDialog() {
  HWND w = hwnd();
  char about[256];
  if (LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof about) > 0) {
    HMENU sys = GetSystemMenu(w, FALSE);
    AppendMenuA(sys, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(sys, MF_STRING, CmdToggleMenu, "メニュー表示切替(&O)");
    AppendMenuA(sys, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(sys, MF_STRING, IDM_ABOUTBOX, about);
  }
  SetMenu(w, BuildMenuBar(FilerCommandTable()));
  SendMessageA(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

  tab_strip_.Attach(GetDlgItem(w, IDC_TAB_STRIP));
  prompts_.SetOwner(w);
  shell_.SetOwner(w);
  file_list_.Attach(GetDlgItem(w, IDC_FILE_LIST));
  history_.Attach(GetDlgItem(w, IDC_HISTORY_STORE));
  message_area_.Attach(GetDlgItem(w, IDC_MESSAGE_AREA));
  search_line_.Attach(GetDlgItem(w, IDC_SEARCH_LINE));
  // Files dropped on these panes arrive at the window itself.
  DragAcceptFiles(message_area_.hwnd(), FALSE);
  DragAcceptFiles(search_line_.hwnd(), FALSE);
  DragAcceptFiles(tab_strip_.hwnd(), FALSE);

  filer_ = std::make_unique<FilerController>(
      FilerPorts{settings_, *this, prompts_, file_list_, message_area_, search_line_, history_, fs_,
                 keys_, tab_strip_, shell_, &walk_progress_},
      program_folder_, pending_path_);
  file_list_.SetRows(&filer_->rows());
  filer_->Initialise();
  RECT client;
  GetClientRect(w, &client);
  filer_->OnSize(client.right, client.bottom);
}

INT_PTR FilerDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED && filer_) filer_->OnSize(LOWORD(lp), HIWORD(lp));
      return FALSE;
    case WM_COMMAND:
      // Menu items, accelerators, posted commands, and OK/Cancel; other
      // control notifications are not commands.
      if (filer_ && (lp == 0 || LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        return filer_->OnCommand(LOWORD(wp)) ? TRUE : FALSE;
      }
      return FALSE;
    case WM_CLOSE:
      if (filer_) filer_->Cancel();
      return TRUE;
    case WM_SYSCOMMAND:
      return OnSysCommand(wp) ? TRUE : FALSE;
    case WM_PAINT:
      if (IsIconic(hwnd())) {
        PaintMinimised();
        return TRUE;
      }
      return FALSE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(icon_);
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wp));
      return TRUE;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (!filer_) return FALSE;
      if (header->idFrom == IDC_TAB_STRIP) {
        if (header->code == TCN_SELCHANGE) filer_->OnTabSelectionChange();
        if (header->code == NM_CLICK) filer_->OnTabClick();
        return FALSE;
      }
      if (header->idFrom != IDC_FILE_LIST) return FALSE;
      SetWindowLongPtrA(hwnd(), DWLP_MSGRESULT, OnFileListNotify(header));
      return TRUE;
    }
    default:
      return FALSE;
  }
}

bool FilerDialog::OnSysCommand(WPARAM id) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    ModalDialog().Run(hwnd(), IDD_ABOUTBOX);  // OK and Cancel close it
    return true;
  }
  // Compared whole: masked with 0xFFF0 it would read as another command.
  if (id == CmdToggleMenu) {
    filer_->OnCommand(CmdToggleMenu);
    return true;
  }
  return false;
}

LRESULT FilerDialog::OnFileListNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_GETDISPINFOA:
      file_list_.OnGetDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(header));
      return 0;
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      return file_list_.OnFindItem();
    case LVN_COLUMNCLICK:
      filer_->OnHeaderClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case NM_DBLCLK:
      filer_->OpenItem();
      return 0;
    case NM_CUSTOMDRAW:
      return file_list_.OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    case NM_CLICK:
      file_list_.OnClick();
      return 0;
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
      file_list_.OnBeginDrag();
      return 0;
    default:
      return 0;
  }
}

void FilerDialog::OnDropFiles(HDROP drop) {
  const std::vector<std::string> paths = ReadDroppedPaths(drop);
  DragFinish(drop);  // the paths are read: the drop's memory is not needed
  SetForegroundWindow(hwnd());
  if (filer_) filer_->file_ops().Drop(paths);
}

void FilerDialog::PaintMinimised() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd(), &client);
  const int cx = GetSystemMetrics(SM_CXICON);
  const int cy = GetSystemMetrics(SM_CYICON);
  DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, icon_);
  EndPaint(hwnd(), &ps);
}

HWND FilerDialog::PaneWindow(Pane pane) const {
  switch (pane) {
    case Pane::TabStrip:
      return tab_strip_.hwnd();
    case Pane::FileList:
      return file_list_.hwnd();
    case Pane::SearchLine:
      return search_line_.hwnd();
    case Pane::MessageArea:
      return message_area_.hwnd();
  }
  return nullptr;
}

void FilerDialog::MovePane(Pane pane, const PaneRect& r) {
  MoveWindow(PaneWindow(pane), r.x, r.y, r.width, r.height, TRUE);
}

void FilerDialog::SetTitle(std::string_view title) {
  SetWindowTextA(hwnd(), std::string(title).c_str());
}

WindowState FilerDialog::GetWindowState() {
  WindowState state;
  RECT r{};
  GetWindowRect(hwnd(), &r);
  state.left = r.left;
  state.top = r.top;
  state.right = r.right;
  state.bottom = r.bottom;
  state.minimised = IsIconic(hwnd()) != FALSE;
  state.maximised = IsZoomed(hwnd()) != FALSE;
  return state;
}

void FilerDialog::SetWindowRect(const ScreenRect& r) {
  MoveWindow(hwnd(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

namespace {

struct WorkAreaSearch {
  RECT rect;
  bool meets;
};

// The work area, not the whole monitor: a window under the task bar alone
// cannot be reached.
BOOL CALLBACK MeetsWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto* s = reinterpret_cast<WorkAreaSearch*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT overlap;
  if (GetMonitorInfoA(monitor, &info) && IntersectRect(&overlap, &info.rcWork, &s->rect)) {
    s->meets = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

WorkAreas FilerDialog::WorkAreasFor(const ScreenRect& r) {
  WorkAreaSearch search{{r.left, r.top, r.right, r.bottom}, false};
  EnumDisplayMonitors(nullptr, nullptr, MeetsWorkArea, reinterpret_cast<LPARAM>(&search));
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromRect(&search.rect, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& w = info.rcWork;
  return {search.meets, {w.left, w.top, w.right, w.bottom}};
}

void FilerDialog::SetPaneFont(std::string_view face, int tenths) {
  UniqueFont font = CreatePointFont(face, tenths);
  for (Pane pane : {Pane::FileList, Pane::MessageArea, Pane::SearchLine, Pane::TabStrip}) {
    SendMessageA(PaneWindow(pane), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  font_ = std::move(font);  // the previous font goes only after no pane uses it
}

void FilerDialog::ShowMenuBar(bool shown) {
  if (shown) {
    detached_menu_.reset();
    SetMenu(hwnd(), BuildMenuBar(FilerCommandTable()));
  } else {
    HMENU menu = GetMenu(hwnd());
    SetMenu(hwnd(), nullptr);
    detached_menu_.reset(menu);
  }
  DrawMenuBar(hwnd());
}

void FilerDialog::Close() {
  closed_ = true;
  PostMessageA(hwnd(), WM_NULL, 0, 0);  // wake the loop so that it sees the flag
}

}  // namespace qd
