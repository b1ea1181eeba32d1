#pragma once
// The frame window around the web browser: a multiple-document frame whose only child is the
// browser window. It exists only while the browser is open and records its own position, so the
// next opening puts it back where the user left it.

#include "Window.h"

namespace zen {

class App;
class BrowserWindow;

inline constexpr int kFrameTimerMs = 500;

class BrowserFrame : public Window {
 public:
  explicit BrowserFrame(App& app);

  void startUp();
  // Records the frame's top and left into entries 34 and 35.
  void positionTick();
  // The title bar's close box ends the browser the way its stop button does.
  void closeBoxPressed() override;

  // Closes the browser window inside, then the frame.
  void unload();
  // The browser window inside; none before it is opened.
  BrowserWindow* browser() const;

  Timer& positionTimer() const { return *positionTimer_; }

 private:
  Timer* positionTimer_ = nullptr;
};

// Stores a frame's top and left into its two settings entries.
void RecordFramePosition(const Window& frame);

}  // namespace zen
