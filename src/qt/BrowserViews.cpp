#include "Views.h"

namespace zen::qt {

void registerBrowserViews(Renderer&, QtPlatform&) {}

}  // namespace zen::qt
