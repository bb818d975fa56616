// The file system cases on the Win32 adapter, in a fresh temporary folder.
#include "filer/win32/file_system_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/contracts/file_system_cases.h"
#include "tests/win32/test_support_win32.h"

namespace qd {
namespace {

class Win32Sandbox : public test::FileSystemSandbox {
 public:
  Win32Sandbox() {
    char path[MAX_PATH];
    saved_ = std::string(path, GetCurrentDirectoryA(MAX_PATH, path));
    // The temporary folder may be given in its 8.3 form; the port reports
    // the folder in the form it was entered in.
    root_ = std::string(path, GetLongPathNameA(dir_.path().c_str(), path, MAX_PATH));
  }
  // The folder cannot be removed while it is current.
  ~Win32Sandbox() override { SetCurrentDirectoryA(saved_.c_str()); }

  FileSystemPort& port() override { return fs_; }
  std::string root() override { return root_; }
  void MakeFolder(const std::string& path) override {
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
  }
  void MakeFile(const std::string& path) override {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << path;
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  void Remove(const std::string& path) override {
    const DWORD a = GetFileAttributesA(path.c_str());
    const BOOL done = a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)
                          ? RemoveDirectoryA(path.c_str())
                          : DeleteFileA(path.c_str());
    EXPECT_TRUE(done) << path;
  }
  // Wine has C: and Z: (the Unix root) as a rule.
  int OtherDrive() override {
    const DWORD drives = GetLogicalDrives();
    for (int d = 3; d <= 26; ++d) {
      if (d == root_[0] - 'A' + 1 || !(drives >> (d - 1) & 1)) continue;
      const std::string drive_root = std::string(1, static_cast<char>('A' + d - 1)) + ":\\";
      if (GetFileAttributesA(drive_root.c_str()) != INVALID_FILE_ATTRIBUTES) return d;
    }
    return 0;
  }

 private:
  test::Win32TempDir dir_;
  Win32FileSystem fs_;
  std::string saved_, root_;
};

TEST(Win32FileSystem, AnswersEveryCaseAsTheFakeDoes) {
  test::RunFileSystemCases([] { return std::make_unique<Win32Sandbox>(); });
}

}  // namespace
}  // namespace qd
