// The folder history's entries in a vector.
#pragma once

#include <string>
#include <vector>

#include "filer/ports/history_store_port.h"

namespace qd::test {

class FakeHistoryStore : public HistoryStorePort {
 public:
  void Add(std::string_view t) override { items.emplace_back(t); }
  void Insert(int index, std::string_view t) override {
    items.insert(items.begin() + index, std::string(t));
  }
  void Delete(int index) override { items.erase(items.begin() + index); }
  std::string Text(int index) const override { return items.at(index); }
  int Count() const override { return static_cast<int>(items.size()); }
  void Clear() override { items.clear(); }
  std::vector<std::string> items;
};

}  // namespace qd::test
