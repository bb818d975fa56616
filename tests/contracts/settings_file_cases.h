// Hand-edited Qd.ini files and what one entry of each reads as, and whole
// sections written. The portable store runs them natively, the profile API
// under Wine, so that both give the same definite value.
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
  std::string key;
  int32_t int_value;          // ReadInt with default 7
  std::string str_value;      // ReadString with default "def"
  std::string section = "S";  // where the key is read
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
      // ゾ is 83 5D: its trail byte is no "]".
      {"section name with a ] trail byte", "[ゾーン]\r\nK=6\r\n", "K", 6, "6", "ゾーン"},
      {"a one-character name, sections around it", "[S]\r\nK=1\r\n[ゾ]\r\nK=2\r\n[T]\r\nK=3\r\n",
       "K", 2, "2", "ゾ"},
      {"its only ] a trail byte: no header", "[S]\r\nJ=1\r\n[ゾ\r\nK=4\r\n", "K", 4, "4"},
  };
}

// Every case, then a 1 MiB file, through one store; `write` replaces the
// bytes of the store's file.
inline void ExpectHandEditedFilesRead(SettingsFile& store,
                                      const std::function<void(const std::string&)>& write) {
  for (const HandEditedCase& c : HandEditedCases()) {
    write(c.content);
    EXPECT_EQ(store.ReadInt(c.section, c.key, 7), c.int_value) << c.what;
    EXPECT_EQ(store.ReadString(c.section, c.key, "def"), c.str_value) << c.what;
    // A whole-section read gives what the key reads give.
    const SettingsSection section = store.ReadSection(c.section);
    EXPECT_EQ(SectionInt(section, c.key, 7), c.int_value) << c.what;
    EXPECT_EQ(SectionValue(section, c.key, "def"), c.str_value) << c.what;
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

// Sections written whole, and texts that would break the file's lines,
// through one store; `write` and `read` replace and return the file's bytes.
inline void ExpectSectionsWrittenWhole(SettingsFile& store,
                                       const std::function<void(const std::string&)>& write,
                                       const std::function<std::string()>& read) {
  // A gap in the numbering left DIR3 behind: a whole write takes it away.
  write("[Tab]\r\nCurSel=1\r\nDIR0=C:\\a\r\nDIR1=C:\\b\r\nDIR3=C:\\c\r\n[Other]\r\nK=1\r\n");
  const SettingsSection tabs = {{"CurSel", "0"}, {"DIR0", "C:\\表示"}};
  EXPECT_TRUE(store.WriteSection("Tab", tabs));
  EXPECT_EQ(store.ReadSection("Tab"), tabs);
  EXPECT_EQ(store.ReadString("Tab", "DIR3", "none"), "none");
  EXPECT_EQ(store.ReadString("Tab", "DIR0", ""), "C:\\表示");
  EXPECT_EQ(store.ReadInt("Other", "K", 0), 1);
  EXPECT_TRUE(store.WriteSection("New", {{"path0", "C:\\x"}}));
  EXPECT_EQ(store.ReadString("New", "path0", ""), "C:\\x");

  // A CR or an LF in a name or a value would write lines of its own, a new
  // [Key] section among them: the write is refused and the file unchanged.
  const std::string before = read();
  const std::string injected = "C:\\a\r\n[Key]\r\n2067=32774";
  EXPECT_FALSE(store.WriteString("Etc", "CmdLine", injected));
  EXPECT_FALSE(store.WriteString("Etc", "Cmd\nLine", "x"));
  EXPECT_FALSE(store.WriteString("Etc\r", "CmdLine", "x"));
  EXPECT_FALSE(store.WriteSection("Tab", {{"DIR0", "C:\\a\n[Key]"}}));
  EXPECT_EQ(read(), before);
  EXPECT_TRUE(store.ReadSection("Key").empty());
  EXPECT_EQ(store.ReadSection("Tab"), tabs);
}

}  // namespace qd::test
