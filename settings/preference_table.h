// Every preference of the four Conf- sections once: where it is stored, its
// type, its default and the range the settings program accepts. The filer
// reads through this table, and QdConf loads and saves the same rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace qd {

enum class PreferenceType {
  Flag,      // 0 off, anything else on; written as 0 or 1
  Count,     // unsigned in use, stored with %d
  Number,    // signed (a font size in points)
  Colour,    // 0x00BBGGRR; the text defaults are -1
  Text,      // a face name or a folder path
};

struct Preference {
  std::string_view section;
  std::string_view key;
  PreferenceType type;
  int32_t default_number;  // Text rows: unused
  std::string_view default_text;  // other rows: unused
  int64_t lowest;   // what the settings program accepts for a number typed in
  int64_t highest;
};

namespace pref {

inline constexpr int64_t kCountHighest = 2147483647;  // beyond, %d would store it negative
inline constexpr int64_t kAny = 0;

inline constexpr std::string_view kMain = "Conf-Main";
inline constexpr std::string_view kDisplay = "Conf-Display";
inline constexpr std::string_view kFolder = "Conf-Folder";
inline constexpr std::string_view kFileView = "Conf-FileView";

inline constexpr Preference kEsc{kMain, "Esc", PreferenceType::Flag, 0, "", 0, 1};
inline constexpr Preference kNewProc{kMain, "NewProc", PreferenceType::Flag, 0, "", 0, 1};
inline constexpr Preference kNewTab{kMain, "NewTab", PreferenceType::Flag, 0, "", 0, 1};
inline constexpr Preference kNewTabNoChk{kMain, "NewTabNoChk", PreferenceType::Flag, 0, "", 0, 1};
inline constexpr Preference kDropCopy{kMain, "DropCopy", PreferenceType::Flag, 0, "", 0, 1};
inline constexpr Preference kFolderOpen{kMain, "FolderOpen", PreferenceType::Count, 200, "", 0,
                                        kCountHighest};
inline constexpr Preference kHistory{kMain, "History", PreferenceType::Count, 50, "", 0,
                                     kCountHighest};
inline constexpr Preference kSort{kMain, "Sort", PreferenceType::Count, 200, "", 0, kCountHighest};
inline constexpr Preference kTabMax{kMain, "TabMax", PreferenceType::Count, 20, "", 1, 10000};

inline constexpr Preference kListText{kDisplay, "ListText", PreferenceType::Colour, -1, "", kAny, kAny};
inline constexpr Preference kListBack{kDisplay, "ListBack", PreferenceType::Colour, 0, "", kAny, kAny};
inline constexpr Preference kMsgText{kDisplay, "MsgText", PreferenceType::Colour, -1, "", kAny, kAny};
inline constexpr Preference kMsgBack{kDisplay, "MsgBack", PreferenceType::Colour, 0, "", kAny, kAny};
inline constexpr Preference kFontName{kDisplay, "FontName", PreferenceType::Text, 0, "Terminal",
                                      kAny, kAny};
inline constexpr Preference kFontSize{kDisplay, "FontSize", PreferenceType::Number, 10, "", kAny,
                                      kAny};

inline constexpr Preference kJumpFolder{kFolder, "JumpFolder", PreferenceType::Text, 0, "", kAny,
                                        kAny};
inline constexpr Preference kCommandFolder{kFolder, "CommandFolder", PreferenceType::Text, 0, "",
                                           kAny, kAny};

inline constexpr Preference kViewFontName{kFileView, "FontName", PreferenceType::Text, 0,
                                          "Terminal", kAny, kAny};
inline constexpr Preference kViewFontSize{kFileView, "FontSize", PreferenceType::Number, 10, "",
                                          kAny, kAny};
inline constexpr Preference kViewText{kFileView, "ViewText", PreferenceType::Colour, -1, "", kAny,
                                      kAny};
inline constexpr Preference kViewBack{kFileView, "ViewBack", PreferenceType::Colour, 0, "", kAny,
                                      kAny};
inline constexpr Preference kTabCnt{kFileView, "TabCnt", PreferenceType::Count, 4, "", 0, 20};

}  // namespace pref

// The 22 rows in the order of their sections: Conf-Main, Conf-Display,
// Conf-Folder, Conf-FileView, each in the order the settings program shows.
std::span<const Preference> AllPreferences();

// Whether a number typed for the row lies in what the settings program
// accepts; rows without a range (colours, sizes) accept any.
bool InAcceptedRange(const Preference& p, int64_t value);

// Reads with the row's default: a missing entry gives the default.
int32_t ReadNumber(SettingsFile& settings, const Preference& p);
bool ReadFlag(SettingsFile& settings, const Preference& p);
std::string ReadText(SettingsFile& settings, const Preference& p);

}  // namespace qd
