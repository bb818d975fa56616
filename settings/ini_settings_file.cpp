#include "settings/ini_settings_file.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "common/cp932.h"

namespace qd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The file as lines without their line ends. Like the profile API, a CR, an
// LF or a CRLF ends a line, and a UTF-8 byte order mark is not content.
std::vector<std::string> LoadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  if (!in) return lines;
  std::ostringstream all;
  all << in.rdbuf();
  std::string_view text = all.view();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

bool SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  // Written beside the file and renamed over it, so that a failed write
  // never leaves a half file behind.
  const std::string temp = path + ".tmp";
  {
    std::ofstream f(temp, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    f.flush();
    if (!f) {
      f.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

// A section header is "[" name "]" (text after the first "]" is ignored); a
// "[" line without "]" is not a header. The trail byte of ゾ (83 5D) is no "]".
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = cp932::FindChar(line, ']');
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

struct Entry {
  std::string_view name;
  std::string_view value;  // as written, quotes included
};

// An entry is name "=" value, both trimmed; a line without "=" is none.
std::optional<Entry> EntryOf(std::string_view line) {
  line = Trim(line);
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Entry{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

bool SameName(std::string_view a, std::string_view b) {
  return cp932::EqualNoCase(Trim(a), Trim(b));
}

// Index of the first header of `section`, or lines.size().
std::size_t FindSection(const std::vector<std::string>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto name = HeaderName(lines[i]);
    if (name && SameName(*name, section)) return i;
  }
  return lines.size();
}

// One past the last line of the section whose header is at `header`.
std::size_t SectionEnd(const std::vector<std::string>& lines, std::size_t header) {
  std::size_t i = header + 1;
  while (i < lines.size() && !HeaderName(lines[i])) ++i;
  return i;
}

std::optional<std::string> Lookup(const std::string& path, std::string_view section,
                                  std::string_view key) {
  const std::vector<std::string> lines = LoadLines(path);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) return std::nullopt;
  const std::size_t end = SectionEnd(lines, header);
  for (std::size_t i = header + 1; i < end; ++i) {
    auto entry = EntryOf(lines[i]);
    if (entry && SameName(entry->name, key)) return std::string(entry->value);
  }
  return std::nullopt;
}

}  // namespace

int32_t IniSettingsFile::ReadInt(std::string_view section, std::string_view key, int32_t def) {
  // Through the string read, quote rule included, as on Win32.
  return ParseSettingsInt(ReadString(section, key, ""), def);
}

std::string IniSettingsFile::ReadString(std::string_view section, std::string_view key,
                                        std::string_view def) {
  auto value = Lookup(path_, section, key);
  if (!value) return std::string(def);
  // The profile API drops one pair of matching quotes around a value.
  return std::string(WithoutQuotes(*value));
}

SettingsSection IniSettingsFile::ReadSection(std::string_view section) {
  SettingsSection entries;
  const std::vector<std::string> lines = LoadLines(path_);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) return entries;
  const std::size_t end = SectionEnd(lines, header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (auto entry = ParseEntryLine(Trim(lines[i]))) entries.push_back(std::move(*entry));
  }
  return entries;
}

bool IniSettingsFile::WriteInt(std::string_view section, std::string_view key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniSettingsFile::WriteSection(std::string_view section, const SettingsSection& entries) {
  if (!StorableText(section)) return false;
  for (const SettingsEntry& e : entries) {
    if (!StorableText(e.key) || !StorableText(e.value)) return false;
  }
  std::vector<std::string> lines = LoadLines(path_);
  std::vector<std::string> body;
  for (const SettingsEntry& e : entries) body.push_back(e.key + "=" + e.value);
  std::size_t header = FindSection(lines, section);
  if (header == lines.size()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(section) + "]");
    lines.insert(lines.end(), body.begin(), body.end());
    return SaveLines(path_, lines);
  }
  const std::size_t end = SectionEnd(lines, header);
  // Blank lines that separate the section from the next one stay.
  std::size_t last_content = header;
  for (std::size_t i = header + 1; i < end; ++i) {
    if (!Trim(lines[i]).empty()) last_content = i;
  }
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header + 1),
              lines.begin() + static_cast<std::ptrdiff_t>(last_content + 1));
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header + 1), body.begin(), body.end());
  return SaveLines(path_, lines);
}

bool IniSettingsFile::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value) {
  if (!StorableText(section) || !StorableText(key) || !StorableText(value)) return false;
  std::vector<std::string> lines = LoadLines(path_);
  const std::string line = std::string(key) + "=" + std::string(value);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(line);
    return SaveLines(path_, lines);
  }
  const std::size_t end = SectionEnd(lines, header);
  std::size_t last_content = header;
  for (std::size_t i = header + 1; i < end; ++i) {
    auto entry = EntryOf(lines[i]);
    if (entry && SameName(entry->name, key)) {
      lines[i] = line;
      return SaveLines(path_, lines);
    }
    if (!Trim(lines[i]).empty()) last_content = i;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last_content + 1), line);
  return SaveLines(path_, lines);
}

void IniSettingsFile::DeleteSection(std::string_view section) {
  std::vector<std::string> lines = LoadLines(path_);
  bool changed = false;
  for (std::size_t header = FindSection(lines, section); header < lines.size();
       header = FindSection(lines, section)) {
    const std::size_t end = SectionEnd(lines, header);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
                lines.begin() + static_cast<std::ptrdiff_t>(end));
    changed = true;
  }
  if (changed) SaveLines(path_, lines);
}

void IniSettingsFile::DeleteKey(std::string_view section, std::string_view key) {
  std::vector<std::string> lines = LoadLines(path_);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) return;
  const std::size_t end = SectionEnd(lines, header);
  for (std::size_t i = header + 1; i < end; ++i) {
    auto entry = EntryOf(lines[i]);
    if (entry && SameName(entry->name, key)) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
      SaveLines(path_, lines);
      return;
    }
  }
}

}  // namespace qd
