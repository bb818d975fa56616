// The modal dialog base on a real dialog built in memory: what reaches the
// handlers, what ends the dialog, and controls that follow the edges.
#include "common/win32/modal_dialog_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace qd {
namespace {

constexpr int kEdit = 100, kApply = 101, kList = 102;
constexpr UINT kRunScript = WM_APP + 1;

// A dialog template in memory: DWORD-aligned items after the header, each
// with its class as an atom and its title in UTF-16.
class TemplateBuilder {
 public:
  TemplateBuilder(DWORD style, short cx, short cy) {
    DLGTEMPLATE t{};
    t.style = style;
    t.cx = cx;
    t.cy = cy;
    Append(&t, sizeof t);
    Words({0, 0, 0});  // no menu, the standard class, no title
  }
  void Item(int id, WORD atom, DWORD style, short x, short y, short cx, short cy) {
    Align();
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = static_cast<WORD>(id);
    Append(&item, sizeof item);
    Words({0xFFFF, atom, 0, 0});  // class atom, no title, no creation data
    ++reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit;
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Append(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  void Words(std::initializer_list<WORD> words) {
    for (WORD w : words) Append(&w, sizeof w);
  }
  void Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  std::vector<unsigned char> bytes_;
};

constexpr WORD kButtonAtom = 0x0080, kEditAtom = 0x0081, kListBoxAtom = 0x0083;

const DLGTEMPLATE* TestTemplate() {
  static TemplateBuilder* t = [] {
    auto* b = new TemplateBuilder(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 160, 100);
    b->Item(kEdit, kEditAtom, WS_BORDER | ES_AUTOHSCROLL, 5, 5, 150, 12);
    b->Item(kList, kListBoxAtom, WS_BORDER | LBS_NOINTEGRALHEIGHT, 5, 20, 150, 50);
    b->Item(kApply, kButtonAtom, BS_PUSHBUTTON, 5, 80, 40, 14);
    b->Item(IDOK, kButtonAtom, BS_DEFPUSHBUTTON, 70, 80, 40, 14);
    b->Item(IDCANCEL, kButtonAtom, BS_PUSHBUTTON, 115, 80, 40, 14);
    return b;
  }();
  return t->get();
}

// Records what reaches it; once open, runs the test's script inside the
// dialog's own loop.
class ScriptedDialog : public ModalDialog {
 public:
  std::function<void(ScriptedDialog&)> script;
  std::vector<std::string> seen;
  bool ok_closes = true, cancel_closes = true, anchored = false;
  int end_with = 0;  // a command that ends the dialog with its own identifier

  using ModalDialog::hwnd;
  void Send(int id) { SendMessageA(hwnd(), WM_COMMAND, id, 0); }

 protected:
  bool OnInit() override {
    seen.push_back(GetDlgItem(hwnd(), kEdit) ? "init" : "init without controls");
    if (anchored) {
      Anchor(kEdit, kAnchorRight);
      Anchor(kList, kAnchorRight | kAnchorBottom);
      Anchor(kApply, kAnchorTop | kAnchorBottom);
      Anchor(IDOK, kAnchorCorner);
      Anchor(IDCANCEL, kAnchorCorner);
    }
    PostMessageA(hwnd(), kRunScript, 0, 0);
    return true;
  }
  bool OnCommand(int id, int notification) override {
    if (id != kApply) return false;
    seen.push_back("command " + std::to_string(id) + "/" + std::to_string(notification));
    if (end_with == id) End(id);
    return true;
  }
  bool OnOk() override {
    seen.push_back("ok");
    return ok_closes;
  }
  bool OnCancel() override {
    seen.push_back("cancel");
    return cancel_closes;
  }
  INT_PTR OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg != kRunScript) return FALSE;
    if (script) script(*this);
    return TRUE;
  }
};

TEST(ModalDialog, RoutesCommandsAndEndsWithWhatTheHandlersAnswer) {
  struct Case {
    const char* what;
    std::vector<int> commands;
    bool ok_closes, cancel_closes;
    int end_with, result;
    std::vector<std::string> seen;
  };
  const Case cases[] = {
      {"OK ends it", {kApply, IDOK}, true, true, 0, IDOK, {"init", "command 101/0", "ok"}},
      {"OK refused keeps it open, Cancel ends it",
       {IDOK, kApply, IDCANCEL}, false, true, 0, IDCANCEL,
       {"init", "ok", "command 101/0", "cancel"}},
      {"a command ends it with its own identifier",
       {IDCANCEL, kApply}, true, false, kApply, kApply, {"init", "cancel", "command 101/0"}},
  };
  for (const Case& c : cases) {
    ScriptedDialog d;
    d.ok_closes = c.ok_closes;
    d.cancel_closes = c.cancel_closes;
    d.end_with = c.end_with;
    d.script = [&](ScriptedDialog& self) {
      for (int id : c.commands) self.Send(id);
    };
    EXPECT_EQ(d.RunIndirect(nullptr, TestTemplate()), c.result) << c.what;
    EXPECT_EQ(d.seen, c.seen) << c.what;
    EXPECT_EQ(d.hwnd(), nullptr) << c.what;  // forgotten once destroyed
  }
}

TEST(ModalDialog, AMissingTemplateIsAFailureAndNoDialog) {
  ScriptedDialog d;
  EXPECT_EQ(d.Run(nullptr, 9999), 0);
  EXPECT_TRUE(d.seen.empty());
}

RECT ControlRect(HWND dialog, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(ModalDialog, AnchoredControlsFollowTheEdgesTheyAreTiedTo) {
  ScriptedDialog d;
  d.anchored = true;
  d.script = [](ScriptedDialog& self) {
    HWND w = self.hwnd();
    const int ids[] = {kEdit, kList, kApply, IDOK, IDCANCEL};
    std::vector<RECT> before;
    for (int id : ids) before.push_back(ControlRect(w, id));
    RECT window, client;
    GetWindowRect(w, &window);
    GetClientRect(w, &client);
    const int width = window.right - window.left, height = window.bottom - window.top;
    for (SIZE grow : {SIZE{90, 40}, SIZE{0, 0}, SIZE{15, 120}}) {
      SetWindowPos(w, nullptr, 0, 0, width + grow.cx, height + grow.cy, SWP_NOMOVE | SWP_NOZORDER);
      RECT now;
      GetClientRect(w, &now);
      const int dx = now.right - client.right, dy = now.bottom - client.bottom;
      ASSERT_EQ(dx, grow.cx);
      ASSERT_EQ(dy, grow.cy);
      const RECT want[] = {
          {before[0].left, before[0].top, before[0].right + dx, before[0].bottom},
          {before[1].left, before[1].top, before[1].right + dx, before[1].bottom + dy},
          {before[2].left, before[2].top + dy, before[2].right, before[2].bottom + dy},
          {before[3].left + dx, before[3].top + dy, before[3].right + dx, before[3].bottom + dy},
          {before[4].left + dx, before[4].top + dy, before[4].right + dx, before[4].bottom + dy},
      };
      for (int i = 0; i < 5; ++i) {
        const RECT r = ControlRect(w, ids[i]);
        EXPECT_TRUE(EqualRect(&r, &want[i]))
            << "control " << ids[i] << " grown by " << grow.cx << "x" << grow.cy << ": at "
            << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
      }
    }
    // Never smaller than it opened: the buttons would lie over the list.
    MINMAXINFO info{};
    SendMessageA(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, width);
    EXPECT_EQ(info.ptMinTrackSize.y, height);
    self.Send(IDOK);
  };
  EXPECT_EQ(d.RunIndirect(nullptr, TestTemplate()), IDOK);
}

}  // namespace
}  // namespace qd
