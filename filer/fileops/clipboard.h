// The filer's own clipboard and what cut, copy, paste and a drop hand to the
// shell: the path lists, the destination names (asked for when a copy goes
// into its own folder) and the one shell call with its change watch.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/ports/filer_view.h"
#include "filer/ports/prompt_port.h"
#include "filer/ports/shell_port.h"

namespace qd {

// The values are the shell's operation codes: Cut moves, Copy copies.
enum class ClipboardMode { None = 0, Cut = 1, Copy = 2 };

inline constexpr std::string_view kMoveTitle = "ファイル移動中...";
inline constexpr std::string_view kCopyTitle = "ファイルコピー中...";
inline constexpr std::string_view kCancelOrError = "CANCEL or ERROR";
inline constexpr std::string_view kPasted = "貼り付けました";
inline constexpr std::string_view kNoFolder = "フォルダ未選択";
inline constexpr std::string_view kPasteHereQuestion = "このフォルダに貼り付けます。\n";
inline constexpr std::string_view kSameFolder = "コピー元と同じフォルダ";
inline constexpr std::string_view kNoNewName = "変換後が未設定です。";
inline constexpr std::string_view kForbiddenCharacters =
    "ファイル名には次の文字は使えません。\n \\ / : ; * ? \" < > |";

// One for the whole filer; never saved.
struct FileClipboard {
  ClipboardMode mode = ClipboardMode::None;
  std::string source_folder;  // ends with "\"; empty when the names are full paths
  std::string names;          // a name list
  std::string progress_title;

  // A cut or copy of `names` (empty: nothing selected, which empties it).
  void Record(ClipboardMode new_mode, std::string folder, std::string new_names);
  void Clear();
  // What the search line's FileMessege field shows.
  std::string_view FieldText() const;
};

// The shell's path list: `folder` and each entry of the name list, each
// path followed by a NUL, and one more NUL at the end. Linear in the size.
std::string DoubleNulList(std::string_view folder, std::string_view names);

// Whether a name holds one of \ / : ; * ? " < > | (a trail byte never counts).
bool HasForbiddenCharacter(std::string_view name);

// The full paths of dropped items that do not lie in `current_folder`
// (compared without regard to case; a trailing backslash does not count), as
// a name list. Paths the filer cannot hold are skipped whole.
std::string DroppedNames(std::string_view current_folder, const std::vector<std::string>& paths);

class Paster {
 public:
  Paster(ShellPort& shell, PromptPort& prompts, FilerView& view)
      : shell_(shell), prompts_(prompts), view_(view) {}

  enum class Status { Abandoned, Failed, Done };
  struct Outcome {
    Status status = Status::Abandoned;
    bool changed = false;           // the watched folder changed during the call
    std::string destination_names;  // a name list, one per source entry
  };

  // Moves or copies what the clipboard holds into `destination` (ending in
  // "\") in one shell call, watching `watch_folder` meanwhile. A cut is
  // pasted once: the clipboard is emptied whatever the outcome, but for a
  // paste abandoned before the call.
  Outcome Run(FileClipboard& clipboard, const std::string& destination,
              const std::string& watch_folder);

 private:
  // The destination names; false when the user cancelled.
  bool DestinationNames(const FileClipboard& clipboard, bool ask, std::string* names);

  ShellPort& shell_;
  PromptPort& prompts_;
  FilerView& view_;
};

}  // namespace qd
