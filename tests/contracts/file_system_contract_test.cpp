// The file system cases on the fake every filer test runs against.
#include <gtest/gtest.h>

#include "tests/contracts/file_system_cases.h"
#include "tests/fakes/fake_file_system.h"

namespace qd {
namespace {

// C:\sandbox on drive C; D: is the other drive, its root the only folder.
class FakeSandbox : public test::FileSystemSandbox {
 public:
  FakeSandbox() {
    fs.folders["C:\\"];
    fs.folders["D:\\"];
    MakeFolder(root());
  }
  FileSystemPort& port() override { return fs; }
  std::string root() override { return "C:\\sandbox"; }
  void MakeFolder(const std::string& path) override {
    Add(path, kAttrDirectory);
    fs.folders[path] = {{".", kAttrDirectory, 0, 0}, {"..", kAttrDirectory, 0, 0}};
  }
  void MakeFile(const std::string& path) override { Add(path, kAttrArchive); }
  void Remove(const std::string& path) override { fs.vanished.insert(path); }
  int OtherDrive() override { return 4; }

 private:
  void Add(const std::string& path, uint32_t attributes) {
    const std::size_t slash = cp932::FindLastChar(path, '\\');
    std::string parent = path.substr(0, slash);
    if (parent.size() == 2) parent += '\\';
    fs.folders[parent].push_back({path.substr(slash + 1), attributes, 0, 0});
  }

  test::FakeFileSystem fs;
};

TEST(FileSystemContract, TheFakeAnswersEveryCaseAsWindowsDoes) {
  test::RunFileSystemCases([] { return std::make_unique<FakeSandbox>(); });
}

}  // namespace
}  // namespace qd
