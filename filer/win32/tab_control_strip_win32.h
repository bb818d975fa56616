// The tab strip port on a tab control.
#pragma once

#include <windows.h>

#include "filer/ports/tab_strip_port.h"

namespace qd {

class TabControlStrip : public TabStripPort {
 public:
  void Attach(HWND tabs) { tabs_ = tabs; }
  HWND hwnd() const { return tabs_; }
  void InsertTab(int index, std::string_view text) override;
  void SetTabText(int index, std::string_view text) override;
  void DeleteTab(int index) override;
  int TabCount() const override;
  int SelectedTab() const override;
  void SelectTab(int index) override;
  void Repaint() override;

 private:
  HWND tabs_ = nullptr;
};

}  // namespace qd
