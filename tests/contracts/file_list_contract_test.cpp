// The file list cases on the fake every filer test runs against.
#include <gtest/gtest.h>

#include "tests/contracts/file_list_cases.h"
#include "tests/fakes/fake_file_list.h"

namespace qd {
namespace {

TEST(FileListContract, TheFakeKeepsStatesAsTheListViewDoes) {
  test::FakeFileList list;
  test::RunFileListCases(list);
}

}  // namespace
}  // namespace qd
