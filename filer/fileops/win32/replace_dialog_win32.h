// The replace dialog: shows the request, refuses a case button without a
// part while it stays open, hands the answer back.
#pragma once

#include <windows.h>

#include "filer/ports/prompt_port.h"

namespace qd {

ReplaceAnswer ShowReplaceDialog(HWND owner, const ReplaceOptions& request);

}  // namespace qd
