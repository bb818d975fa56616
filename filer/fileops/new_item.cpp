#include "filer/fileops/new_item.h"

#include "common/name_list.h"

namespace qd {

namespace {

struct KindTexts {
  std::string_view empty_name, taken, refused, made;
};

constexpr KindTexts kFolderTexts{"フォルダ名を入力してください。", "そのフォルダ名は既に存在しています。",
                                 "フォルダ作成エラー", "フォルダ作成、成功。["};
constexpr KindTexts kFileTexts{"ファイル名を入力してください。", "そのファイル名は既に存在しています。",
                               "ファイル作成エラー", "ファイル作成、成功。["};

}  // namespace

void ItemMaker::Fail(std::string_view message) {
  prompts_.Beep();
  view_.ShowMessage(message, true);
}

std::string ItemMaker::Run(ItemKind kind, const std::string& folder, std::string name) {
  const KindTexts& texts = kind == ItemKind::Folder ? kFolderTexts : kFileTexts;
  std::string made;
  for (;;) {
    const NewItemAnswer answer = prompts_.AskNewItem({kind, name});
    if (!answer.ok) break;
    name = answer.name;
    if (name.empty()) {
      Fail(texts.empty_name);
      continue;
    }
    const std::string path = folder + name;
    // A folder may not take a file's name, nor a file a folder's.
    if (fs_.Exists(path)) {
      Fail(texts.taken);
      continue;
    }
    const bool created =
        kind == ItemKind::Folder ? fs_.CreateFolder(path) : fs_.CreateEmptyFile(path);
    if (!created) {
      Fail(texts.refused);
      continue;
    }
    AppendName(made, name);
    view_.ShowMessage(std::string(texts.made) + name + "]", true);
    if (!answer.more) break;
  }
  return made;
}

}  // namespace qd
