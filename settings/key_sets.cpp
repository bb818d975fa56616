#include "settings/key_sets.h"

namespace qd {

namespace {

constexpr KeySetSections kFiler{"Key", "KeyOption", "KeySet", "KeyOption2"};
constexpr KeySetSections kViewer{"KeyView", "KeyOptionView", "KeySetView", "KeyOption2View"};

}  // namespace

const KeySetSections& SectionsOf(KeySet set) { return set == KeySet::Filer ? kFiler : kViewer; }

int BoundCommand(SettingsFile& settings, KeySet set, int key_code) {
  return settings.ReadInt(SectionsOf(set).keys, std::to_string(key_code), 0);
}

std::string BoundOption(SettingsFile& settings, KeySet set, int key_code, KeyOptionSlot slot) {
  return settings.ReadString(SectionsOf(set).options,
                             KeyOptionName(key_code, static_cast<int>(slot)), "");
}

}  // namespace qd
