#include "filer/model/row_texts.h"

#include <cstdio>

#include "common/cp932.h"

namespace qd {

std::size_t ExtensionStart(std::string_view name) {
  const std::size_t dot = cp932::FindLastChar(name, '.');
  if (dot == std::string_view::npos || dot == 0) return name.size();
  return dot;
}

bool ToCivilTime(uint64_t t, CivilTime* out) {
  // FileTimeToSystemTime refuses values with the top bit set.
  if (t >= 0x8000000000000000ull) return false;
  const uint64_t seconds = t / 10000000ull;
  const int64_t days = static_cast<int64_t>(seconds / 86400);
  const int64_t rest = static_cast<int64_t>(seconds % 86400);
  // Days since 1601-01-01 to a civil date, counting eras of 400 years from
  // 0000-03-01 (the 400-year cycle starting in March keeps leap days last).
  const int64_t z = days + 584694;  // 1601-01-01 is day 584694 after 0000-03-01
  const int64_t era = z / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  out->year = static_cast<int>(y);
  out->month = static_cast<int>(m);
  out->day = static_cast<int>(d);
  out->hour = static_cast<int>(rest / 3600);
  out->minute = static_cast<int>(rest / 60 % 60);
  out->second = static_cast<int>(rest % 60);
  return true;
}

std::string DateText(uint64_t local_file_time) {
  CivilTime c;
  // Years past 9999 would widen the column; they show as no date.
  if (!ToCivilTime(local_file_time, &c) || c.year > 9999) return std::string(kNoDateText);
  char text[32];
  std::snprintf(text, sizeof text, " %.4d/%.2d/%.2d %.2d:%.2d:%.2d", c.year, c.month, c.day, c.hour,
                c.minute, c.second);
  return text;
}

std::string AttributeText(uint32_t a) {
  std::string t = "-----";
  for (std::size_t i = 0; i < kAttributeLetters.size(); ++i) {
    if (a & kAttributeLetters[i].bit) t[i] = kAttributeLetters[i].letter;
  }
  return t;
}

}  // namespace qd
