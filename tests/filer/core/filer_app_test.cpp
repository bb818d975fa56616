#include "filer/core/filer_app.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "settings/command_table.h"
#include "settings/ini_settings_file.h"
#include "tests/fakes/temp_dir.h"

namespace qd {
namespace {

const std::string kPathNotify = std::to_string(CmdPathNotify);

// Records what start-up does, in order.
class FakeStartup : public StartupPort {
 public:
  explicit FakeStartup(std::string ini_path) : settings(std::move(ini_path)) {}

  bool InitialiseOle() override {
    log.push_back("ole");
    return ole_ok;
  }
  void ShowInitialisationError() override { log.push_back("init-error"); }
  void LoadRichEdit() override { log.push_back("richedit"); }
  std::string ModulePath() override { return module_path; }
  std::string CommandLine() override { return command_line; }
  SettingsFile& BindSettings(const std::string& path) override {
    log.push_back("bind " + path);
    return settings;
  }
  bool CreateInstanceMutex(const std::string& name) override {
    log.push_back("mutex " + name);
    return mutex_exists;
  }
  void CloseInstanceMutex() override { log.push_back("close-mutex"); }
  Window FirstTopLevelWindow() override { return titles.empty() ? 0 : 1; }
  Window NextTopLevelWindow(Window w) override { return w < titles.size() ? w + 1 : 0; }
  std::string WindowTitle(Window w) override { return titles.at(w - 1); }
  // Every window belongs to this copy unless the test says otherwise.
  std::string WindowProgramPath(Window w) override {
    auto it = programs.find(w);
    return it == programs.end() ? module_path : it->second;
  }
  void Wait(int ms) override {
    waited += ms;
    // A copy still starting shows its window after a while.
    if (late_title && waited >= late_after_ms) titles.push_back(*late_title);
    if (late_title && waited >= late_after_ms) late_title.reset();
  }
  bool IsMinimised(Window w) override { return minimised.count(w) != 0; }
  void Restore(Window w) override { log.push_back("restore " + std::to_string(w)); }
  void ForegroundLastActivePopup(Window w) override {
    log.push_back("foreground " + std::to_string(w));
  }
  void PostCommand(Window w, int id) override {
    log.push_back("post " + std::to_string(w) + " " + std::to_string(id));
  }
  void RunFilerWindow(SettingsFile&, const std::string& path, const std::string& pending) override {
    log.push_back("run " + path + " [" + pending + "]");
  }

  IniSettingsFile settings;
  bool ole_ok = true;
  bool mutex_exists = false;
  std::string module_path = "D:\\Tools\\Qd\\Qd.exe";
  std::string command_line = "\"D:\\Tools\\Qd\\Qd.exe\" C:\\表示";
  std::vector<std::string> titles;
  std::map<Window, std::string> programs;
  std::optional<std::string> late_title;
  int late_after_ms = 0;
  int waited = 0;
  std::set<Window> minimised;
  std::vector<std::string> log;
};

class StartupTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  FakeStartup port{dir.File("Qd.ini")};
  const std::string mutex = "mutex （;￢_￢）D:/Tools/Qd/Qd.ini";
};

TEST_F(StartupTest, OleFailureShowsTheErrorAndEnds) {
  port.ole_ok = false;
  EXPECT_EQ(RunFiler(port), StartupOutcome::InitialisationFailed);
  EXPECT_EQ(port.log, (std::vector<std::string>{"ole", "init-error"}));
}

TEST_F(StartupTest, FirstInstanceRunsTheWindowAndHoldsTheMutexUntilItCloses) {
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  EXPECT_EQ(RunFiler(port), StartupOutcome::RanFiler);
  EXPECT_EQ(port.log,
            (std::vector<std::string>{"ole", "richedit", "bind D:\\Tools\\Qd\\Qd.ini", mutex,
                                      "run D:\\Tools\\Qd\\Qd.ini [C:\\表示]", "close-mutex"}));
}

TEST_F(StartupTest, SecondInstanceWithoutNewProcRunsAsWell) {
  port.mutex_exists = true;
  port.titles = {" Qd - [C:\\*.*]"};
  EXPECT_EQ(RunFiler(port), StartupOutcome::RanFiler);
  EXPECT_EQ(port.log.back(), "close-mutex");
  EXPECT_EQ(port.settings.ReadString("Etc", "CmdLine", "untouched"), "untouched");
}

TEST_F(StartupTest, HandOverGoesToTheFirstWindowFromTheTopWithTheTitlePrefix) {
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  port.mutex_exists = true;
  port.titles = {"Qd", " qd - [C:\\]", "Qd - [C:\\]", " Qd - [", " Qd - [D:\\*.*]", " Qd - [E:\\]"};
  port.minimised = {4};
  EXPECT_EQ(RunFiler(port), StartupOutcome::HandedOver);
  EXPECT_EQ(port.log,
            (std::vector<std::string>{"ole", "richedit", "bind D:\\Tools\\Qd\\Qd.ini", mutex,
                                      "close-mutex", "restore 4", "foreground 4", "post 4 " + kPathNotify}));
  EXPECT_EQ(port.settings.ReadString("Etc", "CmdLine", ""), "C:\\表示");
}

TEST_F(StartupTest, HandOverWithoutArgumentWritesAnEmptySlot) {
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  port.settings.WriteString("Etc", "CmdLine", "old");
  port.mutex_exists = true;
  port.command_line = "Qd.exe";
  port.titles = {" Qd - [C:\\*.*]"};
  EXPECT_EQ(RunFiler(port), StartupOutcome::HandedOver);
  EXPECT_EQ(port.settings.ReadString("Etc", "CmdLine", "missing"), "");
  EXPECT_EQ(port.log.back(), "post 1 " + kPathNotify);
}

TEST_F(StartupTest, TheHandOverGoesOnlyToAFilerOfTheSameCopy) {
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  port.mutex_exists = true;
  // B's filer is on top; A's (this copy, in another case) below it.
  port.titles = {" Qd - [C:\\b\\*.*]", " Qd - [C:\\a\\*.*]"};
  port.programs = {{1, "E:\\CopyB\\Qd.exe"}, {2, "d:\\tools\\QD\\Qd.exe"}};
  EXPECT_EQ(RunFiler(port), StartupOutcome::HandedOver);
  EXPECT_EQ(port.log.back(), "post 2 " + kPathNotify);
  EXPECT_EQ(port.waited, 0);
}

TEST_F(StartupTest, AFilerStillStartingIsWaitedFor) {
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  port.mutex_exists = true;
  port.titles = {"Qd", "Program Manager"};  // the first filer is still starting
  port.late_title = " Qd - [C:\\*.*]";
  port.late_after_ms = 500;
  EXPECT_EQ(RunFiler(port), StartupOutcome::HandedOver);
  EXPECT_EQ(port.log.back(), "post 3 " + kPathNotify);
  EXPECT_EQ(port.waited, 500);
  EXPECT_EQ(port.settings.ReadString("Etc", "CmdLine", ""), "C:\\表示");
}

TEST_F(StartupTest, WhenNoFilerOfThisCopyAnswersItRunsAsTheFilerWithThePath) {
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  port.settings.WriteString("Etc", "CmdLine", "");
  port.mutex_exists = true;
  port.titles = {" Qd - [C:\\b\\*.*]"};
  port.programs = {{1, "E:\\CopyB\\Qd.exe"}};
  EXPECT_EQ(RunFiler(port), StartupOutcome::RanFiler);
  EXPECT_EQ(port.waited, (kHandOverAttempts - 1) * kHandOverWaitMs);
  EXPECT_EQ(port.log[port.log.size() - 2], "run D:\\Tools\\Qd\\Qd.ini [C:\\表示]");
  EXPECT_EQ(port.log.back(), "close-mutex");
  // B's slot and ours are untouched: nothing was handed over.
  EXPECT_EQ(port.settings.ReadString("Etc", "CmdLine", "x"), "");
}

TEST_F(StartupTest, QuotesAroundThePathGoAndLineBreaksAreNoPath) {
  struct Case {
    const char* command_line;
    const char* path;
  } cases[] = {
      {"Qd.exe \"C:\\a b\"", "C:\\a b"},
      {"Qd.exe \"C:\\a b\"  ", "C:\\a b"},
      {"Qd.exe \"C:\\十申\"", "C:\\十申"},
      {"Qd.exe \"C:\\a", "\"C:\\a"},
      {"Qd.exe \"\"", ""},
      {"Qd.exe C:\\a\r\n[Key]\r\n2067=32774", ""},
      {"Qd.exe C:\\a\n", ""},
  };
  port.settings.WriteInt("Conf-Main", "NewProc", 1);
  port.mutex_exists = true;
  port.titles = {" Qd - [C:\\*.*]"};
  for (const Case& c : cases) {
    port.command_line = c.command_line;
    port.settings.WriteString("Etc", "CmdLine", "stale");
    EXPECT_EQ(RunFiler(port), StartupOutcome::HandedOver) << c.command_line;
    EXPECT_EQ(port.settings.ReadString("Etc", "CmdLine", "x"), c.path) << c.command_line;
    EXPECT_TRUE(port.settings.ReadSection("Key").empty()) << c.command_line;
  }
  port.mutex_exists = false;
  port.command_line = "Qd.exe \"C:\\a b\"";
  RunFiler(port);
  EXPECT_EQ(port.log[port.log.size() - 2], "run D:\\Tools\\Qd\\Qd.ini [C:\\a b]");
}

TEST(CommandLineTail, IsTheTextAfterTheProgramNameUnchanged) {
  struct Case {
    const char* command_line;
    const char* tail;
  } cases[] = {
      {"Qd.exe", ""},
      {"\"C:\\Program Files\\Qd\\Qd.exe\"", ""},
      {"\"C:\\Program Files\\Qd\\Qd.exe\" C:\\表示", "C:\\表示"},
      {"Qd.exe C:\\x", "C:\\x"},
      {"Qd.exe   \"C:\\a b\\c.txt\"  ", "\"C:\\a b\\c.txt\"  "},
      {"Qd.exe\tC:\\十申\\", "C:\\十申\\"},
      {"\"C:\\Qd\\Qd.exe\"C:\\x", "C:\\x"},
      {"\"unterminated", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CommandLineTail(c.command_line), c.tail) << c.command_line;
}

TEST(InstanceMutexName, IsTheFaceFollowedByTheSettingsPathWithoutBackslashes) {
  EXPECT_EQ(InstanceMutexName("D:\\Tools\\Qd\\Qd.ini"), "（;￢_￢）D:/Tools/Qd/Qd.ini");
  EXPECT_EQ(InstanceMutexName("C:\\表\\Qd.ini").substr(0, 10),
            "\x81\x69;\x81\xca_\x81\xca\x81\x6a");
  // Trail bytes 0x5C stay: the names keep their characters.
  EXPECT_EQ(InstanceMutexName("C:\\表\\十申\\Qd.ini"), "（;￢_￢）C:/表/十申/Qd.ini");
  EXPECT_NE(InstanceMutexName("C:\\a\\Qd.ini"), InstanceMutexName("C:\\b\\Qd.ini"));
}

}  // namespace
}  // namespace qd
