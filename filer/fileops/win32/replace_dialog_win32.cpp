#include "filer/fileops/win32/replace_dialog_win32.h"

#include <string>

#include "common/win32/control_text_win32.h"
#include "filer/fileops/replace_names.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

struct ReplaceDialogState {
  const ReplaceOptions* request;
  ReplaceAnswer answer;
};

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Check(HWND dialog, int id, bool on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

INT_PTR CALLBACK ReplaceProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<ReplaceDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lp);
      const ReplaceOptions& r = *reinterpret_cast<ReplaceDialogState*>(lp)->request;
      SetDlgItemTextA(dialog, IDC_REPLACE_BEFORE, r.before.c_str());
      SetDlgItemTextA(dialog, IDC_REPLACE_AFTER, r.after.c_str());
      Check(dialog, IDC_REPLACE_CASE_SENSITIVE, r.case_sensitive);
      Check(dialog, IDC_REPLACE_NAME, r.name_part);
      Check(dialog, IDC_REPLACE_EXT, r.ext_part);
      return TRUE;  // the before field, first in the tab order, takes the focus
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (!state ||
          (id != IDOK && id != IDCANCEL && id != IDC_REPLACE_UPPER && id != IDC_REPLACE_LOWER)) {
        return FALSE;  // the check boxes keep their own state until a button reads them
      }
      if (id != IDCANCEL) {
        ReplaceOptions o;
        o.before = DialogItemText(dialog, IDC_REPLACE_BEFORE);
        o.after = DialogItemText(dialog, IDC_REPLACE_AFTER);
        o.case_sensitive = Checked(dialog, IDC_REPLACE_CASE_SENSITIVE);
        o.name_part = Checked(dialog, IDC_REPLACE_NAME);
        o.ext_part = Checked(dialog, IDC_REPLACE_EXT);
        o.case_change = id == IDC_REPLACE_UPPER   ? CaseChange::Upper
                        : id == IDC_REPLACE_LOWER ? CaseChange::Lower
                                                  : CaseChange::None;
        const std::string_view refusal = CaseChangeRefusal(o);
        if (!refusal.empty()) {
          MessageBoxA(dialog, std::string(refusal).c_str(), "Qd", MB_OK);
          return TRUE;
        }
        state->answer = {true, std::move(o)};
      }
      EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

ReplaceAnswer ShowReplaceDialog(HWND owner, const ReplaceOptions& request) {
  ReplaceDialogState state{&request, {}};  // the case change starts from none at every opening
  if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_REPLACE), owner, ReplaceProc,
                      reinterpret_cast<LPARAM>(&state)) <= 0) {
    return {};
  }
  return state.answer;
}

}  // namespace qd
