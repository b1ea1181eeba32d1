#include "Views.h"

namespace zen::qt {

void registerViews(Renderer& renderer, QtPlatform& platform) {
  registerAuxiliaryViews(renderer);
  registerBrowserViews(renderer, platform);
}

}  // namespace zen::qt
