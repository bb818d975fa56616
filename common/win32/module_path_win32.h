// Where the running program lies.
#pragma once

#include <windows.h>

#include <string>

namespace qd {

// The full path of the running .exe; empty when it cannot be read.
std::string ModuleFilePath();
// The folder of the running .exe, without a trailing backslash (except for
// a drive's root); empty when it cannot be read.
std::string ModuleFolder();

}  // namespace qd
