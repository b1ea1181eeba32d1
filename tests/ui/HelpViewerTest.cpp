// The help viewer: loading the help text, paging through it, and the text shipped with the
// program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "AuxFixture.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "ListInput.h"
#include "ShiftJis.h"

namespace zen::test {
namespace {

std::vector<std::string> withEnd(std::vector<std::string> lines) {
  lines.push_back("//");
  return lines;
}

// The printed lines of the page: the items from first to last, each after one blank.
std::vector<std::string> pageOf(const std::vector<std::string>& items, int first, int last) {
  std::vector<std::string> page;
  for (int i = first; i <= last; ++i) page.push_back(" " + items.at(static_cast<std::size_t>(i)));
  return page;
}

class HelpViewerTest : public AuxTest {
 protected:
  // Opens the viewer (or, when it is open, closes it) with the HELP button.
  void help() { press("helpButton"); }
  HelpWindow& viewer() {
    HelpWindow* w = app.find<HelpWindow>();
    if (!w) throw std::runtime_error("the help viewer is not open");
    return *w;
  }
  const std::vector<std::string>& page() { return viewer().page().printedLines(); }
  ScrollBar& scroll() { return viewer().scrollBar(); }
};

TEST_F(HelpViewerTest, HundredLinesPageFromZeroToSeventy) {
  const auto lines = NumberedLines(100);
  writeHelp(withEnd(lines));
  help();
  EXPECT_EQ(scroll().minimum(), 0);
  EXPECT_EQ(scroll().maximum(), 70);
  EXPECT_EQ(scroll().value(), 0);
  EXPECT_EQ(page(), pageOf(lines, 0, 30));

  scroll().setValue(70);
  EXPECT_EQ(page(), pageOf(lines, 70, 99));  // the end marker is never shown
  scroll().setValue(35);
  EXPECT_EQ(page(), pageOf(lines, 35, 65));
  scroll().setValue(500);  // the bar keeps within its range
  EXPECT_EQ(scroll().value(), 70);
  EXPECT_EQ(page(), pageOf(lines, 70, 99));
}

TEST_F(HelpViewerTest, ListInputShapesTheLines) {
  writeHelp({"one, two", "", "   indented", "\"quoted, kept\"", "終わり", "//", "never read"});
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" one", " two", " ", " indented", " quoted, kept", " 終わり"}));
  EXPECT_EQ(app.helpLines()[6], "//");
  EXPECT_EQ(app.helpLines()[7], "");  // nothing after the end marker is read
  EXPECT_EQ(scroll().maximum(), 0);
}

TEST_F(HelpViewerTest, ShorterFileAfterALongerOneLeavesOldItemsBehindTheMarker) {
  writeHelp(withEnd(NumberedLines(100, "old ")));
  help();
  help();
  writeHelp(withEnd(NumberedLines(10, "new ")));
  help();
  EXPECT_EQ(page(), pageOf(NumberedLines(10, "new "), 0, 9));
  EXPECT_EQ(scroll().maximum(), 0);
  EXPECT_EQ(app.helpLines()[10], "//");
  EXPECT_EQ(app.helpLines()[11], "old 11");  // left behind, never shown
  EXPECT_EQ(app.helpLines()[100], "//");
}

TEST_F(HelpViewerTest, ScrollRangeIsClampedToTheBuffer) {
  struct Case {
    int lines;
    bool endMarker;
    int maximum;
  };
  const Case cases[] = {
      {0, true, 0},     {10, true, 0},    {30, true, 0},   {31, true, 1},
      {100, true, 70},  {200, true, 170},
      {5, false, 0},     // a file cut short ends its text where it ends
      {250, false, 170},  // no end marker within 201 items: shown up to item 200
  };
  for (const auto& c : cases) {
    app.helpLines().fill("");
    auto lines = NumberedLines(c.lines);
    writeHelp(c.endMarker ? withEnd(lines) : lines);
    help();
    SCOPED_TRACE(std::to_string(c.lines) + (c.endMarker ? " lines and //" : " lines"));
    EXPECT_EQ(scroll().maximum(), c.maximum);
    const int shown = std::min(c.lines, kHelpPageLines);
    EXPECT_EQ(page(), pageOf(lines, 0, shown - 1));
    scroll().setValue(c.maximum);
    const int last = std::min(c.lines, kHelpLineCount) - 1;
    EXPECT_EQ(page(), pageOf(lines, c.maximum, std::min(last, c.maximum + kHelpPageLines - 1)));
    help();
  }
}

// The reading keys move the bar as its arrows, trough and ends do; on the last page the reader goes
// on to the last line. A reader moving to a line (-1 - line) brings it into the page.
TEST_F(HelpViewerTest, ReadingKeysScrollLikeTheBarAndReachTheLastLine) {
  using K = HelpWindow::ReadKey;
  writeHelp(withEnd(NumberedLines(40)));  // pages start at 0..10
  help();
  EXPECT_EQ(viewer().page().readerLines(), NumberedLines(40));
  EXPECT_EQ(viewer().focus(), &viewer().page());
  EXPECT_TRUE(viewer().get<CommandButton>("closeButton").isCancel());  // Escape closes, as HELP END does
  const int steps[][3] = {{int(K::LineDown), 1, 1}, {int(K::PageDown), 10, 10}, {int(K::LineDown), 10, 11},
                          {int(K::Bottom), 10, 39}, {int(K::LineDown), 10, 39}, {int(K::LineUp), 10, 38},
                          {int(K::PageUp), 0, 0},   {int(K::LineUp), 0, 0},     {int(K::PageDown), 10, 10},
                          {int(K::PageDown), 10, 39}, {int(K::Top), 0, 0},    {-1 - 35, 10, 35},
                          {-1 - 12, 10, 12},        {-1 - 2, 2, 2}};
  for (const auto& [key, top, line] : steps) {
    if (key >= 0) {
      viewer().readKey(K(key));
    } else {
      viewer().readerMovedTo(-1 - key);
    }
    EXPECT_EQ(scroll().value(), top);
    EXPECT_EQ(viewer().page().readerLine(), line);
    EXPECT_EQ(page().front(), " line " + std::to_string(top));
  }
}

TEST_F(HelpViewerTest, AFullBufferEndingInTheMarkerIsNotReadAgain) {
  writeHelp(withEnd(NumberedLines(200, "first ")));
  help();
  help();
  writeHelp(withEnd(NumberedLines(5, "second ")));
  help();
  EXPECT_EQ(page().front(), " first 0");
  EXPECT_EQ(scroll().maximum(), 170);
}

TEST_F(HelpViewerTest, ClosingPressStillReloadsTheTextButLeavesTheViewerClosed) {
  writeHelp(withEnd({"before"}));
  help();
  writeHelp(withEnd({"after"}));
  help();
  EXPECT_EQ(app.find<HelpWindow>(), nullptr);
  EXPECT_EQ(app.helpLines()[0], "after");
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" after"}));
}

TEST_F(HelpViewerTest, ShiftJisTextIsShownAsWritten) {
  // A byte-order mark, which a modern editor may put in front, is not text.
  for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
    dir.write("ZENHELP.TXT", mark + Utf8ToShiftJis("色帯の値はΩで表示します\r\n//\r\n"));
    help();
    EXPECT_EQ(page(), (std::vector<std::string>{" 色帯の値はΩで表示します"})) << mark.size();
    help();
  }
}

TEST_F(HelpViewerTest, MissingFileFallsBackToTheInstalledCopy) {
  TempDir installed;
  installed.write("ZENHELP.TXT", HelpFileBytes({"installed", "//"}));
  platform.setInstalledDataFolder(installed.path());
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" installed"}));

  // A file in the program's own folder comes first.
  help();
  writeHelp({"own", "//"});
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" own"}));
}

TEST_F(HelpViewerTest, UnreadableFileFallsBackToTheInstalledCopy) {
  std::filesystem::create_directory(dir.path() / "ZENHELP.TXT");
  TempDir installed;
  installed.write("ZENHELP.TXT", HelpFileBytes({"installed", "//"}));
  platform.setInstalledDataFolder(installed.path());
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" installed"}));
}

TEST_F(HelpViewerTest, WithoutAFolderOfItsOwnTheStartFolderIsNotRead) {
  TempDir installed;
  installed.write("ZENHELP.TXT", HelpFileBytes({"installed", "//"}));
  platform.setInstalledDataFolder(installed.path());
  writeHelp({"start folder", "//"});
  app.setAppFolder({});
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  help();
  std::filesystem::current_path(start);
  EXPECT_EQ(page(), (std::vector<std::string>{" installed"}));
}

TEST_F(HelpViewerTest, NoFileAnywhereShowsOneLineSayingSo) {
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" " + std::string(kHelpMissingText)}));
  EXPECT_EQ(scroll().maximum(), 0);
  EXPECT_TRUE(platform.messages().empty());

  // Once the file is there, the next opening shows it.
  help();
  writeHelp({"found", "//"});
  help();
  EXPECT_EQ(page(), (std::vector<std::string>{" found"}));
}

// --- The help text shipped with the program -------------------------------------------------

std::string shippedHelpBytes() {
  std::ifstream in(std::filesystem::path(ZEN_ASSETS_DIR) / "ZENHELP.TXT", std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Display columns of a line in the page's fixed-pitch font: half-width characters take one,
// everything else two.
int columns(std::string_view utf8) {
  int n = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t cp = len == 1 ? c : (c & (0xFF >> (len + 1)));
    for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
    n += (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 1 : 2;
    i += len;
  }
  return n;
}

TEST(ShippedHelpTest, IsShiftJisWithCrLfAndEndsWithTheMarker) {
  const std::string bytes = shippedHelpBytes();
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(ShiftJisToUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos) << "a byte that is not Shift-JIS";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a line end without CR at byte " << i;
    }
    if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "a lone CR at byte " << i;
    }
  }
  EXPECT_TRUE(bytes.ends_with("\r\n//\r\n"));
}

TEST(ShippedHelpTest, EveryLineIsOneItemThatFitsThePage) {
  const std::string text = ShiftJisToUtf8(shippedHelpBytes());
  std::vector<std::string> fileLines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    fileLines.push_back(line);
  }
  ASSERT_EQ(fileLines.back(), "//");
  fileLines.pop_back();

  HelpLines items{};
  ASSERT_TRUE(ReadHelpFile(std::filesystem::path(ZEN_ASSETS_DIR) / "ZENHELP.TXT", items));
  const int end = HelpTextEnd(items);
  // More than a page, so paging matters, and within the buffer with its end marker.
  EXPECT_GT(end, kHelpPageLines);
  EXPECT_LT(end, kHelpLineCount);
  // A comma or a quote would split or swallow lines: every line of the file is exactly one item.
  ASSERT_EQ(static_cast<std::size_t>(end), fileLines.size());
  for (int i = 0; i < end; ++i) {
    const std::string& line = fileLines[static_cast<std::size_t>(i)];
    std::string expected = line;
    expected.erase(0, expected.find_first_not_of(" \t") == std::string::npos ? expected.size()
                                                                             : expected.find_first_not_of(" \t"));
    EXPECT_EQ(items[static_cast<std::size_t>(i)], expected) << "line " << i + 1;
    // The page is 441 pixels wide: 73 columns of the 9 pt font, the leading blank included.
    EXPECT_LE(columns(line) + 1, 72) << "line " << i + 1 << " is wider than the page";
  }
}

}  // namespace
}  // namespace zen::test
