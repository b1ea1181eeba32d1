#include "AuxWindow.h"

#include "App.h"
#include "Form1.h"

namespace zen {

void AuxWindow::closeAndReturn() {
  // The window stays alive until the renderer has let go of it, so app() is still safe here.
  App& a = app();
  a.closeWindow(*this);
  a.setAuxWindowFlag(kAuxClosed);
  Form1& main = a.form1();
  main.setFocus(main.Text5());
}

}  // namespace zen
