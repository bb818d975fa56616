// The shell cases on the fake every filer test runs against, acting on an
// in-memory file system.
#include <gtest/gtest.h>

#include "tests/contracts/shell_cases.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_shell.h"

namespace qd {
namespace {

// C:\sandbox on drive C.
class FakeShellSandbox : public test::ShellSandbox {
 public:
  FakeShellSandbox() {
    fs.folders["C:\\"];
    shell.disk = &fs;
    shell.changes = false;
    shell.answer_questions = false;
    MakeFolder(root());
  }
  ShellPort& port() override { return shell; }
  std::string root() override { return "C:\\sandbox"; }
  void MakeFolder(const std::string& path) override {
    Add(path, kAttrDirectory, 0);
    fs.folders[path] = {{".", kAttrDirectory, 0, 0}, {"..", kAttrDirectory, 0, 0}};
  }
  void MakeFile(const std::string& path, const std::string& bytes) override {
    Add(path, kAttrArchive, bytes.size());
  }
  long long SizeOf(const std::string& path) override {
    struct Size : EntrySink {
      long long size = -1;
      void Add(const FoundEntry& e) override { size = static_cast<long long>(e.size); }
    } sink;
    fs.Search(path, sink);
    return sink.size;
  }
  int Questions() override { return shell.questions; }

 private:
  void Add(const std::string& path, uint32_t attributes, uint64_t size) {
    std::string folder, name;
    test::SplitPath(path, &folder, &name);
    fs.folders[folder].push_back({name, attributes, size, 0});
    shell.Changed(folder);
  }

  test::FakeFileSystem fs;
  test::FakeShell shell;
};

TEST(ShellContract, TheFakeAnswersEveryCaseAsTheShellDoes) {
  test::RunShellCases([] { return std::make_unique<FakeShellSandbox>(); });
}

}  // namespace
}  // namespace qd
