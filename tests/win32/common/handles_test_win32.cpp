#include "common/win32/handles_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

using test::Win32TempDir;

HANDLE OpenExclusive(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// The file traits with every handle they close written down: closing
// INVALID_HANDLE_VALUE "succeeds" (it is the current process's pseudo
// handle), so only a record shows that it was never closed.
struct RecordingFileTraits : FileHandleTraits {
  static void Close(HANDLE h) {
    closed.push_back(h);
    FileHandleTraits::Close(h);
  }
  static inline std::vector<HANDLE> closed;
};
using RecordingFile = UniqueResource<HANDLE, RecordingFileTraits>;

TEST(UniqueFile, AFailedOpenIsEmptyAndClosesNothing) {
  Win32TempDir dir;
  RecordingFileTraits::closed.clear();
  {
    UniqueFile file(OpenExclusive(dir.File("missing.txt")));
    EXPECT_FALSE(file);
    RecordingFile recorded(OpenExclusive(dir.File("missing.txt")));
    EXPECT_EQ(recorded.get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(recorded);
    recorded.reset();
  }
  EXPECT_TRUE(RecordingFileTraits::closed.empty());
}

TEST(UniqueFile, ResetAndTheEndOfTheOwnerCloseTheFile) {
  Win32TempDir dir;
  const std::string path = dir.File("held.txt");
  test::WriteFileBytes(path, "x");
  UniqueFile file(OpenExclusive(path));
  ASSERT_TRUE(file);
  {
    UniqueFile second(OpenExclusive(path));  // no sharing while the first is open
    const DWORD error = GetLastError();
    EXPECT_FALSE(second);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  }
  file.reset();
  EXPECT_FALSE(file);
  {
    UniqueFile again(OpenExclusive(path));
    EXPECT_TRUE(again);
  }
  UniqueFile after_scope(OpenExclusive(path));  // the scope's end closed `again`
  EXPECT_TRUE(after_scope);
}

TEST(UniqueFile, AMovedFromOwnerIsEmptyAndTheFileIsClosedOnce) {
  Win32TempDir dir;
  const std::string path = dir.File("moved.txt");
  test::WriteFileBytes(path, "x");
  RecordingFileTraits::closed.clear();
  HANDLE handle = INVALID_HANDLE_VALUE;
  {
    RecordingFile file(OpenExclusive(path));
    ASSERT_TRUE(file);
    handle = file.get();
    RecordingFile moved(std::move(file));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(moved.get(), handle);
    RecordingFile assigned;
    assigned = std::move(moved);
    EXPECT_FALSE(moved);
    EXPECT_TRUE(assigned);
    EXPECT_TRUE(RecordingFileTraits::closed.empty());
  }
  EXPECT_EQ(RecordingFileTraits::closed, (std::vector<HANDLE>{handle}));
  UniqueFile again(OpenExclusive(path));
  EXPECT_TRUE(again);
}

}  // namespace
}  // namespace qd
