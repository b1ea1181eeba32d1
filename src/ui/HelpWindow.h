#pragma once
// The help viewer: the help text page by page, 31 lines at a time, with a scroll bar beside the
// page, a HELP END button and a timer that records where the user moved the window. A reader gets
// the whole text as read-only lines, on the page's first line.

#include "AuxWindow.h"
#include "Control.h"
#include "HelpFile.h"

namespace zen {

class App;

inline constexpr Rgb kHelpWindowBack = 0xC0FFFF;
inline constexpr Rgb kHelpPageBack = 0xC0FFC0;

class HelpWindow : public AuxWindow {
 public:
  explicit HelpWindow(App& app);

  // The scroll bar moved: shows the page that starts at its value.
  void scrolled();

  // The keys that read the page: each moves the scroll bar as its arrows, its trough and its ends
  // do, and the reader's line is the page's first. On the last page, where the bar goes no further,
  // Down, Page Down and End go on to the text's last line, and Up comes back to the page's first.
  enum class ReadKey { LineUp, LineDown, PageUp, PageDown, Top, Bottom };
  void readKey(ReadKey key);
  // A reader moved to a line (reading on, or to a line it was asked for): the page scrolls to show it.
  void readerMovedTo(int line);
  // Records the window's position in entries 28 and 29.
  void positionTick();
  // HELP END.
  void endPressed();

  // Sets the scroll range from the text now in the help buffer and shows its first page.
  void preparePage();
  // Clears the page and prints the items from first on: one blank before each, up to a page, never
  // the end marker or anything after it.
  void showPage(int first);

  PictureBox& page() const { return *page_; }
  ScrollBar& scrollBar() const { return *scroll_; }
  Timer& positionTimer() const { return *positionTimer_; }

 private:
  // Scrolls the bar and puts the reader on the page's first line.
  void scrollTo(int top);

  PictureBox* page_ = nullptr;
  ScrollBar* scroll_ = nullptr;
  Timer* positionTimer_ = nullptr;
};

}  // namespace zen
