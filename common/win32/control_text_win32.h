// Texts handed to controls that offer a buffer of their own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qd {

// Copies a text into the buffer a control offers (a list view's cell, say),
// cut so that no double-byte character is split.
void CopyCellText(std::string_view text, char* buffer, int size);

// The whole text of a dialog's control, however long.
std::string DialogItemText(HWND dialog, int id);

}  // namespace qd
