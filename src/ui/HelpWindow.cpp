#include "HelpWindow.h"

#include <algorithm>

#include "App.h"

namespace zen {

HelpWindow::HelpWindow(App& app) : AuxWindow(app, "HelpWindow") {
  setCaption("HELP");
  setClientSize(7125, 7035);
  setBackColour(kHelpWindowBack);
  // The user may stretch the window; the page and its scroll bar keep their places.
  setBorder(BorderStyle::Sizeable);
  setIcon(":/assets/zentario.svg");

  auto& title = add<Label>("title");
  title.setBounds(2400, 120, 2175, 375);
  title.setCaption("色帯抵抗HELP");
  title.setForeColour(0xC00000);
  title.setFont(Font{"ＭＳ ゴシック", 12, true, false});
  title.setAlign(Align::Centre);
  title.setTransparent(true);

  auto& page = add<PictureBox>("page");
  page.setBounds(120, 720, 6615, 5655);
  page.setBackColour(kHelpPageBack);
  page.setForeColour(kSystemWindowText);
  page.setFont(Font{"ＭＳ ゴシック", 9, false, false});
  // A reader gets the page as read-only text, the first thing the keyboard reaches.
  page.setRole(Role::Text);
  page.setAccessibleName("HELP");
  page.setTabIndex(0);
  page_ = &page;

  auto& scroll = add<ScrollBar>("scrollBar");
  scroll.setBounds(6720, 720, 255, 5655);
  scroll.setRange(0, 0);
  // An arrow moves one line; the trough moves a page but keeps its last line in sight.
  scroll.setSmallChange(1);
  scroll.setLargeChange(kHelpPageLines - 1);
  scroll.setAccessibleName("HELP");
  scroll.onChange = [this] { scrolled(); };
  scroll_ = &scroll;

  auto& end = addCloseButton("HELP END", 3000, 6480, 1095, kSystemButtonFace);
  end.onClick = [this] { endPressed(); };
  end.setTabIndex(1);
  setFocus(page);

  positionTimer_ = &addTimer("positionTimer", 500);
  positionTimer_->onTick = [this] { positionTick(); };
  tiePositionRecorder(*positionTimer_, entry::kHelpTop, entry::kHelpLeft);
}

void HelpWindow::preparePage() {
  const HelpLines& lines = app().helpLines();
  page().setReaderLines({lines.begin(), lines.begin() + HelpTextEnd(lines)});
  page().cls();
  scrollBar().setRange(0, HelpScrollMaximum(HelpTextEnd(app().helpLines())));
  scrollBar().setValue(0);
  showPage(0);
}

void HelpWindow::showPage(int first) {
  const HelpLines& lines = app().helpLines();
  if (first < 0) first = 0;
  page().cls();
  for (int i = first; i < first + kHelpPageLines && i < kHelpLineCount; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i)];
    if (line == kHelpEndMarker) break;
    page().print(" " + line);
  }
}

void HelpWindow::scrolled() {
  showPage(scrollBar().value());
  page().setReaderLine(scrollBar().value());
}

void HelpWindow::scrollTo(int top) {
  scrollBar().setValue(top);
  page().setReaderLine(scrollBar().value());
}

void HelpWindow::readKey(ReadKey key) {
  const int top = scrollBar().value();
  const bool atEnd = top == scrollBar().maximum();
  const int last = std::max(0, static_cast<int>(page().readerLines().size()) - 1);
  const int line = page().readerLine();
  switch (key) {
    case ReadKey::LineUp:
      if (line > top) {
        page().setReaderLine(line - 1);
      } else {
        scrollTo(top - scrollBar().smallChange());
      }
      break;
    case ReadKey::LineDown:
      if (atEnd) {
        page().setReaderLine(std::min(line + 1, last));
      } else {
        scrollTo(top + scrollBar().smallChange());
      }
      break;
    case ReadKey::PageUp: scrollTo(top - scrollBar().largeChange()); break;
    case ReadKey::PageDown:
      if (atEnd) {
        page().setReaderLine(last);
      } else {
        scrollTo(top + scrollBar().largeChange());
      }
      break;
    case ReadKey::Top: scrollTo(scrollBar().minimum()); break;
    case ReadKey::Bottom:
      scrollTo(scrollBar().maximum());
      page().setReaderLine(last);
      break;
  }
}

void HelpWindow::readerMovedTo(int line) {
  const int last = std::max(0, static_cast<int>(page().readerLines().size()) - 1);
  line = std::clamp(line, 0, last);
  const int top = scrollBar().value();
  if (line < top || line >= top + kHelpPageLines) scrollTo(line);
  page().setReaderLine(line);
}

void HelpWindow::positionTick() {
  recordPosition(entry::kHelpTop, entry::kHelpLeft);
}

void HelpWindow::endPressed() { closeAndReturn(); }

}  // namespace zen
