#include "Form3.h"

#include <algorithm>

#include "App.h"

namespace zen {

Form3::Form3(App& app) : AuxWindow(app, "Form3") {
  setCaption("HELP");
  setClientSize(7125, 7035);
  setBackColour(kHelpWindowBack);
  // The user may stretch the window; the page and its scroll bar keep their places.
  setBorder(BorderStyle::Sizeable);
  setIcon(":/assets/zentario.svg");

  auto& title = add<Label>("Label1");
  title.setBounds(2400, 120, 2175, 375);
  title.setCaption("色帯抵抗HELP");
  title.setForeColour(0xC00000);
  title.setFont(Font{"ＭＳ ゴシック", 12, true, false});
  title.setAlign(Align::Centre);
  title.setTransparent(true);

  auto& page = add<PictureBox>("Picture1");
  page.setBounds(120, 720, 6615, 5655);
  page.setBackColour(kHelpPageBack);
  page.setForeColour(kSystemWindowText);
  page.setFont(Font{"ＭＳ ゴシック", 9, false, false});
  // A reader gets the page as read-only text, the first thing the keyboard reaches.
  page.setRole(Role::Text);
  page.setAccessibleName("HELP");
  page.setTabIndex(0);
  page_ = &page;

  auto& scroll = add<ScrollBar>("VScroll1");
  scroll.setBounds(6720, 720, 255, 5655);
  scroll.setRange(0, 0);
  // An arrow moves one line; the trough moves a page but keeps its last line in sight.
  scroll.setSmallChange(1);
  scroll.setLargeChange(kHelpPageLines - 1);
  scroll.setAccessibleName("HELP");
  scroll.onChange = [this] { VScroll1_Change(); };
  scroll_ = &scroll;

  auto& end = addCloseButton("HELP END", 3000, 6480, 1095, kSystemButtonFace);
  end.onClick = [this] { Command1_Click(); };
  end.setTabIndex(1);
  setFocus(page);

  timer1_ = &addTimer("Timer1", 500);
  timer1_->onTick = [this] { Timer1_Timer(); };
  tiePositionRecorder(*timer1_, entry::kHelpTop, entry::kHelpLeft);
}

void Form3::preparePage() {
  const HelpLines& lines = app().helpLines();
  Picture1().setReaderLines({lines.begin(), lines.begin() + HelpTextEnd(lines)});
  Picture1().cls();
  VScroll1().setRange(0, HelpScrollMaximum(HelpTextEnd(app().helpLines())));
  VScroll1().setValue(0);
  showPage(0);
}

void Form3::showPage(int first) {
  const HelpLines& lines = app().helpLines();
  if (first < 0) first = 0;
  Picture1().cls();
  for (int i = first; i < first + kHelpPageLines && i < kHelpLineCount; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i)];
    if (line == kHelpEndMarker) break;
    Picture1().print(" " + line);
  }
}

void Form3::VScroll1_Change() {
  showPage(VScroll1().value());
  Picture1().setReaderLine(VScroll1().value());
}

void Form3::scrollTo(int top) {
  VScroll1().setValue(top);
  Picture1().setReaderLine(VScroll1().value());
}

void Form3::readKey(ReadKey key) {
  const int top = VScroll1().value();
  const bool atEnd = top == VScroll1().maximum();
  const int last = std::max(0, static_cast<int>(Picture1().readerLines().size()) - 1);
  const int line = Picture1().readerLine();
  switch (key) {
    case ReadKey::LineUp:
      if (line > top) {
        Picture1().setReaderLine(line - 1);
      } else {
        scrollTo(top - VScroll1().smallChange());
      }
      break;
    case ReadKey::LineDown:
      if (atEnd) {
        Picture1().setReaderLine(std::min(line + 1, last));
      } else {
        scrollTo(top + VScroll1().smallChange());
      }
      break;
    case ReadKey::PageUp: scrollTo(top - VScroll1().largeChange()); break;
    case ReadKey::PageDown:
      if (atEnd) {
        Picture1().setReaderLine(last);
      } else {
        scrollTo(top + VScroll1().largeChange());
      }
      break;
    case ReadKey::Top: scrollTo(VScroll1().minimum()); break;
    case ReadKey::Bottom:
      scrollTo(VScroll1().maximum());
      Picture1().setReaderLine(last);
      break;
  }
}

void Form3::readerMovedTo(int line) {
  const int last = std::max(0, static_cast<int>(Picture1().readerLines().size()) - 1);
  line = std::clamp(line, 0, last);
  const int top = VScroll1().value();
  if (line < top || line >= top + kHelpPageLines) scrollTo(line);
  Picture1().setReaderLine(line);
}

void Form3::Timer1_Timer() {
  recordPosition(entry::kHelpTop, entry::kHelpLeft);
}

void Form3::Command1_Click() { closeAndReturn(); }

}  // namespace zen
