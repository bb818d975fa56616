#include "settings/preference_table.h"

namespace qd {

namespace {

constexpr Preference kRows[] = {
    pref::kEsc,         pref::kNewProc,   pref::kNewTab,       pref::kNewTabNoChk,
    pref::kDropCopy,    pref::kFolderOpen, pref::kHistory,     pref::kSort,
    pref::kTabMax,      pref::kListText,  pref::kListBack,     pref::kMsgText,
    pref::kMsgBack,     pref::kFontName,  pref::kFontSize,     pref::kJumpFolder,
    pref::kCommandFolder, pref::kViewFontName, pref::kViewFontSize, pref::kViewText,
    pref::kViewBack,    pref::kTabCnt,
};

}  // namespace

std::span<const Preference> AllPreferences() { return kRows; }

bool InAcceptedRange(const Preference& p, int64_t value) {
  if (p.lowest == pref::kAny && p.highest == pref::kAny) return true;
  return value >= p.lowest && value <= p.highest;
}

int32_t ReadNumber(SettingsFile& settings, const Preference& p) {
  return settings.ReadInt(p.section, p.key, p.default_number);
}

bool ReadFlag(SettingsFile& settings, const Preference& p) { return ReadNumber(settings, p) != 0; }

std::string ReadText(SettingsFile& settings, const Preference& p) {
  return settings.ReadString(p.section, p.key, p.default_text);
}

}  // namespace qd
