// The mask dialog: one kind per purpose, each with its own section of the
// settings file that keeps the last 31 masks typed and the check box state.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/ports/prompt_port.h"
#include "settings/settings_file.h"

namespace qd {

// The numbers are the ones the behaviour gives the kinds.
enum class MaskKind { FindFile = 0, FileMask = 1, ViewerSearch = 2, SelectMask = 3 };

struct MaskKindTexts {
  std::string_view title;
  std::string_view check_text;  // empty: the check box is disabled
  std::string_view section;
  std::string_view option_key;  // empty: no option is stored
  std::string_view empty_default;  // what an empty input becomes
};

const MaskKindTexts& TextsOf(MaskKind kind);

// No0 is the most recent; No30 the oldest kept.
inline constexpr int kMaskHistoryMax = 31;

// No0, No1, ... up to the first empty or missing value.
std::vector<std::string> ReadMaskHistory(SettingsFile& settings, std::string_view section);

// The section afresh: `text` as No0, then the entries of `history` in
// order up to the first empty one, each that differs from `text` (case
// counts), until No30; then the option under the kind's key. One write, so
// a failure leaves the old history whole.
bool SaveMaskHistory(SettingsFile& settings, MaskKind kind, std::string_view text,
                     const std::vector<std::string>& history, bool option);

// The most recent mask of the kind (as stored, an empty one too), or the
// kind's default when none is stored; and the check box as last left.
std::string LatestMask(SettingsFile& settings, MaskKind kind);
bool MaskOption(SettingsFile& settings, MaskKind kind);

// `text`, or the kind's default when it is empty.
std::string MaskOrDefault(MaskKind kind, std::string_view text);

struct MaskResult {
  bool ok = false;
  std::string text;  // as the user left it: callers apply the default themselves
  bool option = false;
};

// Opens the dialog of the kind with the history of its section and, where
// the kind takes them from the caller, the initial text and option; on OK
// with a text (after the default) the history is saved.
MaskResult AskMask(SettingsFile& settings, PromptPort& prompts, MaskKind kind,
                   std::string_view initial_text, bool initial_option);

}  // namespace qd
