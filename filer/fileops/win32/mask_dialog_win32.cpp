#include "filer/fileops/win32/mask_dialog_win32.h"

#include "common/win32/control_text_win32.h"
#include "common/win32/modal_dialog_win32.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

class MaskDialog : public ModalDialog {
 public:
  explicit MaskDialog(const MaskRequest& request) : request_(request) {}
  MaskAnswer answer;

 protected:
  bool OnInit() override {
    SetWindowTextA(hwnd(), request_.title.c_str());
    HWND combo = GetDlgItem(hwnd(), IDC_MASK_TEXT);
    for (const std::string& entry : request_.history) {
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    // The extended interface opens the list with the down-arrow key.
    SendMessageA(combo, CB_SETEXTENDEDUI, TRUE, 0);
    SetWindowTextA(combo, request_.text.c_str());
    HWND check = GetDlgItem(hwnd(), IDC_MASK_OPTION);
    if (request_.check_text.empty()) {
      SetWindowTextA(check, "");  // the kind has no option
      EnableWindow(check, FALSE);
    } else {
      SetWindowTextA(check, request_.check_text.c_str());
      SendMessageA(check, BM_SETCHECK, request_.check ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return true;  // the combo box, first in the tab order, takes the focus
  }
  bool OnOk() override {
    answer.ok = true;
    answer.text = DialogItemText(hwnd(), IDC_MASK_TEXT);
    answer.check = IsDlgButtonChecked(hwnd(), IDC_MASK_OPTION) == BST_CHECKED;
    return true;
  }

 private:
  const MaskRequest& request_;
};

}  // namespace

MaskAnswer ShowMaskDialog(HWND owner, const MaskRequest& request) {
  MaskDialog dialog(request);
  if (dialog.Run(owner, IDD_MASK) == 0) return {};
  return dialog.answer;
}

}  // namespace qd
