// Hand-edited Qd.ini files and what one entry of each reads as. Shared by
// the portable store's tests and the profile API's tests under Wine, so that
// both give the same definite value.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace qd::test {

struct HandEditedCase {
  const char* what;
  std::string content;
  std::string key;        // in section "S"
  int32_t int_value;      // ReadInt with default 7
  std::string str_value;  // ReadString with default "def"
};

inline std::vector<HandEditedCase> HandEditedCases() {
  return {
      {"not a number", "[S]\r\nK=abc\r\n", "K", 7, "abc"},
      {"empty value", "[S]\r\nK=\r\n", "K", 7, ""},
      {"beyond 32 bits", "[S]\r\nK=12345678901\r\n", "K", 7, "12345678901"},
      {"blanks around", "[S]\r\n  K  =  5  \r\n", "K", 5, "5"},
      {"line without =", "[S]\r\nK\r\nJ=1\r\n", "K", 7, "def"},
      {"header without ]", "[S]\r\nJ=1\r\n[T\r\nK=2\r\n", "K", 2, "2"},
      {"header without ] hides nothing", "[T\r\nK=2\r\n", "K", 7, "def"},
      {"UTF-8 BOM", "\xEF\xBB\xBF[S]\r\nK=3\r\n", "K", 3, "3"},
      {"LF line ends", "[S]\nJ=1\nK=4\n", "K", 4, "4"},
      {"CR line ends", "[S]\rJ=1\rK=4\r", "K", 4, "4"},
      {"no final line end", "[S]\r\nK=8", "K", 8, "8"},
      {"quoted value", "[S]\r\nK=\"9\"\r\n", "K", 9, "9"},
      {"first of two entries", "[S]\r\nK=1\r\nK=2\r\n", "K", 1, "1"},
      {"first of two sections", "[S]\r\nK=1\r\n[S]\r\nK=2\r\n", "K", 1, "1"},
      {"text after ]", "[S] comment\r\nK=6\r\n", "K", 6, "6"},
      {"binary junk", std::string("[S]\r\n") + std::string("\0\x01\xff=", 4) + "\r\nK=5\r\n", "K",
       5, "5"},
  };
}

// Every case, then a 1 MiB file, through one store; `write` replaces the
// bytes of the store's file.
inline void ExpectHandEditedFilesRead(SettingsFile& store,
                                      const std::function<void(const std::string&)>& write) {
  for (const HandEditedCase& c : HandEditedCases()) {
    write(c.content);
    EXPECT_EQ(store.ReadInt("S", c.key, 7), c.int_value) << c.what;
    EXPECT_EQ(store.ReadString("S", c.key, "def"), c.str_value) << c.what;
  }
  std::string big = "[Conf-Main]\r\nTabMax=33\r\n[Junk]\r\n";
  while (big.size() < (1u << 20)) big += "k" + std::to_string(big.size()) + "=some value\r\n";
  big += "[Last]\r\nK=1\r\n";
  write(big);
  EXPECT_EQ(store.ReadInt("Conf-Main", "TabMax", 20), 33);
  EXPECT_EQ(store.ReadInt("Last", "K", 0), 1);
  store.WriteInt("Last", "K", 2);
  EXPECT_EQ(store.ReadInt("Last", "K", 0), 2);
  EXPECT_EQ(store.ReadInt("Conf-Main", "TabMax", 20), 33);
}

}  // namespace qd::test
