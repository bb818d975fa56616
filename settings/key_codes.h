// Key codes: a virtual-key code with its modifiers as one integer, the
// decimal text of which names the entry in the key sections of Qd.ini.
#pragma once

#include <string>
#include <string_view>

#include "settings/command_table.h"

namespace qd {

constexpr int kShiftBand = 1000;
constexpr int kCtrlBand = 2000;
constexpr int kAltBand = 4000;

constexpr int MakeKeyCode(int vk, bool shift, bool ctrl, bool alt) {
  return vk + (shift ? kShiftBand : 0) + (ctrl ? kCtrlBand : 0) + (alt ? kAltBand : 0);
}

struct DecodedKey {
  int vk;
  bool shift, ctrl, alt;
  bool operator==(const DecodedKey&) const = default;
};

// The modifiers from the bands, tested from the top; the key is the code
// modulo 1000 (so 1000 is key 0 without modifiers, 1001 key 1 with Shift).
DecodedKey DecodeKeyCode(int code);

// The entry names of one key's options: "%d-%d" with the code and 0, 1, 2.
std::string KeyOptionName(int key_code, int option);

struct KeyName {
  std::string_view name;  // CP932; the arrows are double-byte characters
  int vk;
};

// The keys that can be bound, in the order QdKey offers them.
const KeyName* KeyNameTableBegin();
const KeyName* KeyNameTableEnd();

// First match of a linear scan: 0 for an unknown name, "" for an unknown code.
int VirtualKeyOfName(std::string_view name);
std::string_view NameOfVirtualKey(int vk);

enum class KeySet { Filer, Viewer };

enum class BindingProblem {
  None,
  UnknownKey,      // not in KeyNameTable
  NeedsModifier,   // a letter or digit alone in the filer's set
  UnknownCommand,  // not a command of the set's table
  MissingOption,   // option kind 1 or 2 without an option
  AlreadyBound,    // the same key and modifiers twice in one set
};

struct KeyBinding {
  int key_code = 0;
  int command = 0;
  std::string option;
  std::string option2;
  bool close = false;
};

// Checks one binding as QdKey does before it stores it; `bound` says whether
// another binding of the set already uses the key code.
BindingProblem CheckBinding(KeySet set, const KeyBinding& binding, bool bound);

// The command table of a set.
const CommandTable& CommandTableOf(KeySet set);

}  // namespace qd
