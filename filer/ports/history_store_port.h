// The hidden list box that stores the folder history's entries.
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
