// What each command identifier runs. The controller and each subsystem add
// the rows of the commands they own; the window's commands, keys and menu
// items all arrive at Run.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace qd {

class CommandHandlers {
 public:
  using Handler = std::function<void()>;

  // One row per identifier: a second row for the same one replaces the first.
  void Add(int id, Handler run) {
    for (auto& row : rows_) {
      if (row.first == id) {
        row.second = std::move(run);
        return;
      }
    }
    rows_.emplace_back(id, std::move(run));
  }
  bool Has(int id) const {
    for (const auto& row : rows_) {
      if (row.first == id) return true;
    }
    return false;
  }
  // False when no row has the identifier.
  bool Run(int id) const {
    for (const auto& row : rows_) {
      if (row.first == id) {
        row.second();
        return true;
      }
    }
    return false;
  }

 private:
  std::vector<std::pair<int, Handler>> rows_;
};

}  // namespace qd
