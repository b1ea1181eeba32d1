#pragma once
// A toolbar of picture buttons, each known by its key. A click reports the key to the window.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Control.h"

namespace zen {

struct ToolbarButton {
  std::string key;
  std::string toolTip;
  std::string picture;  // ":/assets/....svg"
  bool operator==(const ToolbarButton&) const = default;
};

class Toolbar : public Control {
 public:
  Toolbar(std::string name, Control* container) : Control(ControlKind::Toolbar, std::move(name), container) {}

  const std::vector<ToolbarButton>& buttons() const { return buttons_; }
  void addButton(ToolbarButton button);
  // Asks the screen to paint the bar again.
  void refresh() { touch(); }

  // The user clicked a button: its key goes to onButtonClick. A key the bar does not have is ignored.
  void userClick(const std::string& key);
  std::function<void(const std::string& key)> onButtonClick;

 private:
  std::vector<ToolbarButton> buttons_;
};

}  // namespace zen
