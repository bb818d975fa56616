// A filer view for the file operations' loops tested alone: what they show
// goes to `on_message`; the rest answers as an empty listing would.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "filer/ports/filer_view.h"

namespace qd::test {

class FakeFilerView final : public FilerView {
 public:
  ViewMode view_mode() const override { return ViewMode::Normal; }
  ListKind list_kind() const override { return ListKind::None; }
  const Preferences& preferences() const override { return prefs; }
  std::string CurrentFolder() const override { return folder; }
  RowPath PathOfRow(int) const override { return {}; }
  int CursorRow() const override { return -1; }
  std::string SelectedNames() const override { return {}; }
  std::string SelectedNamesWithTotals() override { return {}; }
  std::string SelectedPaths() const override { return {}; }
  void PruneVanishedRows() override {}
  bool FindItem(std::string_view, bool) override { return true; }
  void MoveCursor(int, int) override {}
  void RestoreCursor(std::string_view, int) override {}
  void ShowMessage(std::string_view text, bool) override {
    if (on_message) on_message(text);
  }
  void SetSearchLineField(SearchField, std::string_view) override {}
  void FillList() override {}
  void Refresh() override {}
  const DisplayMask& display_mask() const override { return mask; }
  void SetDisplayMask(const DisplayMask& m) override { mask = m; }
  bool EnterListMode(ListKind) override { return false; }
  void SortList(int, SortMode) override {}
  bool RemoveFromPickList(bool) override { return false; }
  std::string KeyOption(KeyOptionSlot) override { return {}; }

  Preferences prefs;
  std::string folder;
  DisplayMask mask;
  std::function<void(std::string_view)> on_message;
};

}  // namespace qd::test
