// The tab strip: one tab per open folder.
#pragma once

#include <string_view>

namespace qd {

class TabStripPort {
 public:
  virtual ~TabStripPort() = default;
  virtual void InsertTab(int index, std::string_view text) = 0;
  virtual void SetTabText(int index, std::string_view text) = 0;
  virtual void DeleteTab(int index) = 0;
  virtual int TabCount() const = 0;
  virtual int SelectedTab() const = 0;  // -1 when none
  virtual void SelectTab(int index) = 0;
  virtual void Repaint() = 0;
};

}  // namespace qd
