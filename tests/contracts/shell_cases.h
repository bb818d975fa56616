// What the shell port does with file operations, change watches and
// shortcuts, as cases that run on the fake natively and on the Win32 shell
// under Wine, so that the fake answers as the shell does.
//
// Each case runs in a sandbox: a fresh, empty folder. The shell's questions
// (overwrite? delete?) are all answered Cancel by the sandbox; a case that
// wants an operation done says yes to them with kFofNoConfirmation.
//
// Where Windows and Wine differ the cases keep out of the way: Wine's move
// of a missing item, or of an item onto itself, reports done, and it asks
// before deleting a missing item; Windows refuses all three without a
// question, and so does the fake.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filer/ports/shell_port.h"

namespace qd::test {

class ShellSandbox {
 public:
  virtual ~ShellSandbox() = default;
  virtual ShellPort& port() = 0;
  // The sandbox folder, absolute.
  virtual std::string root() = 0;
  // Behind the port's back; a watch on the folder sees the file.
  virtual void MakeFolder(const std::string& path) = 0;
  virtual void MakeFile(const std::string& path, const std::string& bytes) = 0;
  // The size of a file, -1 when there is none.
  virtual long long SizeOf(const std::string& path) = 0;
  // How many questions the shell asked (each answered Cancel).
  virtual int Questions() = 0;
};

struct ShellCase {
  const char* what;
  std::function<void(ShellSandbox&, const std::string& root)> run;
};

namespace shell_cases {

// A double-NUL list of paths.
inline std::string List(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& p : paths) list += p + '\0';
  return list;
}

inline int Copy(ShellPort& shell, std::vector<std::string> from, std::vector<std::string> to,
                uint32_t flags, int operation = 2) {
  ShellPort::FileOperation op;
  op.operation = operation;
  op.from = List(from);
  op.to = List(to);
  op.flags = flags;
  op.title = "test";
  return shell.RunFileOperation(op);
}

inline int Delete(ShellPort& shell, std::vector<std::string> from, uint32_t flags) {
  return Copy(shell, std::move(from), {}, flags, 3);
}

// A failure: neither done nor cancelled.
inline bool Failed(int result) { return result != 0 && result != kShellCancelled; }

}  // namespace shell_cases

inline std::vector<ShellCase> ShellCases() {
  using shell_cases::Copy;
  using shell_cases::Delete;
  using shell_cases::Failed;
  constexpr uint32_t kYes = kFofNoConfirmation;
  // Two files of different sizes, one of each in sub: a size tells which
  // one a path holds.
  auto two_files = [](ShellSandbox& box, const std::string& root) {
    box.MakeFile(root + "\\ソフト.txt", "hello");
    box.MakeFolder(root + "\\表示");
    box.MakeFile(root + "\\表示\\ソフト.txt", "other!!");
  };
  return {
      {"a copy onto an item that is there asks first; Cancel is a cancel and keeps the item",
       [=](ShellSandbox& box, const std::string& root) {
         two_files(box, root);
         ShellPort& shell = box.port();
         EXPECT_EQ(Copy(shell, {root + "\\ソフト.txt"}, {root + "\\表示"}, 0), kShellCancelled);
         EXPECT_EQ(Copy(shell, {root + "\\ソフト.txt"}, {root + "\\表示\\ソフト.txt"},
                        kFofMultiDestFiles | kFofAllowUndo),
                   kShellCancelled);
         EXPECT_EQ(box.Questions(), 2);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\ソフト.txt"), 7);
         EXPECT_EQ(box.SizeOf(root + "\\ソフト.txt"), 5);
       }},
      {"a delete asks first, to the recycle bin or not; Cancel is a cancel and keeps the item",
       [=](ShellSandbox& box, const std::string& root) {
         two_files(box, root);
         EXPECT_EQ(Delete(box.port(), {root + "\\ソフト.txt"}, 0), kShellCancelled);
         EXPECT_EQ(Delete(box.port(), {root + "\\ソフト.txt"}, kFofAllowUndo), kShellCancelled);
         EXPECT_EQ(box.Questions(), 2);
         EXPECT_EQ(box.SizeOf(root + "\\ソフト.txt"), 5);
       }},
      {"an item copied onto itself is refused without a question",
       [=](ShellSandbox& box, const std::string& root) {
         two_files(box, root);
         const std::string file = root + "\\ソフト.txt";
         for (uint32_t flags : {0u, kYes}) {
           EXPECT_TRUE(Failed(Copy(box.port(), {file}, {file}, flags))) << flags;
         }
         EXPECT_EQ(box.Questions(), 0);
         EXPECT_EQ(box.SizeOf(file), 5);
       }},
      {"a missing item is neither copied nor deleted",
       [=](ShellSandbox& box, const std::string& root) {
         two_files(box, root);
         const std::string missing = root + "\\予定表.txt";
         EXPECT_TRUE(Failed(Copy(box.port(), {missing}, {root + "\\表示"}, kYes)));
         EXPECT_TRUE(Failed(Delete(box.port(), {missing}, kYes)));
         EXPECT_EQ(box.Questions(), 0);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\予定表.txt"), -1);
       }},
      {"with every question answered yes, items are copied over, moved and deleted",
       [=](ShellSandbox& box, const std::string& root) {
         two_files(box, root);
         box.MakeFile(root + "\\能力.txt", "abc");
         ShellPort& shell = box.port();
         EXPECT_EQ(Copy(shell, {root + "\\ソフト.txt"}, {root + "\\表示"}, kYes), 0);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\ソフト.txt"), 5);
         EXPECT_EQ(Copy(shell, {root + "\\ソフト.txt", root + "\\能力.txt"},
                        {root + "\\表示\\十.txt", root + "\\表示\\申.txt"},
                        kFofMultiDestFiles | kYes),
                   0);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\十.txt"), 5);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\申.txt"), 3);
         EXPECT_EQ(Copy(shell, {root + "\\能力.txt"}, {root + "\\表示"}, kYes, 1), 0);
         EXPECT_EQ(box.SizeOf(root + "\\能力.txt"), -1);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\能力.txt"), 3);
         EXPECT_EQ(Delete(shell, {root + "\\ソフト.txt", root + "\\表示\\十.txt"}, kYes), 0);
         EXPECT_EQ(box.SizeOf(root + "\\ソフト.txt"), -1);
         EXPECT_EQ(box.SizeOf(root + "\\表示\\十.txt"), -1);
         EXPECT_EQ(box.Questions(), 0);
       }},
      {"a watch fires for a change in its own folder and not for one in another",
       [=](ShellSandbox& box, const std::string& root) {
         box.MakeFolder(root + "\\表示");
         box.MakeFolder(root + "\\能力");
         ShellPort& shell = box.port();
         auto here = shell.WatchFolder(root + "\\表示");
         auto there = shell.WatchFolder(root + "\\能力\\");
         ASSERT_TRUE(here && there);
         box.MakeFile(root + "\\表示\\ソフト.txt", "x");
         EXPECT_TRUE(here->Fired());
         EXPECT_FALSE(there->Fired());
         // A file operation is a change as any other.
         auto again = shell.WatchFolder(root + "\\能力");
         ASSERT_TRUE(again);
         EXPECT_FALSE(again->Fired());
         EXPECT_EQ(Copy(shell, {root + "\\表示\\ソフト.txt"}, {root + "\\能力"}, kYes), 0);
         EXPECT_TRUE(again->Fired());
       }},
      {"a missing folder cannot be watched",
       [=](ShellSandbox& box, const std::string& root) {
         EXPECT_EQ(box.port().WatchFolder(root + "\\予定表"), nullptr);
       }},
      {"a shortcut saved and loaded again gives its target and arguments back",
       [=](ShellSandbox& box, const std::string& root) {
         two_files(box, root);
         ShellPort& shell = box.port();
         const std::string to_file = root + "\\予定表.lnk", to_folder = root + "\\能力.lnk";
         ASSERT_TRUE(shell.SaveShortcut(
             to_file, {root + "\\表示\\ソフト.txt", "/x \"能力 表\"", root + "\\表示", "説明"}));
         ASSERT_TRUE(shell.SaveShortcut(to_folder, {root + "\\表示", "", "", ""}));
         for (int round = 0; round < 2; ++round) {  // nothing of one load is left for the next
           const ShellPort::Shortcut file = shell.ResolveShortcut(to_file);
           EXPECT_TRUE(file.loaded && file.ok);
           EXPECT_EQ(file.target, root + "\\表示\\ソフト.txt");
           EXPECT_EQ(file.arguments, "/x \"能力 表\"");
           EXPECT_FALSE(file.folder);
           const ShellPort::Shortcut folder = shell.ResolveShortcut(to_folder);
           EXPECT_TRUE(folder.loaded && folder.ok);
           EXPECT_EQ(folder.target, root + "\\表示");
           EXPECT_EQ(folder.arguments, "");
           EXPECT_TRUE(folder.folder);
         }
         // Saved again over itself, it names the new target.
         ASSERT_TRUE(shell.SaveShortcut(to_file, {root + "\\ソフト.txt", "", "", ""}));
         const ShellPort::Shortcut moved = shell.ResolveShortcut(to_file);
         EXPECT_EQ(moved.target, root + "\\ソフト.txt");
         EXPECT_EQ(moved.arguments, "");
       }},
      {"a program that is not there does not start",
       [=](ShellSandbox& box, const std::string& root) {
         EXPECT_FALSE(box.port().Open(root + "\\ソフト.exe", ""));
         EXPECT_FALSE(box.port().Open(root + "\\予定表\\tool.exe", "/a b"));
       }},
      {"a file that is no shortcut, or none at all, does not load; none is written into a "
       "missing folder",
       [=](ShellSandbox& box, const std::string& root) {
         box.MakeFile(root + "\\偽物.lnk", "not a shortcut");
         for (const char* name : {"\\偽物.lnk", "\\missing.lnk"}) {
           const ShellPort::Shortcut none = box.port().ResolveShortcut(root + name);
           EXPECT_FALSE(none.loaded) << name;
           EXPECT_FALSE(none.ok) << name;
         }
         EXPECT_FALSE(
             box.port().SaveShortcut(root + "\\予定表\\a.lnk", {root + "\\偽物.lnk", "", "", ""}));
         EXPECT_EQ(box.SizeOf(root + "\\予定表\\a.lnk"), -1);
       }},
  };
}

// Runs every case, each in a sandbox of its own from `make`.
inline void RunShellCases(const std::function<std::unique_ptr<ShellSandbox>()>& make) {
  for (const ShellCase& c : ShellCases()) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<ShellSandbox> box = make();
    c.run(*box, box->root());
  }
}

}  // namespace qd::test
