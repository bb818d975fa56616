// The mask dialog: shows the request, hands the answer back.
#pragma once

#include <windows.h>

#include "filer/ports/prompt_port.h"

namespace qd {

MaskAnswer ShowMaskDialog(HWND owner, const MaskRequest& request);

}  // namespace qd
