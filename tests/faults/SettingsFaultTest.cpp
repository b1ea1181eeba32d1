// The settings file under faults, the way a user meets them: start, store a slot, Quit.

#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "CalculatorFixture.h"
#include "SavedValues.h"

namespace zen::test {
namespace {

namespace fs = std::filesystem;

const std::string kOmega = "\x83\xB6";

std::vector<std::string> goodEntries() {
  return Entries({{1, " 1800"}, {2, " 2400"}, {3, "4.7K" + kOmega}, {4, "65535"}, {5, "16711935"}, {6, "255"},
                  {7, "49344"}, {32, "reserved"}});
}

std::vector<std::string> leftovers(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& item : fs::directory_iterator(folder)) {
    const std::string name = item.path().filename().string();
    if (name.rfind(std::string(kSettingsFileName) + ".", 0) == 0) found.push_back(name);
  }
  return found;
}

// What a run does before Quit: type a value, keep it in slot B, let the position be recorded.
void useTheCalculator(App& app) {
  CalculatorWindow& calculator = app.calculator();
  calculator.entryBox().userEdit("4700");
  calculator.get<CommandButton>("slotBButton").press();
  calculator.userMoved(3000, 2000);
  calculator.positionTimer().tick();
}

void quit(App& app) { app.calculator().get<CommandButton>("quitButton").press(); }

// --- Files and folders the program may not replace ----------------------------------------------

enum class Fault { None, UnreadableFile, Fifo, LinkToDevice, WriteProtectedFile, ReadOnlyFolder };

struct FaultCase {
  const char* name;
  Fault fault;
  const char* reason;  // a part of the message's reason; none when the save goes through
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class SettingsFault : public UiTest, public ::testing::WithParamInterface<FaultCase> {
 protected:
  fs::path file() const { return dir.path() / kSettingsFileName; }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write, ignored);
  }
};

TEST_P(SettingsFault, QuitLeavesWhatItMayNotReplaceAndSaysWhyOnce) {
  const FaultCase& c = GetParam();
  const std::string original = SettingsBytes(goodEntries());
  switch (c.fault) {
    case Fault::None:
    case Fault::UnreadableFile:
    case Fault::WriteProtectedFile:
    case Fault::ReadOnlyFolder: writeSettings(goodEntries()); break;
    case Fault::Fifo: ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0); break;
    case Fault::LinkToDevice:
      dir.makeDevice("device");
      fs::create_symlink(dir.path() / "device", file());
      break;
  }
  const fs::file_status before = fs::symlink_status(file());
  if (c.fault == Fault::UnreadableFile) fs::permissions(file(), fs::perms::owner_write);
  if (c.fault == Fault::WriteProtectedFile) fs::permissions(file(), static_cast<fs::perms>(0444));
  if (c.fault == Fault::ReadOnlyFolder) fs::permissions(dir.path(), static_cast<fs::perms>(0555));

  app.start();
  useTheCalculator(app);
  quit(app);
  fs::permissions(dir.path(), fs::perms::owner_all);

  EXPECT_TRUE(app.ended());
  EXPECT_EQ(platform.endProgramCalls(), 1);
  EXPECT_TRUE(leftovers(dir.path()).empty());
  if (c.reason == nullptr) {
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_NE(settingsFile(), original);
    return;
  }
  ASSERT_EQ(platform.messages().size(), 1u);
  const std::string& text = platform.messages().front().text;
  EXPECT_EQ(text.rfind("設定を保存できませんでした。", 0), 0u) << text;
  EXPECT_NE(text.find(file().string()), std::string::npos) << text;
  EXPECT_NE(text.find(c.reason), std::string::npos) << text;
  EXPECT_EQ(fs::symlink_status(file()).type(), before.type());
  if (c.fault == Fault::LinkToDevice) {
    EXPECT_NE(fs::status(file()).type(), fs::file_type::regular);
  }
  if (fs::is_regular_file(fs::symlink_status(file()))) {
    fs::permissions(file(), fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(settingsFile(), original);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SettingsFault,
    ::testing::Values(FaultCase{"None", Fault::None, nullptr},
                      FaultCase{"UnreadableFile", Fault::UnreadableFile, "起動したときに読めなかった"},
                      FaultCase{"Fifo", Fault::Fifo, "通常のファイルではない"},
                      FaultCase{"LinkToDevice", Fault::LinkToDevice, "通常のファイルではない"},
                      FaultCase{"WriteProtectedFile", Fault::WriteProtectedFile, "書き込み禁止"},
                      FaultCase{"ReadOnlyFolder", Fault::ReadOnlyFolder, "フォルダーに書き込めません"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- In a child process ----------------------------------------------------------------------------

// Runs `body` in a child process and gives its wait status. The child ends with _exit, so nothing
// of the test runner runs twice.
template <class Body>
int inChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

// A file-size limit (as a full disk would) makes the save fail: the message comes, the old file
// stays, nothing is left beside it. Without care, the limit's signal kills the program at Quit.
TEST_F(UiTest, SizeLimitMakesQuitSayTheSaveFailed) {
  writeSettings(goodEntries());
  const int status = inChild([this] {
    const rlimit limit{128, 128};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    app.start();
    useTheCalculator(app);
    quit(app);
    const auto& messages = platform.messages();
    return messages.size() == 1 && messages[0].text.find("書き込みに失敗しました") != std::string::npos ? 0 : 1;
  });
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(settingsFile(), SettingsBytes(goodEntries()));
  EXPECT_TRUE(leftovers(dir.path()).empty());
}

// Entries big enough that a save takes a while, so that kills land inside it.
SavedValues bigValues(char fill) {
  SavedValues values;
  for (int n = 1; n <= entry::kCount; ++n) values.set(n, std::string(2000, static_cast<char>(fill + n % 7)));
  return values;
}

// A save killed at any moment leaves the old file or the new one, never anything else, and the
// next start leaves no temporary file behind.
TEST(SettingsKilledSave, LeavesOldOrNewBytesAndNothingAfterTheNextStart) {
  TempDir dir;
  const SavedValues versions[] = {bigValues('a'), bigValues('A')};
  const std::string bytes[] = {SettingsFileBytes(versions[0]), SettingsFileBytes(versions[1])};
  ASSERT_TRUE(SaveSettings(dir.path(), versions[0]).ok);

  const auto save = [&](const SavedValues& v) {
    return inChild([&] {
      SavedValues loaded;
      LoadSettings(dir.path(), loaded);
      for (int n = 1; n <= entry::kCount; ++n) loaded.set(n, v.get(n));
      return SaveSettings(dir.path(), loaded).ok ? 0 : 1;
    });
  };
  // How long a whole save takes here, so that the kills spread over all of it.
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(save(versions[1]), 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(save(versions[0]), 0);

  std::mt19937 random(20260);
  std::uniform_int_distribution<long> moment(0, whole.count() * 3 / 2);
  int outcomes[2] = {0, 0};
  int leftBehind = 0;
  for (int attempt = 0; attempt < 80; ++attempt) {
    const int next = attempt % 2 == 0 ? 1 : 0;
    const pid_t pid = ::fork();
    if (pid == 0) {
      SavedValues loaded;
      LoadSettings(dir.path(), loaded);
      for (int n = 1; n <= entry::kCount; ++n) loaded.set(n, versions[next].get(n));
      ::_exit(SaveSettings(dir.path(), loaded).ok ? 0 : 1);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);

    const std::string now = dir.read(kSettingsFileName);
    ASSERT_TRUE(now == bytes[0] || now == bytes[1]) << "attempt " << attempt << ": " << now.size() << " bytes";
    ++outcomes[now == bytes[1] ? 1 : 0];
    leftBehind += static_cast<int>(leftovers(dir.path()).size());
    SavedValues next_start;
    LoadSettings(dir.path(), next_start);
    ASSERT_EQ(leftovers(dir.path()), std::vector<std::string>{}) << "attempt " << attempt;
  }
  std::printf("a whole save: %ld us; killed saves: %d left the first version, %d the second; %d temporary files "
              "before the next start\n",
              static_cast<long>(whole.count()), outcomes[0], outcomes[1], leftBehind);
}

// Copies of the program that quit at the same moment, each having stored its own slot or moved
// its own window, keep every one of those changes.
TEST(SettingsCopiesAtOnce, EveryCopysChangeSurvives) {
  const int entries[] = {entry::slotValue(0), entry::slotValue(1), entry::slotValue(2), entry::slotValue(3),
                         entry::slotValue(4), entry::kHelpTop,     entry::kChartTop,    entry::kFrameTop};
  for (int round = 0; round < 10; ++round) {
    TempDir dir;
    SavedValues empty;
    ASSERT_TRUE(SaveSettings(dir.path(), empty).ok);
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> copies;
    for (const int n : entries) {
      const pid_t pid = ::fork();
      if (pid == 0) {
        ::close(gate[1]);
        SavedValues values;
        LoadSettings(dir.path(), values);
        values.set(n, "copy " + std::to_string(n));
        char go;
        if (::read(gate[0], &go, 1) != 0) ::_exit(2);  // every copy waits for the gate to open
        ::_exit(SaveSettings(dir.path(), values).ok ? 0 : 1);
      }
      copies.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (const pid_t pid : copies) {
      int status = 0;
      ::waitpid(pid, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    SavedValues after;
    LoadSettings(dir.path(), after);
    for (const int n : entries) EXPECT_EQ(after.get(n), "copy " + std::to_string(n)) << "round " << round;
  }
}

}  // namespace
}  // namespace zen::test
