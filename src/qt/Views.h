#pragma once
// The views the generic renderer does not make by itself: the chart, the help page, the browser.

namespace zen::qt {
class Renderer;
class QtPlatform;

void registerViews(Renderer& renderer, QtPlatform& platform);
void registerAuxiliaryViews(Renderer& renderer);
void registerBrowserViews(Renderer& renderer, QtPlatform& platform);

}  // namespace zen::qt
