#pragma once
// The about box: the program's title, version, a short description and a notice on rights, an OK
// button that Enter and Escape both press, and a button that starts the system-information tool.

#include <string_view>

#include "AuxWindow.h"
#include "Control.h"

namespace zen {

class App;

inline constexpr Rgb kAboutBack = 0xC0FFFF;
// What the calculator's information command writes into the box's description when it opens it.
inline constexpr std::string_view kAboutDescription =
    "色帯抵抗は色帯で値を表示し初心者には値が解りません色をマウスでクリック数字で値を表示します数字入力で色帯表示です";

class AboutBox : public AuxWindow {
 public:
  explicit AboutBox(App& app);

  void okPressed();
  void systemInfoPressed();

  Label& description() const { return *description_; }

 private:
  Label* description_ = nullptr;
};

}  // namespace zen
