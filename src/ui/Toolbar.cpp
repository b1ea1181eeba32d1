#include "Toolbar.h"

#include <algorithm>

namespace zen {

void Toolbar::addButton(ToolbarButton button) {
  buttons_.push_back(std::move(button));
  touch();
}

void Toolbar::userClick(const std::string& key) {
  const bool known = std::any_of(buttons_.begin(), buttons_.end(), [&](const ToolbarButton& b) { return b.key == key; });
  if (known && onButtonClick) onButtonClick(key);
}

}  // namespace zen
