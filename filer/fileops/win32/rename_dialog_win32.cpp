#include "filer/fileops/win32/rename_dialog_win32.h"

#include "common/win32/control_text_win32.h"
#include "common/win32/modal_dialog_win32.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

class RenameDialog : public ModalDialog {
 public:
  explicit RenameDialog(const RenameRequest& request) : request_(request) {}
  // Both flags are cleared at every opening.
  RenameAnswer answer;

 protected:
  bool OnInit() override {
    SetDlgItemTextA(hwnd(), IDC_RENAME_BEFORE, request_.before.c_str());
    SetDlgItemTextA(hwnd(), IDC_RENAME_AFTER, request_.after.c_str());
    EnableWindow(GetDlgItem(hwnd(), IDC_RENAME_ALL), request_.allow_all);
    return true;  // the after field, first in the tab order, takes the focus
  }
  bool OnOk() override {
    Take(false, false);
    return true;
  }
  bool OnCommand(int id, int) override {
    if (id != IDC_RENAME_ALL && id != IDC_RENAME_NEXT) return false;
    Take(id == IDC_RENAME_ALL, id == IDC_RENAME_NEXT);
    End(id);
    return true;
  }

 private:
  void Take(bool all, bool next) {
    answer.ok = true;
    answer.after = DialogItemText(hwnd(), IDC_RENAME_AFTER);
    answer.all = all;
    answer.next = next;
  }

  const RenameRequest& request_;
};

}  // namespace

RenameAnswer ShowRenameDialog(HWND owner, const RenameRequest& request) {
  RenameDialog dialog(request);
  if (dialog.Run(owner, IDD_RENAME) == 0) return {};
  return dialog.answer;
}

}  // namespace qd
