#include "AuxWindow.h"

#include "App.h"
#include "CalculatorWindow.h"

namespace zen {

AuxWindow::AuxWindow(App& app, std::string name) : Window(app, std::move(name)) {
  // Where the desktop places the windows itself, it learns that these are the calculator's dialogs:
  // it keeps them above the calculator, and may open them over it (sway centres them there).
  if (!app.platform().knowsWindowPositions()) setOwner(&app.calculator());
}

void AuxWindow::closeAndReturn() {
  // The window stays alive until the renderer has let go of it, so app() is still safe here.
  App& a = app();
  a.closeWindow(*this);
  a.setAuxWindowFlag(kAuxClosed);
  CalculatorWindow& main = a.calculator();
  main.setFocus(main.entryBox());
}

CommandButton& AuxWindow::addCloseButton(std::string caption, int left, int top, int width, Rgb back) {
  auto& button = add<CommandButton>("closeButton");
  button.setBounds(left, top, width, 375);
  button.setCaption(std::move(caption));
  button.setBackColour(back);
  button.setForeColour(kSystemWindowText);
  button.setFont(Font{"ＭＳ Ｐゴシック", 9, true, false});
  button.setPicture(":/assets/button-face.svg");
  button.setTabIndex(0);
  // Escape closes the window as the button does.
  button.setCancel(true);
  return button;
}

}  // namespace zen
