// The buttons that open the help viewer, the colour-band chart and the about box. They share the
// one toggle flag: each first closes the windows it competes with, then opens its own window when
// no window was open through a toggle, and otherwise only closes and returns to the entry box.
// 5・6帯 opens and closes the five- and six-band window on its own.

#include <algorithm>
#include <cmath>

#include "AboutBox.h"
#include "App.h"
#include "CalculatorWindow.h"
#include "ChartWindow.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "Numbers.h"
#include "PrecisionWindow.h"

namespace zen {

namespace {

// A recorded position as whole twips. The calculator's own entries are checked at start-up; a
// damaged one still cannot push a window out of the int range.
int recordedTwips(const App& a, int entryNumber) {
  const double v = LeadingNumber(a.savedValues().get(entryNumber));
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::lround(std::clamp(v, -1e7, 1e7)));
}

// Auxiliary windows open below and to the right of the calculator's recorded position.
void placeBelowCalculator(const App& a, Window& w, int down, int right) {
  w.move(recordedTwips(a, entry::kMainLeft) + right, recordedTwips(a, entry::kMainTop) + down);
}

// Opens a window of this kind below the calculator and shows it. One may still be open from before
// (another toggle reset the flag meanwhile): that one is placed and raised rather than doubled.
template <class W>
W& showBelowCalculator(App& a, int down, int right) {
  if (W* open = a.find<W>()) {
    placeBelowCalculator(a, *open, down, right);
    open->bringToFront();
    return *open;
  }
  W& w = a.openWindow<W>();
  placeBelowCalculator(a, w, down, right);
  w.show();
  return w;
}

}  // namespace

// 色帯表.
void CalculatorWindow::chartPressed() {
  App& a = app();
  a.close<HelpWindow>();
  if (a.auxWindowFlag() == kAuxClosed) {
    ChartWindow& chart = showBelowCalculator<ChartWindow>(a, 400, 100);
    chart.positionTimer().setEnabled(true);
    a.setAuxWindowFlag(kAuxOpen);
  } else {
    if (ChartWindow* chart = a.find<ChartWindow>()) {
      chart->positionTimer().setEnabled(false);
      a.closeWindow(*chart);
    }
    a.setAuxWindowFlag(kAuxClosed);
    setFocus(entryBox());
  }
}

// HELP.
void CalculatorWindow::helpPressed() {
  App& a = app();
  a.close<ChartWindow>();
  if (a.auxWindowFlag() == kAuxClosed) {
    HelpWindow& help = showBelowCalculator<HelpWindow>(a, 380, 50);
    help.positionTimer().setEnabled(true);
    a.setAuxWindowFlag(kAuxOpen);
  } else {
    a.close<HelpWindow>();
    a.setAuxWindowFlag(kAuxClosed);
    setFocus(entryBox());
  }
  // The text is (re)loaded on every press, closing ones included, so an edited help file shows at
  // the next opening. A closed viewer is not brought back just to be painted.
  LoadHelpText(a.appFolder(), a.platform().installedDataFolder(), a.helpLines());
  if (HelpWindow* help = a.find<HelpWindow>()) help->preparePage();
}

// 情  報.
void CalculatorWindow::aboutPressed() {
  App& a = app();
  a.close<ChartWindow>();
  a.close<HelpWindow>();
  a.close<AboutBox>();
  if (a.auxWindowFlag() == kAuxClosed) {
    AboutBox& about = a.openWindow<AboutBox>();
    placeBelowCalculator(a, about, 450, 120);
    about.description().setCaption(std::string(kAboutDescription));
    about.show();
    a.setAuxWindowFlag(kAuxOpen);
  } else {
    a.setAuxWindowFlag(kAuxClosed);
    setFocus(entryBox());
  }
}

// 5・6帯. The five- and six-band window is a calculator of its own, not one of the windows that
// share the toggle flag: it opens beside the chart or the help, and its button alone opens and
// closes it, so there is never a second one.
void CalculatorWindow::precisionPressed() {
  App& a = app();
  if (PrecisionWindow* open = a.find<PrecisionWindow>()) {
    a.closeWindow(*open);
    setFocus(precisionButton());
    return;
  }
  PrecisionWindow& w = a.openWindow<PrecisionWindow>();
  // Below and to the right of the calculator, wherever it stands now; the place is not kept.
  w.move(left() + 450, top() + 450);
  w.onClosed = [this] { setFocus(precisionButton()); };
  w.show();
}

}  // namespace zen
