// The two sets of key bindings, the filer's and the viewer's: the sections
// each keeps in Qd.ini, and which command a key code runs in a set.
#pragma once

#include <string>
#include <string_view>

#include "settings/key_codes.h"
#include "settings/settings_file.h"

namespace qd {

struct KeySetSections {
  std::string_view keys;         // key code in decimal -> command value
  std::string_view options;      // "%d-%d" -> option, option 2, close flag
  std::string_view index;        // "KeySet%d" -> key code: QdKey's list of the set
  std::string_view old_options;  // no longer used; removed at each save of the set
};

const KeySetSections& SectionsOf(KeySet set);

// The options of a binding under "%d-%d".
enum class KeyOptionSlot { Option = 0, Option2 = 1, Close = 2 };

// The command (a viewer function in the viewer's set) that the key code
// runs; 0 when the key is not bound. Read from the file at every call, so
// bindings QdKey writes apply at the next key press.
int BoundCommand(SettingsFile& settings, KeySet set, int key_code);

// One option of the key code's binding; empty when there is none.
std::string BoundOption(SettingsFile& settings, KeySet set, int key_code, KeyOptionSlot slot);

}  // namespace qd
