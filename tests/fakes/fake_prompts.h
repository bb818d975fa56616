// Questions, errors and beeps, recorded.
#pragma once

#include <string>
#include <vector>

#include "filer/ports/prompt_port.h"

namespace qd::test {

// Records what the filer asks and tells; every question gets `answer`.
class FakePrompts : public PromptPort {
 public:
  Answer AskOkCancel(std::string_view text) override {
    questions.emplace_back(text);
    return answer;
  }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  void Beep() override { ++beeps; }
  // The rename dialog answers from `rename_answers` in turn, then Cancel.
  RenameAnswer AskNewName(const RenameRequest& request) override {
    rename_requests.push_back(request);
    if (rename_answers.empty()) return {};
    RenameAnswer a = rename_answers.front();
    rename_answers.erase(rename_answers.begin());
    return a;
  }
  // The new item dialog answers from `new_item_answers` in turn, then Cancel.
  NewItemAnswer AskNewItem(const NewItemRequest& request) override {
    new_item_requests.push_back(request);
    if (new_item_answers.empty()) return {};
    NewItemAnswer a = new_item_answers.front();
    new_item_answers.erase(new_item_answers.begin());
    return a;
  }
  // The replace dialog answers from `replace_answers` in turn, then Cancel.
  ReplaceAnswer AskReplace(const ReplaceOptions& request) override {
    replace_requests.push_back(request);
    if (replace_answers.empty()) return {};
    ReplaceAnswer a = replace_answers.front();
    replace_answers.erase(replace_answers.begin());
    return a;
  }
  // The mask dialog answers from `mask_answers` in turn, then Cancel.
  MaskAnswer AskMask(const MaskRequest& request) override {
    mask_requests.push_back(request);
    if (mask_answers.empty()) return {};
    MaskAnswer a = mask_answers.front();
    mask_answers.erase(mask_answers.begin());
    return a;
  }

  std::vector<std::string> questions;
  std::vector<std::string> errors;
  int beeps = 0;
  Answer answer = Answer::Ok;
  std::vector<RenameRequest> rename_requests;
  std::vector<RenameAnswer> rename_answers;
  std::vector<NewItemRequest> new_item_requests;
  std::vector<NewItemAnswer> new_item_answers;
  std::vector<ReplaceOptions> replace_requests;
  std::vector<ReplaceAnswer> replace_answers;
  std::vector<MaskRequest> mask_requests;
  std::vector<MaskAnswer> mask_answers;
};

// How the dialogs answer, for the scripts of the tests.
inline RenameAnswer RenameOk(const std::string& after) { return {true, after, false, false}; }
inline RenameAnswer RenameAll(const std::string& after) { return {true, after, true, false}; }
inline RenameAnswer RenameNext(const std::string& after = "") { return {true, after, false, true}; }
inline RenameAnswer RenameCancel() { return {}; }
inline NewItemAnswer NewItemOk(const std::string& name) { return {true, name, false}; }
inline NewItemAnswer NewItemMore(const std::string& name) { return {true, name, true}; }
inline MaskAnswer MaskOk(const std::string& text, bool check = false) { return {true, text, check}; }

}  // namespace qd::test
