// A FilerController on fakes, with a small in-memory folder tree.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "filer/core/filer_controller.h"
#include "settings/ini_settings_file.h"
#include "tests/fakes/fake_file_list.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_frame.h"
#include "tests/fakes/fake_history_store.h"
#include "tests/fakes/fake_key_state.h"
#include "tests/fakes/fake_pane.h"
#include "tests/fakes/fake_prompts.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_tab_strip.h"
#include "tests/fakes/fake_walk_progress.h"
#include "tests/fakes/temp_dir.h"

namespace qd::test {

// A row of a find's result list: an item `name` in `folder`.
inline PickRow Found(const std::string& name, const std::string& folder, bool is_folder = false) {
  return {.name_text = name,
          .path_text = folder,
          .number_text = "",
          .path = folder,
          .tab = -1,
          .folder = is_folder};
}

// The filer as its subsystems see it (the selection collectors among it).
inline FilerView& ViewOf(FilerController& filer) { return filer; }

// 2000-07-15 09:05:03 UTC as a file time.
inline constexpr uint64_t kJuly2000 = 126081255030000000ull;

class FilerFixture : public ::testing::Test {
 protected:
  FilerFixture() { fs.folders["C:\\"]; }

  FilerController& Make() {
    tabs = FakeTabStrip{};
    history.items.clear();
    window = std::make_unique<FilerController>(
        FilerPorts{settings, frame, prompts, list, message, search, history, fs, keys, tabs, shell,
                   &progress},
        "C:\\Qd", "");
    window->Initialise();
    return *window;
  }

  void AddFile(const std::string& folder, const std::string& name, uint64_t size = 0,
               uint64_t time = kJuly2000, uint32_t attributes = kAttrArchive) {
    fs.folders[folder].push_back({name, attributes, size, time});
  }
  void AddFolder(const std::string& folder, const std::string& name, uint64_t time = kJuly2000) {
    fs.folders[folder].push_back({name, kAttrDirectory, 0, time});
  }
  // A folder with its "." and ".." entries, as a directory search returns them.
  void MakeFolder(const std::string& folder) {
    AddFolder(folder, ".");
    AddFolder(folder, "..");
  }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (int r = 0; r < window->rows().size(); ++r) texts.push_back(window->rows().Text(r, column));
    return texts;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int r = 0; r < window->rows().size(); ++r) names.push_back(window->rows().ItemName(r));
    return names;
  }

  TempDir dir;
  IniSettingsFile settings{dir.File("Qd.ini")};
  FakeFrame frame;
  FakePrompts prompts;
  FakeFileList list;
  FakePane message, search;
  FakeHistoryStore history;
  FakeFileSystem fs;
  FakeKeyState keys;
  FakeTabStrip tabs;
  FakeShell shell;
  FakeWalkProgress progress;
  std::unique_ptr<FilerController> window;
};

}  // namespace qd::test
