#include "settings/key_codes.h"

#include <iterator>

namespace qd {

namespace {

constexpr KeyName kKeyNames[] = {
    {"A", 65},        {"B", 66},      {"C", 67},        {"D", 68},      {"E", 69},
    {"F", 70},        {"G", 71},      {"H", 72},        {"I", 73},      {"J", 74},
    {"K", 75},        {"L", 76},      {"M", 77},        {"N", 78},      {"O", 79},
    {"P", 80},        {"Q", 81},      {"R", 82},        {"S", 83},      {"T", 84},
    {"U", 85},        {"V", 86},      {"W", 87},        {"X", 88},      {"Y", 89},
    {"Z", 90},        {"0", 48},      {"1", 49},        {"2", 50},      {"3", 51},
    {"4", 52},        {"5", 53},      {"6", 54},        {"7", 55},      {"8", 56},
    {"9", 57},        {"F1", 112},    {"F2", 113},      {"F3", 114},    {"F4", 115},
    {"F5", 116},      {"F6", 117},    {"F7", 118},      {"F8", 119},    {"F9", 120},
    {"F10", 121},     {"F11", 122},   {"F12", 123},     {"↑", 38},      {"↓", 40},
    {"←", 37},        {"→", 39},      {"Enter", 13},    {"Esc", 27},    {"Space", 32},
    {"BackSpace", 8}, {"Tab", 9},     {"Insert", 45},   {"Delete", 46}, {"Home", 36},
    {"End", 35},      {"PageUp", 33}, {"PageDown", 34}, {"Apps", 93},   {"NUM0", 96},
    {"NUM1", 97},     {"NUM2", 98},   {"NUM3", 99},     {"NUM4", 100},  {"NUM5", 101},
    {"NUM6", 102},    {"NUM7", 103},  {"NUM8", 104},    {"NUM9", 105},
};

bool IsLetterOrDigit(int vk) { return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'); }

}  // namespace

DecodedKey DecodeKeyCode(int code) {
  DecodedKey k{code % 1000, false, false, false};
  if (code >= 7001) {
    k.shift = k.ctrl = k.alt = true;
  } else if (code >= 6001) {
    k.ctrl = k.alt = true;
  } else if (code >= 5001) {
    k.shift = k.alt = true;
  } else if (code >= 4001) {
    k.alt = true;
  } else if (code >= 3001) {
    k.shift = k.ctrl = true;
  } else if (code >= 2001) {
    k.ctrl = true;
  } else if (code >= 1001) {
    k.shift = true;
  }
  return k;
}

std::string KeyOptionName(int key_code, int option) {
  return std::to_string(key_code) + "-" + std::to_string(option);
}

const KeyName* KeyNameTableBegin() { return std::begin(kKeyNames); }
const KeyName* KeyNameTableEnd() { return std::end(kKeyNames); }

int VirtualKeyOfName(std::string_view name) {
  for (const KeyName& k : kKeyNames) {
    if (k.name == name) return k.vk;
  }
  return 0;
}

std::string_view NameOfVirtualKey(int vk) {
  for (const KeyName& k : kKeyNames) {
    if (k.vk == vk) return k.name;
  }
  return {};
}

const CommandTable& CommandTableOf(KeySet set) {
  return set == KeySet::Filer ? FilerCommandTable() : ViewerCommandTable();
}

BindingProblem CheckBinding(KeySet set, const KeyBinding& b, bool bound) {
  const DecodedKey key = DecodeKeyCode(b.key_code);
  if (NameOfVirtualKey(key.vk).empty()) return BindingProblem::UnknownKey;
  if (set == KeySet::Filer && IsLetterOrDigit(key.vk) && !key.shift && !key.ctrl && !key.alt) {
    return BindingProblem::NeedsModifier;
  }
  const CommandRow* row = CommandTableOf(set).Find(b.command);
  if (!row) return BindingProblem::UnknownCommand;
  if (row->option_kind != 0 && b.option.empty()) return BindingProblem::MissingOption;
  if (bound) return BindingProblem::AlreadyBound;
  return BindingProblem::None;
}

}  // namespace qd
