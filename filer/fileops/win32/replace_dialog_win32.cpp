#include "filer/fileops/win32/replace_dialog_win32.h"

#include <string>

#include "common/win32/control_text_win32.h"
#include "common/win32/message_box_win32.h"
#include "common/win32/modal_dialog_win32.h"
#include "filer/fileops/replace_names.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

class ReplaceDialog : public ModalDialog {
 public:
  explicit ReplaceDialog(const ReplaceOptions& request) : request_(request) {}
  // The case change starts from none at every opening.
  ReplaceAnswer answer;

 protected:
  bool OnInit() override {
    SetDlgItemTextA(hwnd(), IDC_REPLACE_BEFORE, request_.before.c_str());
    SetDlgItemTextA(hwnd(), IDC_REPLACE_AFTER, request_.after.c_str());
    Check(IDC_REPLACE_CASE_SENSITIVE, request_.case_sensitive);
    Check(IDC_REPLACE_NAME, request_.name_part);
    Check(IDC_REPLACE_EXT, request_.ext_part);
    return true;  // the before field, first in the tab order, takes the focus
  }
  bool OnOk() override { return Take(CaseChange::None); }
  // The check boxes keep their own state until a button reads them.
  bool OnCommand(int id, int) override {
    if (id != IDC_REPLACE_UPPER && id != IDC_REPLACE_LOWER) return false;
    if (Take(id == IDC_REPLACE_UPPER ? CaseChange::Upper : CaseChange::Lower)) End(id);
    return true;
  }

 private:
  bool Checked(int id) const { return IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }
  void Check(int id, bool on) { CheckDlgButton(hwnd(), id, on ? BST_CHECKED : BST_UNCHECKED); }

  // False, with the reason shown, for a case button without a part: the
  // dialog stays open.
  bool Take(CaseChange change) {
    ReplaceOptions o;
    o.before = DialogItemText(hwnd(), IDC_REPLACE_BEFORE);
    o.after = DialogItemText(hwnd(), IDC_REPLACE_AFTER);
    o.case_sensitive = Checked(IDC_REPLACE_CASE_SENSITIVE);
    o.name_part = Checked(IDC_REPLACE_NAME);
    o.ext_part = Checked(IDC_REPLACE_EXT);
    o.case_change = change;
    const std::string_view refusal = CaseChangeRefusal(o);
    if (!refusal.empty()) {
      ShowErrorBox(hwnd(), refusal);
      return false;
    }
    answer = {true, std::move(o)};
    return true;
  }

  const ReplaceOptions& request_;
};

}  // namespace

ReplaceAnswer ShowReplaceDialog(HWND owner, const ReplaceOptions& request) {
  ReplaceDialog dialog(request);
  if (dialog.Run(owner, IDD_REPLACE) == 0) return {};
  return dialog.answer;
}

}  // namespace qd
