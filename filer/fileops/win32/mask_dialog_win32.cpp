#include "filer/fileops/win32/mask_dialog_win32.h"

#include "common/win32/control_text_win32.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

struct MaskDialogState {
  const MaskRequest* request;
  MaskAnswer answer;
};

INT_PTR CALLBACK MaskProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<MaskDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lp);
      const MaskRequest& r = *reinterpret_cast<MaskDialogState*>(lp)->request;
      SetWindowTextA(dialog, r.title.c_str());
      HWND combo = GetDlgItem(dialog, IDC_MASK_TEXT);
      for (const std::string& entry : r.history) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
      }
      // The extended interface opens the list with the down-arrow key.
      SendMessageA(combo, CB_SETEXTENDEDUI, TRUE, 0);
      SetWindowTextA(combo, r.text.c_str());
      HWND check = GetDlgItem(dialog, IDC_MASK_OPTION);
      if (r.check_text.empty()) {
        SetWindowTextA(check, "");  // the kind has no option
        EnableWindow(check, FALSE);
      } else {
        SetWindowTextA(check, r.check_text.c_str());
        SendMessageA(check, BM_SETCHECK, r.check ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      return TRUE;  // the combo box, first in the tab order, takes the focus
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (!state || (id != IDOK && id != IDCANCEL)) return FALSE;
      if (id == IDOK) {
        state->answer.ok = true;
        state->answer.text = DialogItemText(dialog, IDC_MASK_TEXT);
        state->answer.check = IsDlgButtonChecked(dialog, IDC_MASK_OPTION) == BST_CHECKED;
      }
      EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

MaskAnswer ShowMaskDialog(HWND owner, const MaskRequest& request) {
  MaskDialogState state{&request, {}};
  if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MASK), owner, MaskProc,
                      reinterpret_cast<LPARAM>(&state)) <= 0) {
    return {};
  }
  return state.answer;
}

}  // namespace qd
