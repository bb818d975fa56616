// The macro language of launched programs' parameter lines: %p %f %d %s %n
// %e and %%, expanded against one path. The filer's launch commands and the
// viewer's launch function share it.
#pragma once

#include <string>
#include <string_view>

#include "filer/ports/file_system_port.h"

namespace qd {

// A path split as _splitpath splits it, but by characters: a trail byte
// 5C is no separator. The drive is a letter and a colon, or empty; the
// folder keeps its leading and trailing "\"; the extension starts with its
// dot; the name is what is left.
struct PathParts {
  std::string drive, folder, name, ext;
};
PathParts SplitPath(std::string_view path);

// A path for a command line in its 8.3 form; where it has none (a vanished
// file, a volume without short names) the path itself, in quotes when it
// holds a blank: never an empty argument.
std::string ShortPathArgument(FileSystemPort& fs, const std::string& path);

// The template with each macro replaced by a part of `path`; any other
// character after a "%" is dropped with it (a double-byte one whole), a
// last "%" alone too. Scanning goes on after each replacement, so a "%" in
// the path stays as it is. No quotes are added.
std::string ExpandMacros(std::string_view text, const std::string& path, FileSystemPort& fs);

}  // namespace qd
