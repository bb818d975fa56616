#include "common/win32/modal_dialog_win32.h"

namespace qd {

int ModalDialog::Run(HWND owner, int template_id) {
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(template_id),
                                         owner, DialogProc, reinterpret_cast<LPARAM>(this));
  // -1 when the dialog could not be made, 0 for an invalid owner.
  return result > 0 ? static_cast<int>(result) : 0;
}

int ModalDialog::RunIndirect(HWND owner, const DLGTEMPLATE* dialog_template) {
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog_template, owner,
                                                 DialogProc, reinterpret_cast<LPARAM>(this));
  return result > 0 ? static_cast<int>(result) : 0;
}

void ModalDialog::End(int id) { EndDialog(hwnd_, id); }

void ModalDialog::Anchor(int control_id, unsigned edges) {
  HWND control = GetDlgItem(hwnd_, control_id);
  if (!control) return;
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  anchored_.push_back({control, edges, r});
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ModalDialog*>(lp);
    SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    self->hwnd_ = hwnd;
    RECT client, window;
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &window);
    self->opened_client_ = {client.right, client.bottom};
    self->opened_window_ = {window.right - window.left, window.bottom - window.top};
    return self->OnInit() ? TRUE : FALSE;
  }
  // Messages before WM_INITDIALOG (WM_SETFONT, size) find no object yet.
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    return FALSE;
  }
  return self->Route(msg, wp, lp);
}

INT_PTR ModalDialog::Route(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (id == IDOK || id == IDCANCEL) {
        if (id == IDOK ? OnOk() : OnCancel()) End(id);
        return TRUE;
      }
      return OnCommand(id, HIWORD(wp)) ? TRUE : FALSE;
    }
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED && !anchored_.empty()) Resize(LOWORD(lp), HIWORD(lp));
      return OnMessage(msg, wp, lp);
    case WM_GETMINMAXINFO:
      if (!anchored_.empty()) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {opened_window_.cx, opened_window_.cy};
        return TRUE;
      }
      return OnMessage(msg, wp, lp);
    default:
      return OnMessage(msg, wp, lp);
  }
}

void ModalDialog::Resize(int width, int height) {
  const int dx = width - opened_client_.cx, dy = height - opened_client_.cy;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(anchored_.size()));
  for (const Anchored& a : anchored_) {
    RECT r = a.rect;
    if (a.edges & kAnchorLeft) r.left += dx;
    if (a.edges & kAnchorRight) r.right += dx;
    if (a.edges & kAnchorTop) r.top += dy;
    if (a.edges & kAnchorBottom) r.bottom += dy;
    if (moves) {
      moves = DeferWindowPos(moves, a.control, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (moves) EndDeferWindowPos(moves);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace qd
