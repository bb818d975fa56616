#include "filer/fileops/win32/rename_dialog_win32.h"

#include "common/win32/control_text_win32.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

struct RenameDialogState {
  const RenameRequest* request;
  RenameAnswer answer;
};

INT_PTR CALLBACK RenameProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<RenameDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lp);
      const RenameRequest& r = *reinterpret_cast<RenameDialogState*>(lp)->request;
      SetDlgItemTextA(dialog, IDC_RENAME_BEFORE, r.before.c_str());
      SetDlgItemTextA(dialog, IDC_RENAME_AFTER, r.after.c_str());
      EnableWindow(GetDlgItem(dialog, IDC_RENAME_ALL), r.allow_all);
      return TRUE;  // the after field, first in the tab order, takes the focus
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (!state || (id != IDOK && id != IDCANCEL && id != IDC_RENAME_ALL && id != IDC_RENAME_NEXT)) {
        return FALSE;
      }
      if (id != IDCANCEL) {
        state->answer.ok = true;
        state->answer.after = DialogItemText(dialog, IDC_RENAME_AFTER);
        state->answer.all = id == IDC_RENAME_ALL;
        state->answer.next = id == IDC_RENAME_NEXT;
      }
      EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

RenameAnswer ShowRenameDialog(HWND owner, const RenameRequest& request) {
  RenameDialogState state{&request, {}};  // both flags cleared at every opening
  if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RENAME), owner, RenameProc,
                      reinterpret_cast<LPARAM>(&state)) <= 0) {
    return {};
  }
  return state.answer;
}

}  // namespace qd
