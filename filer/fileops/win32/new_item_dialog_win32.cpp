#include "filer/fileops/win32/new_item_dialog_win32.h"

#include "common/win32/control_text_win32.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

struct NewItemDialogState {
  const NewItemRequest* request;
  NewItemAnswer answer;
};

INT_PTR CALLBACK NewItemProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<NewItemDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lp);
      const NewItemRequest& r = *reinterpret_cast<NewItemDialogState*>(lp)->request;
      SetWindowTextA(dialog, r.kind == ItemKind::Folder ? "新規フォルダ" : "新規ファイル");
      SetDlgItemTextA(dialog, IDC_NEW_ITEM_NAME, r.name.c_str());
      return TRUE;  // the name field, the only one, takes the focus
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (!state || (id != IDOK && id != IDCANCEL && id != IDC_NEW_ITEM_MORE)) return FALSE;
      if (id != IDCANCEL) {
        state->answer.ok = true;
        state->answer.name = DialogItemText(dialog, IDC_NEW_ITEM_NAME);
        state->answer.more = id == IDC_NEW_ITEM_MORE;
      }
      EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

NewItemAnswer ShowNewItemDialog(HWND owner, const NewItemRequest& request) {
  NewItemDialogState state{&request, {}};  // More cleared at every opening
  if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NEW_ITEM), owner,
                      NewItemProc, reinterpret_cast<LPARAM>(&state)) <= 0) {
    return {};
  }
  return state.answer;
}

}  // namespace qd
