#include "common/path.h"

#include <vector>

#include "common/cp932.h"

namespace qd::path {

std::string Normalise(std::string_view absolute) {
  // The root: "C:\" or "\\server\share\".
  std::size_t start = 0;
  std::string root;
  if (DriveNumber(absolute) != 0) {
    root = std::string(absolute.substr(0, 2)) + '\\';
    start = 2;
  } else if (absolute.substr(0, 2) == "\\\\") {
    // The server and the share make the root with the two leading
    // backslashes; further backslashes between them are a run like any
    // other. Without a share there is no root yet, so nothing is added.
    root = "\\\\";
    start = 2;
    for (int named = 0; named < 2; ++named) {
      while (start < absolute.size() && absolute[start] == '\\') ++start;
      if (start == absolute.size()) break;
      std::size_t end = cp932::FindChar(absolute, '\\', start);
      if (end == std::string_view::npos) end = absolute.size();
      if (named == 1) root += '\\';
      root += absolute.substr(start, end - start);
      if (named == 1) root += '\\';
      start = end;
    }
  }
  std::vector<std::string_view> parts;
  while (start < absolute.size()) {
    std::size_t slash = cp932::FindChar(absolute, '\\', start);
    if (slash == std::string_view::npos) slash = absolute.size();
    const std::string_view part = absolute.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string out = root;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += '\\';
    out += parts[i];
  }
  return out;
}

bool Holdable(std::string_view path) {
  return !path.empty() && cp932::CharCount(path) < kMaxPath;
}

std::string WithBackslash(std::string_view folder) {
  std::string out(folder);
  if (!cp932::EndsWithBackslash(out)) out += '\\';
  return out;
}

std::string WithoutBackslash(std::string_view folder) {
  std::string out(folder);
  if (cp932::EndsWithBackslash(out) && !(out.size() == 3 && DriveNumber(out) != 0)) out.pop_back();
  return out;
}

std::string Join(std::string_view folder, std::string_view name) {
  return WithBackslash(folder) + std::string(name);
}

std::string_view LastComponent(std::string_view path) {
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  if (slash == std::string_view::npos || slash + 1 == path.size()) return path;
  return path.substr(slash + 1);
}

std::string FolderOf(std::string_view path) {
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  if (slash == std::string_view::npos) return {};
  std::string folder(path.substr(0, slash));
  return IsBareDrive(folder) ? folder + '\\' : folder;
}

bool IsBareDrive(std::string_view path) { return path.size() == 2 && DriveNumber(path) != 0; }

std::string DriveAsRoot(std::string_view path) {
  return IsBareDrive(path) ? std::string(path) + '\\' : std::string(path);
}

std::string DriveRoot(std::string_view path) {
  if (DriveNumber(path) == 0) return {};
  return std::string(path.substr(0, 2)) + '\\';
}

int DriveNumber(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return 0;
  const char c = path[0];
  if (c >= 'a' && c <= 'z') return c - 'a' + 1;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  return 0;
}

char DriveLetter(int number) {
  return number >= 1 && number <= 26 ? static_cast<char>('A' + number - 1) : '\0';
}

}  // namespace qd::path
