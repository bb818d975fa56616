#include "settings/key_codes.h"

#include <gtest/gtest.h>

namespace qd {
namespace {

TEST(KeyCodes, ModifiersAddTheirBands) {
  EXPECT_EQ(MakeKeyCode(116, true, true, false), 3116);  // Ctrl+Shift+F5
  EXPECT_EQ(MakeKeyCode(112, true, true, true), 7112);
  EXPECT_EQ(MakeKeyCode('C', false, true, false), 2067);
  EXPECT_EQ(KeyOptionName(3116, 0), "3116-0");
  EXPECT_EQ(KeyOptionName(3116, 1), "3116-1");
}

TEST(KeyCodes, DecodeByBandsFromTheTop) {
  struct Case {
    int code;
    DecodedKey key;
  } cases[] = {
      {7123, {123, true, true, true}},  {7001, {1, true, true, true}},
      {7000, {0, false, true, true}},   {6001, {1, false, true, true}},
      {5065, {65, true, false, true}},  {4001, {1, false, false, true}},
      {3116, {116, true, true, false}}, {2067, {67, false, true, false}},
      {1001, {1, true, false, false}},  {1000, {0, false, false, false}},
      {8, {8, false, false, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeKeyCode(c.code), c.key) << c.code;
}

TEST(KeyNames, LookupsTakeTheFirstMatch) {
  EXPECT_EQ(VirtualKeyOfName("A"), 65);
  EXPECT_EQ(VirtualKeyOfName("F12"), 123);
  EXPECT_EQ(VirtualKeyOfName("↑"), 38);
  EXPECT_EQ(VirtualKeyOfName("→"), 39);
  EXPECT_EQ(VirtualKeyOfName("NUM9"), 105);
  EXPECT_EQ(VirtualKeyOfName("Apps"), 93);
  EXPECT_EQ(VirtualKeyOfName("F13"), 0);
  EXPECT_EQ(NameOfVirtualKey(40), "↓");
  EXPECT_EQ(NameOfVirtualKey(8), "BackSpace");
  EXPECT_EQ(NameOfVirtualKey(0), "");
  EXPECT_EQ(NameOfVirtualKey(124), "");
  // The arrows are double-byte CP932 characters.
  EXPECT_EQ(NameOfVirtualKey(38), "\x81\xaa");
  EXPECT_EQ(KeyNameTableEnd() - KeyNameTableBegin(), 26 + 10 + 12 + 4 + 5 + 6 + 1 + 10);
}

TEST(KeyBindings, ValidityRules) {
  struct Case {
    KeySet set;
    int key_code;
    int command;
    const char* option;
    bool bound;
    BindingProblem expected;
  } cases[] = {
      {KeySet::Filer, 'A', CmdCopy, "", false, BindingProblem::NeedsModifier},
      {KeySet::Filer, '5', CmdCopy, "", false, BindingProblem::NeedsModifier},
      {KeySet::Filer, 2065, CmdCopy, "", false, BindingProblem::None},
      {KeySet::Filer, 97, CmdCopy, "", false, BindingProblem::None},   // NUM1 alone
      {KeySet::Filer, 112, CmdCopy, "", false, BindingProblem::None},  // F1 alone
      {KeySet::Filer, 32, CmdCopy, "", false, BindingProblem::None},   // Space alone
      {KeySet::Viewer, 'A', 4, "", false, BindingProblem::None},
      {KeySet::Filer, 124, CmdCopy, "", false, BindingProblem::UnknownKey},
      {KeySet::Filer, 112, 32834, "", false, BindingProblem::UnknownCommand},
      {KeySet::Filer, 112, CmdPathNotify, "", false, BindingProblem::UnknownCommand},
      {KeySet::Filer, 112, -1, "", false, BindingProblem::UnknownCommand},
      {KeySet::Viewer, 112, CmdCopy, "", false, BindingProblem::UnknownCommand},
      {KeySet::Filer, 112, CmdGoTo, "", false, BindingProblem::MissingOption},
      {KeySet::Filer, 112, CmdGoTo, "C:\\表示", false, BindingProblem::None},
      {KeySet::Filer, 112, CmdLaunchProgram, "", false, BindingProblem::MissingOption},
      {KeySet::Viewer, 112, 12, "", false, BindingProblem::MissingOption},
      {KeySet::Filer, 2070, CmdCopy, "", true, BindingProblem::AlreadyBound},
  };
  for (const Case& c : cases) {
    KeyBinding b;
    b.key_code = c.key_code;
    b.command = c.command;
    b.option = c.option;
    EXPECT_EQ(CheckBinding(c.set, b, c.bound), c.expected) << c.key_code << " " << c.command;
  }
}

}  // namespace
}  // namespace qd
