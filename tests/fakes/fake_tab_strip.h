// The tab strip's texts and selection.
#pragma once

#include <string>
#include <vector>

#include "filer/ports/tab_strip_port.h"

namespace qd::test {

class FakeTabStrip : public TabStripPort {
 public:
  void InsertTab(int index, std::string_view text) override {
    texts.insert(texts.begin() + index, std::string(text));
    if (selected >= index) ++selected;
  }
  void SetTabText(int index, std::string_view text) override { texts.at(index) = text; }
  void DeleteTab(int index) override {
    texts.erase(texts.begin() + index);
    if (selected == index)
      selected = -1;
    else if (selected > index)
      --selected;
  }
  int TabCount() const override { return static_cast<int>(texts.size()); }
  int SelectedTab() const override { return selected; }
  void SelectTab(int index) override { selected = index; }
  void Repaint() override {}
  std::vector<std::string> texts;
  int selected = -1;
};

}  // namespace qd::test
