#pragma once
// The windows the calculator opens beside itself: the colour-band chart, the help viewer and the
// about box. Each one's own close button (or Escape) ends the same way: the window closes, the
// toggle flag goes back to "none open" and the keyboard focus returns to the calculator's entry box.

#include <string>

#include "Control.h"
#include "Window.h"

namespace zen {

class AuxWindow : public Window {
 public:
  AuxWindow(App& app, std::string name);

  // The title bar's close box does what the window's own close button does. Leaving the flag at
  // "open" would make the next toggle press close a window that is already gone and do nothing
  // the user can see.
  void closeBoxPressed() override { closeAndReturn(); }

 protected:
  // Closes this window, marks the toggle flag "none open" and focuses the calculator's entry box.
  void closeAndReturn();
  // The window's own close button: the shared lavender face and a bold caption.
  CommandButton& addCloseButton(std::string caption, int left, int top, int width, Rgb back);
};

}  // namespace zen
