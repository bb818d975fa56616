// Path rules of all three programs. Paths are CP932 byte strings; a
// backslash is never a trail byte (表 is 95 5C). "D:" alone is not D:\ but
// the drive's own current folder, as Windows reads it.
#pragma once

#include <string>
#include <string_view>

namespace qd::path {

// The longest path the programs handle, in characters, terminator included.
inline constexpr std::size_t kMaxPath = 260;

// An absolute path ("C:\a\.\b\..\c") with its "." and ".." components
// taken out ("C:\a\c"); ".." never climbs above the root. Runs of
// backslashes count as one, and a trailing one goes but for the root. A
// network path keeps exactly its two leading backslashes; its root is
// "\\server\share\", and one without a share yet ("\\server", "\\")
// ends without a backslash.
std::string Normalise(std::string_view absolute);

// A path the filer can hold as a folder: not empty and shorter than
// kMaxPath characters (a double-byte character counts once).
bool Holdable(std::string_view path);

// "C:\表" -> "C:\表\"; a path that ends with a backslash stays as it is.
std::string WithBackslash(std::string_view folder);

// "C:\表\" -> "C:\表"; a drive root keeps its backslash ("C:\" stays).
std::string WithoutBackslash(std::string_view folder);

// The folder and a name in it: one backslash between them.
std::string Join(std::string_view folder, std::string_view name);

// The text after the last backslash; a drive root ("C:\") and a path
// without a backslash are returned whole.
std::string_view LastComponent(std::string_view path);

// The folder that holds the item: "C:\a\b.txt" -> "C:\a", "C:\a.txt" ->
// "C:\" (not "C:", which would be the drive's current folder); empty for
// a bare name.
std::string FolderOf(std::string_view path);

// "D:" alone: the drive's current folder.
bool IsBareDrive(std::string_view path);

// A bare drive made into its root ("D:" -> "D:\"); any other path as it is.
// For folders that were stored without their trailing backslash.
std::string DriveAsRoot(std::string_view path);

// The root of the drive a path starts with ("c:\x\y" -> "c:\"), or empty.
std::string DriveRoot(std::string_view path);

// The drive a path starts with: "d:\x" -> 4 (A is 1); 0 when it names none.
int DriveNumber(std::string_view path);

// The letter of drive `number` (1 is A); '\0' out of range.
char DriveLetter(int number);

}  // namespace qd::path
