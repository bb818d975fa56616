// The new item dialog: shows the request, hands the answer back.
#pragma once

#include <windows.h>

#include "filer/ports/prompt_port.h"

namespace qd {

NewItemAnswer ShowNewItemDialog(HWND owner, const NewItemRequest& request);

}  // namespace qd
