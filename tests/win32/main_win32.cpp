// Test runner for the Wine suites. Started with "--write-setting FILE
// SECTION KEY VALUE" it only writes one value and ends, so that a test can
// play a second program that shares Qd.ini.
#include <gtest/gtest.h>

#include <ole2.h>

#include <cstring>

#include "settings/win32/profile_settings_file_win32.h"

int main(int argc, char** argv) {
  if (argc == 6 && std::strcmp(argv[1], "--write-setting") == 0) {
    qd::ProfileSettingsFile(argv[2]).WriteString(argv[3], argv[4], argv[5]);
    return 0;
  }
  // Started once in each test session: Wine ends a desktop a second after
  // its last program and starts it anew for the next, which costs each test
  // about half a second; a program that stays on the desktop keeps it.
  if (argc == 2 && std::strcmp(argv[1], "--hold-desktop") == 0) {
    GetDesktopWindow();
    Sleep(INFINITE);
  }
  // As the filer's start-up does: the shell objects need COM on the thread.
  OleInitialize(nullptr);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
