// The real main window over a real folder, for the in-process suites. The
// filer lists the process's current folder, so the fixture moves into
// `folder` once a test has filled it and moves back at the end.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "filer/win32/filer_dialog_win32.h"
#include "resources/command_ids.h"
#include "settings/win32/profile_settings_file_win32.h"
#include "tests/win32/test_support_win32.h"

namespace qd::test {

inline std::string WindowText(HWND w) {
  char text[512] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

inline std::string ItemText(HWND list, int row, int column) {
  char text[300] = {};
  ListView_GetItemText(list, row, column, text, sizeof text);
  return text;
}

class FilerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    saved_cwd_ = cwd;
  }
  void TearDown() override {
    dialog.reset();
    if (!saved_cwd_.empty()) SetCurrentDirectoryA(saved_cwd_.c_str());
  }
  void EnterFolder() { SetCurrentDirectoryA(folder.path().c_str()); }
  // The window, its Qd.ini in `dir`.
  FilerDialog& Open() {
    dialog = std::make_unique<FilerDialog>(settings, dir.path(), "");
    EXPECT_TRUE(dialog->Create());
    ShowWindow(dialog->hwnd(), SW_SHOW);
    PumpMessages(20);
    return *dialog;
  }
  HWND Pane(int id) const { return GetDlgItem(dialog->hwnd(), id); }
  HWND List() const { return Pane(IDC_FILE_LIST); }
  // The first row whose Name text is `name_text`, or -1.
  int RowOf(const std::string& name_text) const {
    for (int r = 0; r < ListView_GetItemCount(List()); ++r) {
      if (ItemText(List(), r, 0) == name_text) return r;
    }
    return -1;
  }
  // The Name and Ext texts of the selected rows, joined.
  std::vector<std::string> SelectedTexts() const {
    std::vector<std::string> texts;
    for (int r = ListView_GetNextItem(List(), -1, LVNI_SELECTED); r >= 0;
         r = ListView_GetNextItem(List(), r, LVNI_SELECTED)) {
      texts.push_back(ItemText(List(), r, 0) + ItemText(List(), r, 1));
    }
    return texts;
  }

  Win32TempDir dir;
  ProfileSettingsFile settings{dir.File("Qd.ini")};
  Win32TempDir folder;
  std::unique_ptr<FilerDialog> dialog;

 private:
  std::string saved_cwd_;
};

}  // namespace qd::test
