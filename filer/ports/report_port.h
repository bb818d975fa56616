// What every report-style list offers: the file list, the message area and
// the search line.
#pragma once

#include <string_view>

#include "settings/preferences.h"

namespace qd {

enum class Align { Left, Right, Centre };

// Whether a cell cut short by its column shows its whole text on hover.
enum class CellTips { None, ForCutTexts };

class ReportPort {
 public:
  virtual ~ReportPort() = default;
  virtual void InsertColumn(int index, std::string_view header, Align align, int width) = 0;
  virtual void DeleteColumn(int index) = 0;
  virtual int ColumnCount() const = 0;
  virtual int ColumnWidth(int index) const = 0;
  virtual void SetColumnWidth(int index, int width) = 0;
  virtual void SetColours(Colour back, Colour text_back, Colour text) = 0;
  virtual void SetFullRowSelect(CellTips tips) = 0;
  // Invalidate, erase and repaint at once.
  virtual void RepaintNow() = 0;
};

}  // namespace qd
