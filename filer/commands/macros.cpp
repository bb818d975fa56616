#include "filer/commands/macros.h"

#include "common/cp932.h"

namespace qd {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  std::size_t at = 0;
  if (path.size() >= 2 && path[1] == ':' && !cp932::IsLeadByte(static_cast<unsigned char>(path[0]))) {
    parts.drive = std::string(path.substr(0, 2));
    at = 2;
  }
  // The folder ends after the last separator that starts a character.
  std::size_t name_start = at;
  for (std::size_t i = at; i < path.size(); i += cp932::CharLength(path, i)) {
    if (IsSeparator(path[i])) name_start = i + 1;
  }
  parts.folder = std::string(path.substr(at, name_start - at));
  const std::string_view file = path.substr(name_start);
  const std::size_t dot = cp932::FindLastChar(file, '.');
  if (dot == std::string_view::npos) {
    parts.name = std::string(file);
  } else {
    parts.name = std::string(file.substr(0, dot));
    parts.ext = std::string(file.substr(dot));
  }
  return parts;
}

std::string ShortPathArgument(FileSystemPort& fs, const std::string& path) {
  const std::string short_form = fs.ShortPath(path);
  // The file system hands the path itself back when it has no 8.3 form.
  if (!short_form.empty() && short_form != path) return short_form;
  if (path.find(' ') != std::string::npos) return "\"" + path + "\"";
  return path;
}

std::string ExpandMacros(std::string_view text, const std::string& path, FileSystemPort& fs) {
  const PathParts parts = SplitPath(path);
  std::string out;
  out.reserve(text.size() + path.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t n = cp932::CharLength(text, i);
    if (n != 1 || text[i] != '%') {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a last "%" alone is dropped
    const std::size_t m = cp932::CharLength(text, i + 1);
    const char macro = m == 1 ? text[i + 1] : '\0';  // a double-byte character is no macro
    i += 1 + m;
    switch (macro) {
      case 'p':
        out += path;
        break;
      case 'f':
        out += parts.name + parts.ext;
        break;
      case 'd': {
        std::string folder = parts.drive + parts.folder;
        if (cp932::EndsWithBackslash(folder)) folder.pop_back();
        out += folder;
        break;
      }
      case 's':
        out += ShortPathArgument(fs, path);
        break;
      case 'n':
        out += parts.name;
        break;
      case 'e':
        out += parts.ext;
        break;
      case '%':
        out += '%';
        break;
      default:
        break;  // "%" and the character after it are dropped
    }
  }
  return out;
}

}  // namespace qd
