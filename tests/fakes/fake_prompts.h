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

  std::vector<std::string> questions;
  std::vector<std::string> errors;
  int beeps = 0;
  Answer answer = Answer::Ok;
};

}  // namespace qd::test
