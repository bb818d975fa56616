// What a file system port does, as cases that run on the fake natively and on
// the Win32 adapter under Wine, so that the fake answers as Windows does.
//
// Each case runs in a sandbox: a fresh folder, current when the case starts.
// Setup steps (Dir, File, Vanish) take paths below the sandbox. Every other
// string goes to the port as written, except for these leading tokens:
//   "@"  the sandbox folder ("@\\work" is the folder work in it),
//   "#"  the letter of the sandbox's drive ("#:" is that drive alone),
//   "%"  the letter of another drive that exists; cases that use it are
//        skipped when there is none.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filer/ports/file_system_port.h"

namespace qd::test {

enum class FsOp {
  Dir,          // make a folder
  File,         // make an empty file
  Vanish,       // remove a file or an empty folder behind the port's back
  Cd,           // ChangeDirectory succeeds
  CdFails,      // ChangeDirectory fails
  Cwd,          // CurrentDirectory is `arg`
  DriveCwd,     // DriveCurrentDirectory of drive `arg` ("#" or "%") is `names[0]`
  ChangeDrive,  // ChangeDrive to drive `arg` ("#" or "%") succeeds
  Find,         // Search finds exactly `names`, "." and ".." left aside
  Exists,       // Exists is true
  Missing,      // Exists is false
  Name,         // FindName gives `names[0]`
  Rename,       // Rename of `arg` to `names[0]` succeeds
  RenameFails,  // Rename of `arg` to `names[0]` fails
  MakeFolder,   // CreateFolder succeeds
  MakeFolderFails,
  MakeFile,     // CreateEmptyFile succeeds
  MakeFileFails,
};

struct FsStep {
  FsOp op;
  std::string arg;
  std::vector<std::string> names;
};

struct FileSystemCase {
  const char* what;
  std::vector<FsStep> steps;
};

inline FsStep Dir(std::string p) { return {FsOp::Dir, std::move(p), {}}; }
inline FsStep File(std::string p) { return {FsOp::File, std::move(p), {}}; }
inline FsStep Vanish(std::string p) { return {FsOp::Vanish, std::move(p), {}}; }
inline FsStep Cd(std::string p) { return {FsOp::Cd, std::move(p), {}}; }
inline FsStep CdFails(std::string p) { return {FsOp::CdFails, std::move(p), {}}; }
inline FsStep Cwd(std::string p) { return {FsOp::Cwd, std::move(p), {}}; }
inline FsStep DriveCwd(std::string drive, std::string p) {
  return {FsOp::DriveCwd, std::move(drive), {std::move(p)}};
}
inline FsStep ChangeDrive(std::string drive) { return {FsOp::ChangeDrive, std::move(drive), {}}; }
inline FsStep Find(std::string pattern, std::vector<std::string> names) {
  return {FsOp::Find, std::move(pattern), std::move(names)};
}
inline FsStep Exists(std::string p) { return {FsOp::Exists, std::move(p), {}}; }
inline FsStep Missing(std::string p) { return {FsOp::Missing, std::move(p), {}}; }
inline FsStep Name(std::string p, std::string name) {
  return {FsOp::Name, std::move(p), {std::move(name)}};
}
inline FsStep Rename(std::string from, std::string to) {
  return {FsOp::Rename, std::move(from), {std::move(to)}};
}
inline FsStep RenameFails(std::string from, std::string to) {
  return {FsOp::RenameFails, std::move(from), {std::move(to)}};
}
inline FsStep MakeFolder(std::string p) { return {FsOp::MakeFolder, std::move(p), {}}; }
inline FsStep MakeFolderFails(std::string p) { return {FsOp::MakeFolderFails, std::move(p), {}}; }
inline FsStep MakeFile(std::string p) { return {FsOp::MakeFile, std::move(p), {}}; }
inline FsStep MakeFileFails(std::string p) { return {FsOp::MakeFileFails, std::move(p), {}}; }

// Where Windows and Wine differ, or the fake does not follow, the cases keep
// out of the way: Windows lets "?" before a dot or at the end match nothing;
// both fold full-width and Greek letters; and a mask also matches 8.3 names,
// which Wine makes up for every name that is not one ("*z*" finds
// ホテル.TXT through its short name there), so no case has a mask that a
// made-up short name could match.
inline std::vector<FileSystemCase> FileSystemCases() {
  // 0x8D 0x41 (喉) is 溝 (0x8D 0x61) with its trail byte folded to upper case.
  const std::string folded_trail = "Ｂ\x8D\x41.txt";
  return {
      {"a folder is entered and reported without its trailing backslash",
       {Dir("work"), Cd("@\\work\\"), Cwd("@\\work"), Cd("@"), Cwd("@")}},
      {"relative names, . and .. are taken from the current folder",
       {Dir("work"), Dir("work\\sub"), Cd("work"), Cd("sub"), Cwd("@\\work\\sub"), Cd(".."),
        Cd("..\\work\\.\\sub"), Cwd("@\\work\\sub"), Cd("..\\.."), Cwd("@")}},
      {"a missing folder or a file cannot be entered and the folder stays",
       {Dir("work"), File("a.txt"), Cd("@\\work"), CdFails("@\\missing"), CdFails("missing"),
        CdFails("@\\a.txt"), CdFails("@\\missing\\work\\.."), Cwd("@\\work"),
        Cd("@\\missing\\..\\work"), Cwd("@\\work")}},
      {"a vanished folder can be neither entered nor searched",
       {Dir("gone"), File("gone\\a.txt"), File("b.txt"), Find("gone\\*", {"a.txt"}),
        Vanish("gone\\a.txt"), Vanish("gone"), Vanish("b.txt"), CdFails("@\\gone"), CdFails("gone"),
        Find("gone\\*", {}), Find("@\\gone\\*", {}), Find("*", {}), Missing("@\\gone"),
        Missing("b.txt"), Cwd("@")}},
      {"a drive alone is that drive's current folder",
       {Dir("work"), Cd("@\\work"), Cd("#:"), Cwd("@\\work"), DriveCwd("#", "@\\work")}},
      {"a drive and a relative path start from that drive's current folder",
       {Dir("work"), Dir("work\\sub"), Cd("@\\work"), Cd("#:sub"), Cwd("@\\work\\sub"),
        Find("#:*", {}), Cd("@"), Find("#:*", {"work"})}},
      {"a leading backslash starts from the root of the current drive",
       {Cd("\\"), Cwd("#:\\"), Cd("@"), Cwd("@")}},
      {"a root is found by no search",
       {Dir("work"), Missing("#:\\"), Missing("\\"), Exists("@\\work"), Missing("@\\work\\")}},
      {"a drive made current returns to the folder it had",
       {Dir("work"), Cd("@\\work"), ChangeDrive("%"), DriveCwd("#", "@\\work"), ChangeDrive("#"),
        Cwd("@\\work")}},
      {"a folder entered on another drive is remembered for both drives",
       {Dir("work"), Cd("@\\work"), Cd("%:\\"), DriveCwd("%", "%:\\"), DriveCwd("#", "@\\work"),
        Cd("#:"), Cwd("@\\work"), DriveCwd("%", "%:\\")}},
      {"names with a 0x5C trail byte round-trip",
       {Dir("表示"), Dir("表示\\十申"), File("表示\\ソフト.txt"), File("表示\\予定表.xls"),
        Cd("@\\表示"), Cwd("@\\表示"), Find("*", {"十申", "ソフト.txt", "予定表.xls"}), Cd("十申"),
        Cwd("@\\表示\\十申"), Cd(".."), Cwd("@\\表示"), Cd("@"),
        Find("表示\\*.txt", {"ソフト.txt"}), Find("@\\表示\\十申", {"十申"}),
        Name("@\\表示\\ソフト.txt", "ソフト.txt"), Name("表示\\十申", "十申"),
        Exists("@\\表示\\予定表.xls"), Cd("@\\表示\\十申\\"), Cwd("@\\表示\\十申")}},
      {"a search takes its folder from the pattern",
       {Dir("work"), File("work\\a.txt"), File("b.txt"), Find("work\\*.txt", {"a.txt"}),
        Find("@\\work\\*", {"a.txt"}), Find("*.txt", {"b.txt"}), Find("@\\work", {"work"}),
        Find("missing\\*", {})}},
      {"a mask finds folders as well as files",
       {Dir("notes.txt"), File("a.txt"), File("a.doc"), Find("*.txt", {"a.txt", "notes.txt"}),
        Find("*", {"a.doc", "a.txt", "notes.txt"}), Find("notes.*", {"notes.txt"})}},
      {"*.* finds names without a dot as well",
       {File("README"), File("a.txt"), Dir("sub"), Find("*.*", {"README", "a.txt", "sub"})}},
      {"letters match without regard to case; a folder keeps the case it is entered in",
       {File("Read.Me"), Dir("Sub"), File("漢字abc.TXT"), Find("*.ME", {"Read.Me"}),
        Find("read*", {"Read.Me"}), Find("漢字ABC.txt", {"漢字abc.TXT"}), Exists("@\\READ.ME"),
        Name("@\\SUB", "Sub"), Name("read.me", "Read.Me"), Cd("SUB"), Cwd("@\\SUB"), Cd(".."),
        Cwd("@")}},
      {"trail bytes are never folded nor matched alone",
       {File("ホテル.TXT"), File("セ.txt"), File("ァ.txt"), File("@.txt"), File("Ｂ溝.txt"),
        File(folded_trail), Find("セ*", {"セ.txt"}), Find("ホ*", {"ホテル.TXT"}),
        Find("*@*", {"@.txt"}), Find("*溝*", {"Ｂ溝.txt"})}},
      {"? is one character, a double-byte one included",
       {File("a.txt"), File("表.txt"), File("ｱ.txt"), File("ab.txt"), Dir("表示"),
        Find("?.txt", {"a.txt", "表.txt", "ｱ.txt"}), Find("?b.txt", {"ab.txt"}),
        Find("表?", {"表示"}), Find("?示", {"表示"}), Find("??", {"表示"})}},
      {"a rename keeps every byte of the new name and never overwrites an item",
       {File("ソフト.txt"), File("b.txt"), Dir("十申"), Rename("@\\ソフト.txt", "@\\予定表.txt"),
        Find("*.txt", {"b.txt", "予定表.txt"}), Rename("十申", "表示"), Find("表示", {"表示"}),
        RenameFails("@\\予定表.txt", "@\\b.txt"), RenameFails("@\\missing.txt", "@\\c.txt"),
        Exists("@\\予定表.txt"), Exists("@\\b.txt"), Missing("@\\ソフト.txt")}},
      {"a rename may change the letter case only",
       {File("memo.txt"), Dir("sub"), Rename("@\\memo.txt", "@\\Memo.TXT"),
        Name("memo.txt", "Memo.TXT"), Rename("sub", "SUB"), Name("sub", "SUB")}},
      {"a folder and an empty file are made once, and never over an item of that name",
       {MakeFolder("@\\新規フォルダ"), MakeFile("@\\ソフト.txt"), MakeFile("表"),
        Find("*", {"新規フォルダ", "ソフト.txt", "表"}), Find("新規フォルダ\\*", {}),
        Cd("新規フォルダ"), Cd(".."), MakeFolderFails("@\\新規フォルダ"),
        MakeFileFails("@\\新規フォルダ"), MakeFolderFails("@\\ソフト.txt"),
        MakeFileFails("@\\ソフト.TXT"), MakeFolderFails("@\\表"),
        Find("*", {"新規フォルダ", "ソフト.txt", "表"})}},
      {"a name whose trail bytes are \"|\" is one the system takes",
       {File("a.txt"), Rename("@\\a.txt", "@\\ポスト.txt"), MakeFile("@\\竹掛け.txt"),
        MakeFolder("@\\ポスト"), RenameFails("@\\ポスト.txt", "@\\ポ|スト.txt"),
        Find("*", {"ポスト.txt", "竹掛け.txt", "ポスト"})}},
      {"an item is not made in a missing folder nor under a name the system refuses",
       {MakeFolderFails("@\\missing\\sub"), MakeFileFails("@\\missing\\a.txt"),
        MakeFolderFails("@\\a?b"), MakeFileFails("@\\a*b.txt"), MakeFileFails("@\\a<b"),
        MakeFolderFails("@\\a|b"), Find("*", {})}},
  };
}

// What a case needs of the place it runs in.
class FileSystemSandbox {
 public:
  virtual ~FileSystemSandbox() = default;
  virtual FileSystemPort& port() = 0;
  // The sandbox folder, absolute, as the port reports it once current.
  virtual std::string root() = 0;
  // Absolute paths, behind the port's back.
  virtual void MakeFolder(const std::string& path) = 0;
  virtual void MakeFile(const std::string& path) = 0;
  virtual void Remove(const std::string& path) = 0;
  // A drive other than the sandbox's that can be made current (1 is A);
  // 0 when there is none.
  virtual int OtherDrive() = 0;
};

inline bool UsesOtherDrive(const FileSystemCase& c) {
  for (const FsStep& s : c.steps) {
    if (s.arg.find('%') != std::string::npos) return true;
    for (const std::string& n : s.names)
      if (n.find('%') != std::string::npos) return true;
  }
  return false;
}

namespace fs_cases {

class NameSink : public EntrySink {
 public:
  void Add(const FoundEntry& e) override {
    if (e.name != "." && e.name != "..") names.emplace_back(e.name);
  }
  std::vector<std::string> names;
};

inline std::string Describe(const FsStep& s) {
  static const char* const kOps[] = {"Dir",     "File",   "Vanish",   "Cd",
                                     "CdFails", "Cwd",    "DriveCwd", "ChangeDrive",
                                     "Find",    "Exists", "Missing",  "Name",
                                     "Rename",  "RenameFails", "MakeFolder", "MakeFolderFails",
                                     "MakeFile", "MakeFileFails"};
  return std::string(kOps[static_cast<int>(s.op)]) + "(" + s.arg + ")";
}

}  // namespace fs_cases

// Runs every case, each in a sandbox of its own from `make`.
inline void RunFileSystemCases(const std::function<std::unique_ptr<FileSystemSandbox>()>& make) {
  for (const FileSystemCase& c : FileSystemCases()) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<FileSystemSandbox> box = make();
    const int other = box->OtherDrive();
    if (UsesOtherDrive(c) && other == 0) {
      std::printf("[ SKIPPED  ] no second drive for: %s\n", c.what);
      continue;
    }
    FileSystemPort& fs = box->port();
    const std::string root = box->root();
    ASSERT_TRUE(fs.ChangeDirectory(root)) << root;
    const std::string home(1, root[0]);
    const std::string away(1, static_cast<char>('A' + other - 1));
    auto expand = [&](const std::string& s) {
      if (s.empty()) return s;
      if (s[0] == '@') return root + s.substr(1);
      if (s[0] == '#') return home + s.substr(1);
      if (s[0] == '%') return away + s.substr(1);
      return s;
    };
    auto drive = [&](const std::string& s) { return expand(s)[0] - 'A' + 1; };
    for (const FsStep& s : c.steps) {
      const std::string step = fs_cases::Describe(s);
      const std::string arg = expand(s.arg);
      switch (s.op) {
        case FsOp::Dir:
          box->MakeFolder(root + "\\" + s.arg);
          break;
        case FsOp::File:
          box->MakeFile(root + "\\" + s.arg);
          break;
        case FsOp::Vanish:
          box->Remove(root + "\\" + s.arg);
          break;
        case FsOp::Cd:
          EXPECT_TRUE(fs.ChangeDirectory(arg)) << step;
          break;
        case FsOp::CdFails:
          EXPECT_FALSE(fs.ChangeDirectory(arg)) << step;
          break;
        case FsOp::Cwd:
          EXPECT_EQ(fs.CurrentDirectory(), arg) << step;
          break;
        case FsOp::DriveCwd: {
          std::string path;
          EXPECT_TRUE(fs.DriveCurrentDirectory(drive(s.arg), &path)) << step;
          EXPECT_EQ(path, expand(s.names[0])) << step;
          break;
        }
        case FsOp::ChangeDrive:
          EXPECT_TRUE(fs.ChangeDrive(drive(s.arg))) << step;
          break;
        case FsOp::Find: {
          fs_cases::NameSink sink;
          fs.Search(arg, sink);
          std::vector<std::string> expected = s.names;
          std::sort(sink.names.begin(), sink.names.end());
          std::sort(expected.begin(), expected.end());
          EXPECT_EQ(sink.names, expected) << step;
          break;
        }
        case FsOp::Exists:
          EXPECT_TRUE(fs.Exists(arg)) << step;
          break;
        case FsOp::Missing:
          EXPECT_FALSE(fs.Exists(arg)) << step;
          break;
        case FsOp::Name: {
          std::string name;
          EXPECT_TRUE(fs.FindName(arg, &name)) << step;
          EXPECT_EQ(name, s.names[0]) << step;
          break;
        }
        case FsOp::Rename:
          EXPECT_TRUE(fs.Rename(arg, expand(s.names[0]))) << step;
          break;
        case FsOp::RenameFails:
          EXPECT_FALSE(fs.Rename(arg, expand(s.names[0]))) << step;
          break;
        case FsOp::MakeFolder:
          EXPECT_TRUE(fs.CreateFolder(arg)) << step;
          break;
        case FsOp::MakeFolderFails:
          EXPECT_FALSE(fs.CreateFolder(arg)) << step;
          break;
        case FsOp::MakeFile:
          EXPECT_TRUE(fs.CreateEmptyFile(arg)) << step;
          break;
        case FsOp::MakeFileFails:
          EXPECT_FALSE(fs.CreateEmptyFile(arg)) << step;
          break;
      }
    }
  }
}

}  // namespace qd::test
