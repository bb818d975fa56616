// Where the folder history keeps its entries: the main window's hidden list
// box, or a fake in tests. Declared with the history that uses it, since
// the model reaches no port; filer/ports/history_store_port.h names it
// among the ports.
#pragma once

#include <string>
#include <string_view>

namespace qd {

class HistoryStorePort {
 public:
  virtual ~HistoryStorePort() = default;
  virtual void Add(std::string_view text) = 0;
  virtual void Insert(int index, std::string_view text) = 0;
  virtual void Delete(int index) = 0;
  virtual std::string Text(int index) const = 0;
  virtual int Count() const = 0;
  virtual void Clear() = 0;
};

}  // namespace qd
