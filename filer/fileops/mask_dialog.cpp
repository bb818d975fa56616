#include "filer/fileops/mask_dialog.h"

#include <array>

namespace qd {

namespace {

constexpr std::array<MaskKindTexts, 4> kKinds = {{
    {"ファイル検索（ 区切り： ';' ）", "", "FindFile", "", "*"},
    {"ファイルマスク（ 区切り： ';' ）", "フォルダは除く(&C)", "FileMask", "NoFolder", "*.*"},
    {"検索", "大小文字を区別する(&C)", "ViewFind", "Casesensitive", ""},
    {"選択マスク（ 区切り： ';' ）", "フォルダは除く(&C)", "SelMask", "NoFolder", "*"},
}};

std::string NumberedKey(int n) { return "No" + std::to_string(n); }

}  // namespace

const MaskKindTexts& TextsOf(MaskKind kind) { return kKinds[static_cast<int>(kind)]; }

std::vector<std::string> ReadMaskHistory(SettingsFile& settings, std::string_view section) {
  std::vector<std::string> history;
  for (int n = 0;; ++n) {
    std::string value = settings.ReadString(section, NumberedKey(n), "");
    if (value.empty()) return history;
    history.push_back(std::move(value));
  }
}

bool SaveMaskHistory(SettingsFile& settings, MaskKind kind, std::string_view text,
                     const std::vector<std::string>& history, bool option) {
  const MaskKindTexts& k = TextsOf(kind);
  SettingsSection entries;
  entries.push_back({NumberedKey(0), std::string(text)});
  for (const std::string& entry : history) {
    if (entry.empty() || static_cast<int>(entries.size()) >= kMaskHistoryMax) break;
    if (entry == text) continue;
    entries.push_back({NumberedKey(static_cast<int>(entries.size())), entry});
  }
  if (!k.option_key.empty()) entries.push_back({std::string(k.option_key), option ? "1" : "0"});
  return settings.WriteSection(k.section, entries);
}

std::string LatestMask(SettingsFile& settings, MaskKind kind) {
  const MaskKindTexts& k = TextsOf(kind);
  return settings.ReadString(k.section, NumberedKey(0), k.empty_default);
}

bool MaskOption(SettingsFile& settings, MaskKind kind) {
  const MaskKindTexts& k = TextsOf(kind);
  return !k.option_key.empty() && settings.ReadInt(k.section, k.option_key, 0) != 0;
}

std::string MaskOrDefault(MaskKind kind, std::string_view text) {
  return std::string(text.empty() ? TextsOf(kind).empty_default : text);
}

MaskResult AskMask(SettingsFile& settings, PromptPort& prompts, MaskKind kind,
                   std::string_view initial_text, bool initial_option) {
  const MaskKindTexts& k = TextsOf(kind);
  MaskRequest request;
  request.title = k.title;
  request.check_text = k.check_text;
  request.history = ReadMaskHistory(settings, k.section);
  const std::string latest = request.history.empty() ? std::string() : request.history.front();
  switch (kind) {
    case MaskKind::FindFile:
      request.text = latest;
      break;
    case MaskKind::FileMask:
      request.text = initial_text;
      request.check = initial_option;
      break;
    case MaskKind::ViewerSearch:
      request.text = initial_text.empty() ? latest : std::string(initial_text);
      request.check = MaskOption(settings, kind);
      break;
    case MaskKind::SelectMask:
      request.text = latest;
      request.check = MaskOption(settings, kind);
      break;
  }

  const MaskAnswer answer = prompts.AskMask(request);
  if (!answer.ok) return {};
  const bool option = !k.check_text.empty() && answer.check;
  const std::string stored = MaskOrDefault(kind, answer.text);
  if (!stored.empty()) SaveMaskHistory(settings, kind, stored, request.history, option);
  return {true, answer.text, option};
}

}  // namespace qd
