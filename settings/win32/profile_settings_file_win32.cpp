#include "settings/win32/profile_settings_file_win32.h"

#include <windows.h>

#include <vector>

namespace qd {

namespace {

// The profile API returns size - 1 (or size - 2) when the buffer was too
// small; grow until the whole value fits.
std::string GetString(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& def) {
  std::vector<char> buffer(512);
  for (;;) {
    const DWORD n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
    if (n + 2 < buffer.size() || buffer.size() >= (64u << 20)) {
      return std::string(buffer.data(), n);
    }
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

int32_t ProfileSettingsFile::ReadInt(std::string_view section, std::string_view key, int32_t def) {
  // Read as text and parse here, so that every program and the portable
  // store agree on what a hand-edited value gives.
  const std::string text = GetString(path_, std::string(section), std::string(key), "");
  return ParseSettingsInt(text, def);
}

std::string ProfileSettingsFile::ReadString(std::string_view section, std::string_view key,
                                            std::string_view def) {
  return GetString(path_, std::string(section), std::string(key), std::string(def));
}

SettingsSection ProfileSettingsFile::ReadSection(std::string_view section) {
  // "name=value\0name=value\0\0"; like the string read, the call returns
  // size - 2 when the buffer was too small.
  const std::string name(section);
  std::vector<char> buffer(4096);
  DWORD n = 0;
  for (;;) {
    n = GetPrivateProfileSectionA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                  path_.c_str());
    if (n + 2 < buffer.size() || buffer.size() >= (256u << 20)) break;
    buffer.resize(buffer.size() * 4);
  }
  SettingsSection entries;
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (buffer[i] != '\0') continue;
    if (auto entry = ParseEntryLine(std::string_view(buffer.data() + start, i - start))) {
      entries.push_back(std::move(*entry));
    }
    start = i + 1;
  }
  return entries;
}

bool ProfileSettingsFile::WriteInt(std::string_view section, std::string_view key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool ProfileSettingsFile::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value) {
  if (!StorableText(section) || !StorableText(key) || !StorableText(value)) return false;
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), path_.c_str()) != FALSE;
}

bool ProfileSettingsFile::WriteSection(std::string_view section, const SettingsSection& entries) {
  if (!StorableText(section)) return false;
  std::string block;
  for (const SettingsEntry& e : entries) {
    if (!StorableText(e.key) || !StorableText(e.value)) return false;
    block += e.key;
    block += '=';
    block += e.value;
    block += '\0';
  }
  block += '\0';
  return WritePrivateProfileSectionA(std::string(section).c_str(), block.data(), path_.c_str()) !=
         FALSE;
}

void ProfileSettingsFile::DeleteSection(std::string_view section) {
  WritePrivateProfileStringA(std::string(section).c_str(), nullptr, nullptr, path_.c_str());
}

void ProfileSettingsFile::DeleteKey(std::string_view section, std::string_view key) {
  WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), nullptr,
                             path_.c_str());
}

}  // namespace qd
