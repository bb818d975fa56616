// The menu bar made from the command table: one pop-up per group, one item
// per command, carrying the identifier that a bound key runs as well.
#pragma once

#include <windows.h>

#include "settings/command_table.h"

namespace qd {

// A new menu bar; the caller attaches it to a window or destroys it.
HMENU BuildMenuBar(const CommandTable& table);

}  // namespace qd
