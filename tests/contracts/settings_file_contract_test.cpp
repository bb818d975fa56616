// The settings cases on the portable store; the profile API runs the same
// cases under Wine.
#include <gtest/gtest.h>

#include "settings/ini_settings_file.h"
#include "tests/contracts/settings_file_cases.h"
#include "tests/fakes/temp_dir.h"

namespace qd {
namespace {

using test::TempDir;

class IniFileContractTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("Qd.ini");
  IniSettingsFile ini{path};
};

// Hand-edited files: each reads as a definite value and nothing breaks.
TEST_F(IniFileContractTest, HandEditedFilesReadAsDefiniteValues) {
  test::ExpectHandEditedFilesRead(ini,
                                  [&](const std::string& bytes) { TempDir::Write(path, bytes); });
}

TEST_F(IniFileContractTest, SectionsAreWrittenWholeAndLineBreaksRefused) {
  test::ExpectSectionsWrittenWhole(
      ini, [&](const std::string& bytes) { TempDir::Write(path, bytes); },
      [&] { return TempDir::Read(path); });
}

}  // namespace
}  // namespace qd
