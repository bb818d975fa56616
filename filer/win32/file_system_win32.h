// The file system port on the Win32 file and directory functions.
#pragma once

#include <windows.h>

#include "filer/ports/file_system_port.h"

namespace qd {

class Win32FileSystem : public FileSystemPort {
 public:
  std::string CurrentDirectory() override;
  bool ChangeDirectory(const std::string& path) override;
  void Search(const std::string& pattern, EntrySink& sink) override;
  bool Exists(const std::string& path) override;
  bool ToLocalFileTime(uint64_t utc, uint64_t* local) override;
  bool FindName(const std::string& path, std::string* name) override;
  bool Attributes(const std::string& path, uint32_t* attributes) override;
  uint32_t LogicalDrives() override { return GetLogicalDrives(); }
  bool DriveCurrentDirectory(int drive, std::string* path) override;
  bool ChangeDrive(int drive) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  bool CreateEmptyFile(const std::string& path) override;
  std::string ShortPath(const std::string& path) override;
};

}  // namespace qd
