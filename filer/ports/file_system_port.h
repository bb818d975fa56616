// What the filer needs of the file system: the current folder and drive,
// directory searches, attributes and the long and short forms of paths.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/file_attributes.h"
#include "filer/model/found_entry.h"

namespace qd {

class EntrySink {
 public:
  virtual void Add(const FoundEntry& entry) = 0;

 protected:
  ~EntrySink() = default;
};

class FileSystemPort {
 public:
  virtual ~FileSystemPort() = default;
  virtual std::string CurrentDirectory() = 0;
  // "D:" alone is drive D's own current folder, as on Windows.
  virtual bool ChangeDirectory(const std::string& path) = 0;
  // A directory search for `pattern`, relative to the current directory;
  // nothing is found when the search fails.
  virtual void Search(const std::string& pattern, EntrySink& sink) = 0;
  // Whether a directory search for the path finds anything.
  virtual bool Exists(const std::string& path) = 0;
  // UTC file time to local file time; false when it cannot be converted.
  virtual bool ToLocalFileTime(uint64_t utc, uint64_t* local) = 0;
  // The name a directory search for the path reports (its long form, in
  // the case stored on disk); false when nothing is found.
  virtual bool FindName(const std::string& path, std::string* name) = 0;
  // The attributes of a path; false when it does not exist.
  virtual bool Attributes(const std::string& path, uint32_t* attributes) = 0;
  // Bit 0 is drive A.
  virtual uint32_t LogicalDrives() = 0;
  // A drive's own current folder (drive 1 is A); false when it has none.
  virtual bool DriveCurrentDirectory(int drive, std::string* path) = 0;
  // Makes the drive current, in its own current folder; false when it
  // cannot be.
  virtual bool ChangeDrive(int drive) = 0;
  // Gives an item another name (or another folder on the same drive); false,
  // with nothing changed, when the system refuses: the source is missing,
  // the target exists (unless it is the same item in other letter case), or
  // the name is not one the file system takes.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Makes a folder, or an empty file; false, with nothing made, when an
  // item of that name exists, the folder it goes in does not, or the name
  // is not one the file system takes.
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool CreateEmptyFile(const std::string& path) = 0;
  // The 8.3 form of a path, or the path itself when there is none.
  virtual std::string ShortPath(const std::string& path) = 0;
};

}  // namespace qd
