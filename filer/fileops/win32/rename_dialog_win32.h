// The rename dialog: shows the request, hands the answer back.
#pragma once

#include <windows.h>

#include "filer/ports/prompt_port.h"

namespace qd {

RenameAnswer ShowRenameDialog(HWND owner, const RenameRequest& request);

}  // namespace qd
