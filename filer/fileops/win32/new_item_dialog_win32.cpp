#include "filer/fileops/win32/new_item_dialog_win32.h"

#include "common/win32/control_text_win32.h"
#include "common/win32/modal_dialog_win32.h"
#include "resources/command_ids.h"

namespace qd {

namespace {

class NewItemDialog : public ModalDialog {
 public:
  explicit NewItemDialog(const NewItemRequest& request) : request_(request) {}
  // More is cleared at every opening.
  NewItemAnswer answer;

 protected:
  bool OnInit() override {
    SetWindowTextA(hwnd(), request_.kind == ItemKind::Folder ? "新規フォルダ" : "新規ファイル");
    SetDlgItemTextA(hwnd(), IDC_NEW_ITEM_NAME, request_.name.c_str());
    return true;  // the name field, the only one, takes the focus
  }
  bool OnOk() override {
    Take(false);
    return true;
  }
  bool OnCommand(int id, int) override {
    if (id != IDC_NEW_ITEM_MORE) return false;
    Take(true);
    End(id);
    return true;
  }

 private:
  void Take(bool more) {
    answer.ok = true;
    answer.name = DialogItemText(hwnd(), IDC_NEW_ITEM_NAME);
    answer.more = more;
  }

  const NewItemRequest& request_;
};

}  // namespace

NewItemAnswer ShowNewItemDialog(HWND owner, const NewItemRequest& request) {
  NewItemDialog dialog(request);
  if (dialog.Run(owner, IDD_NEW_ITEM) == 0) return {};
  return dialog.answer;
}

}  // namespace qd
