// A modal dialog from a template: the dialog procedure finds the object and
// routes the messages to its virtual handlers; controls can follow the
// dialog's right and bottom edges as it is resized.
#pragma once

#include <windows.h>

#include <vector>

namespace qd {

// Which edges of a control follow the dialog's right or bottom edge when
// the dialog is resized; the others keep their place.
enum AnchorEdges : unsigned {
  kAnchorLeft = 1,    // the left edge follows the right edge of the dialog
  kAnchorTop = 2,     // the top edge follows the bottom edge
  kAnchorRight = 4,   // the right edge follows the right edge
  kAnchorBottom = 8,  // the bottom edge follows the bottom edge
  // Moves with the bottom right corner (a button at a fixed offset).
  kAnchorCorner = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom,
};

class ModalDialog {
 public:
  ModalDialog() = default;
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Runs the dialog from the program's template `id` until it ends; returns
  // the identifier it ended with, or 0 when it could not be shown.
  int Run(HWND owner, int template_id);
  // The same from a template in memory.
  int RunIndirect(HWND owner, const DLGTEMPLATE* dialog_template);

  HWND hwnd() const { return hwnd_; }

 protected:
  // The controls are there; true lets the dialog give the focus to the
  // first control in the tab order.
  virtual bool OnInit() { return true; }
  // A command other than OK and Cancel; true when handled.
  virtual bool OnCommand(int /*id*/, int /*notification*/) { return false; }
  // OK and Cancel (Esc, the close box): true ends the dialog with that
  // identifier, false keeps it open.
  virtual bool OnOk() { return true; }
  virtual bool OnCancel() { return true; }
  // Any other message; what the dialog procedure answers (FALSE: not handled).
  virtual INT_PTR OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/) { return FALSE; }

  // Ends the dialog; Run returns `id`.
  void End(int id);
  // From OnInit: the control keeps its distance to the edges named; the
  // dialog is not made smaller than it opened.
  void Anchor(int control_id, unsigned edges);

 private:
  struct Anchored {
    HWND control;
    unsigned edges;
    RECT rect;  // in the client area as the dialog opened
  };

  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR Route(UINT msg, WPARAM wp, LPARAM lp);
  void Resize(int width, int height);

  HWND hwnd_ = nullptr;
  std::vector<Anchored> anchored_;
  SIZE opened_client_{}, opened_window_{};
};

}  // namespace qd
