// The folder history's entries in the main window's hidden list box.
#pragma once

#include <windows.h>

#include "filer/ports/history_store_port.h"

namespace qd {

class ListBoxHistoryStore : public HistoryStorePort {
 public:
  void Attach(HWND box) { box_ = box; }
  void Add(std::string_view text) override;
  void Insert(int index, std::string_view text) override;
  void Delete(int index) override;
  std::string Text(int index) const override;
  int Count() const override;
  void Clear() override;

 private:
  HWND box_ = nullptr;
};

}  // namespace qd
