// Qd.ini through the Windows profile API: every call goes to the file.
#pragma once

#include <string>

#include "settings/settings_file.h"

namespace qd {

class ProfileSettingsFile : public SettingsFile {
 public:
  explicit ProfileSettingsFile(std::string path) : path_(std::move(path)) {}

  int32_t ReadInt(std::string_view section, std::string_view key, int32_t def) override;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) override;
  SettingsSection ReadSection(std::string_view section) override;
  bool WriteInt(std::string_view section, std::string_view key, int32_t value) override;
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
  bool WriteSection(std::string_view section, const SettingsSection& entries) override;
  void DeleteSection(std::string_view section) override;
  void DeleteKey(std::string_view section, std::string_view key) override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace qd
