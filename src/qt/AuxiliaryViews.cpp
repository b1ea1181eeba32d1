#include "Views.h"

namespace zen::qt {

void registerAuxiliaryViews(Renderer&) {}

}  // namespace zen::qt
