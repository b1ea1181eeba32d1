// Thousands of random user actions on every window, through the entry points the Qt layer calls
// (clicks, presses, typing, the scroll bar, the address list, the toolbar, close boxes, moves,
// timer ticks), with the model's invariants checked after each one, then Quit and the file. A
// failure prints the seed and the shortest list of actions that still fails.
//
// ZEN_RANDOM_SEED=<n> and ZEN_RANDOM_ACTIONS=<n> run one other seed, for as long as wanted.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CalculatorFixture.h"
#include "Numbers.h"
#include "SavedValues.h"
#include "Toolbar.h"

namespace zen::test {
namespace {

namespace fs = std::filesystem;

enum class Act { Click, MouseDown, MouseMove, Type, Scroll, Choose, KeyPress, ToolbarClick, Tick, Move, CloseBox };

constexpr const char* kActNames[] = {"click",  "mouse down", "mouse move", "type",  "scroll",   "choose",
                                     "Enter", "toolbar",    "tick",       "move", "close box"};

// One user action, by window and control name, so that a shorter list can be replayed: an action
// whose window is not open at that point does nothing.
struct Action {
  Act act = Act::Click;
  std::string window;
  std::string target;  // a control or timer; empty for the window itself
  std::string text;    // what is typed, the toolbar key
  int a = 0;
  int b = 0;
};

Action action(Act act, std::string window, std::string target = {}) {
  Action a;
  a.act = act;
  a.window = std::move(window);
  a.target = std::move(target);
  return a;
}

std::string describe(const Action& x) {
  std::ostringstream out;
  out << kActNames[static_cast<int>(x.act)] << ' ' << x.window;
  if (!x.target.empty()) out << '.' << x.target;
  if (!x.text.empty()) out << " \"" << x.text << '"';
  if (x.act == Act::Scroll || x.act == Act::Choose || x.act == Act::Move) out << ' ' << x.a;
  if (x.act == Act::Move) out << ' ' << x.b;
  return out.str();
}

Window* findWindow(const App& app, const std::string& name) {
  for (Window* w : app.windows()) {
    if (w->name() == name) return w;
  }
  return nullptr;
}

// Does what the Qt layer does for the action; nothing when the program has ended.
void perform(App& app, const Action& x) {
  if (app.ended()) return;
  Window* w = findWindow(app, x.window);
  if (w == nullptr) return;
  app.collectClosed();
  if (x.act == Act::CloseBox) return w->closeBoxPressed();
  if (x.act == Act::Move) return w->userMoved(x.a, x.b);
  if (x.act == Act::Tick) {
    for (const auto& t : w->timers()) {
      if (t->name() == x.target) t->tick();
    }
    return;
  }
  if (x.act == Act::MouseMove && x.target.empty()) {
    if (w->onMouseMove) w->onMouseMove();
    return;
  }
  Control* c = w->find(x.target);
  if (c == nullptr) return;
  switch (x.act) {
    case Act::Click:
      if (auto* o = dynamic_cast<OptionButton*>(c)) {
        if (o->onMouseDown) o->onMouseDown();
        o->userClick();
      } else if (auto* b = dynamic_cast<CommandButton*>(c)) {
        b->press();
      } else if (c->onClick) {
        c->onClick();
      }
      break;
    case Act::MouseDown:
      if (c->onMouseDown) c->onMouseDown();
      break;
    case Act::MouseMove:
      if (c->onMouseMove) c->onMouseMove();
      break;
    case Act::Type:
      if (auto* t = dynamic_cast<TextBox*>(c)) {
        // "\b" is the backspace key; anything else is typed after what the box holds.
        std::string now = t->text();
        if (x.text == "\b") {
          if (!now.empty()) now.pop_back();
        } else {
          now += x.text;
        }
        t->userEdit(now);
      } else if (auto* box = dynamic_cast<ComboBox*>(c)) {
        box->setText(box->text() + x.text);
      }
      break;
    case Act::Scroll:
      if (auto* s = dynamic_cast<ScrollBar*>(c)) s->setValue(x.a);
      break;
    case Act::Choose:
      if (auto* box = dynamic_cast<ComboBox*>(c); box && x.a < static_cast<int>(box->items().size())) {
        box->userChoose(x.a);
      }
      break;
    case Act::KeyPress:
      if (auto* box = dynamic_cast<ComboBox*>(c); box && box->onKeyPress) box->onKeyPress(13);
      break;
    case Act::ToolbarClick:
      if (auto* bar = dynamic_cast<Toolbar*>(c)) bar->userClick(x.text);
      break;
    default: break;
  }
}

// Picks an action among the windows and controls there are now.
class ActionMaker {
 public:
  explicit ActionMaker(unsigned seed) : random_(seed) {}

  Action next(const App& app) {
    const std::vector<Window*> windows = app.windows();
    // Most actions go to the calculator, as a user's do.
    Window& w = *windows[chance(60) ? 0 : pick(windows.size())];
    const int roll = pick(100);
    if (roll < 10) return timerTick(w);
    if (roll < 13) {
      Action a = action(Act::Move, w.name());
      a.a = 600 + pick(16000);
      a.b = 600 + pick(8000);
      return a;
    }
    if (roll < 15 && w.name() != "CalculatorWindow") return action(Act::CloseBox, w.name());
    if (roll < 18) return action(Act::MouseMove, w.name());

    std::vector<Control*> controls;
    for (const auto& c : w.controls()) {
      // Quit ends the run; it is pressed once, at the end.
      if (w.name() == "CalculatorWindow" && c->name() == "quitButton") continue;
      if (c->onClick || c->onMouseDown || c->onMouseMove || dynamic_cast<TextBox*>(c.get()) ||
          dynamic_cast<OptionButton*>(c.get()) || c->kind() == ControlKind::ScrollBar ||
          c->kind() == ControlKind::ComboBox || c->kind() == ControlKind::Toolbar) {
        controls.push_back(c.get());
      }
    }
    if (controls.empty()) return timerTick(w);
    // The entry box takes a good share of what a user does.
    Control& c = chance(35) && w.name() == "CalculatorWindow" ? *w.find("entryBox") : *controls[pick(controls.size())];
    Action a = action(Act::Click, w.name(), c.name());
    if (auto* t = dynamic_cast<TextBox*>(&c); t && !t->readOnly()) {
      a.act = chance(15) ? Act::MouseDown : Act::Type;
      a.text = typed();
    } else if (c.kind() == ControlKind::ScrollBar) {
      a.act = Act::Scroll;
      a.a = pick(220) - 10;
    } else if (auto* box = dynamic_cast<ComboBox*>(&c)) {
      const int r = pick(3);
      a.act = r == 0 ? Act::Choose : r == 1 ? Act::KeyPress : Act::Type;
      a.a = pick(box->items().size() + 1);
      a.text = typed();
    } else if (auto* bar = dynamic_cast<Toolbar*>(&c)) {
      a.act = Act::ToolbarClick;
      a.text = bar->buttons().empty() ? "Home" : bar->buttons()[pick(bar->buttons().size())].key;
    } else if (c.onMouseMove && chance(25)) {
      a.act = Act::MouseMove;
    }
    return a;
  }

 private:
  int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(random_)); }
  bool chance(int percent) { return pick(100) < percent; }

  Action timerTick(const Window& w) {
    if (w.timers().empty()) return action(Act::MouseMove, w.name());
    return action(Act::Tick, w.name(), w.timers()[pick(w.timers().size())]->name());
  }

  std::string typed() {
    static const std::vector<std::string> keys = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "4",
                                                  "7", "\b", "\b", ".", "-", " ", "E", "a", "&H", "Ω", "１", "12345678901"};
    return keys[static_cast<std::size_t>(pick(keys.size()))];
  }

  std::mt19937 random_;
};

// --- Invariants --------------------------------------------------------------------------------------

std::string checkInvariants(const App& app, const Action* last) {
  std::ostringstream problems;
  if (app.auxWindowFlag() != kAuxClosed && app.auxWindowFlag() != kAuxOpen) {
    problems << "AuxWindowFlag is " << app.auxWindowFlag() << "; ";
  }
  std::vector<std::string> names;
  for (const Window* w : app.windows()) {
    for (const std::string& seen : names) {
      if (seen == w->name()) problems << "two windows " << w->name() << "; ";
    }
    names.push_back(w->name());
  }
  const CalculatorWindow& calculator = app.calculator();
  if (!calculator.shown()) problems << "the calculator is hidden; ";
  for (const BandGroup g : kBandGroups) {
    int on = 0;
    for (const Choice& c : groupOptions(g)) {
      const OptionButton& option = calculator.bandOption(g, c.colour);
      if (!option.value()) continue;
      ++on;
      const Band band = static_cast<Band>(static_cast<int>(g));
      if (calculator.bandPicture(band).backColour() != displayColour(c.colour)) {
        problems << option.name() << " is on but its band is painted otherwise; ";
      }
      if (calculator.bandLabel(band).caption() != nameText(c.colour)) {
        problems << option.name() << " is on but named otherwise; ";
      }
    }
    if (on != 1) problems << on << " options on in group " << static_cast<int>(g) << "; ";
  }
  if (CharacterCount(calculator.entryBox().text()) > 10) problems << "the entry box holds more than 10 characters; ";
  if (!calculator.ohmBox().text().empty() && calculator.ohmBox().text() != GeneralNumberText(calculator.ValueOhm)) {
    problems << "the Ω box's \"" << calculator.ohmBox().text() << "\" is not the value " << calculator.ValueOhm << "; ";
  }
  const SavedValues& saved = app.savedValues();
  for (int k = 0; k < entry::kSlotCount; ++k) {
    if (calculator.slotLabel(k).caption() != saved.get(entry::slotValue(k))) problems << "slot " << k << "'s label; ";
    for (int b = 0; b < 4; ++b) {
      const double colour = std::round(LeadingNumber(saved.get(entry::slotBand(k, b))));
      if (calculator.slotBand(k, b).backColour() != static_cast<Rgb>(colour)) {
        problems << "slot " << k << " band " << b << "; ";
      }
    }
  }
  if (last && last->window == "CalculatorWindow" && last->act == Act::Tick && last->target == "positionTimer") {
    if (saved.get(entry::kMainTop) != SignedNumberText(calculator.top()) ||
        saved.get(entry::kMainLeft) != SignedNumberText(calculator.left())) {
      problems << "the recorder did not record the position; ";
    }
  }
  return problems.str();
}

// --- One run ------------------------------------------------------------------------------------------

// A fresh start in a folder of its own: the given settings file and the shipped help text.
struct Session {
  explicit Session(const std::string& settings) {
    dir.write(kSettingsFileName, settings);
    std::ifstream help(fs::path(ZEN_ASSETS_DIR) / "ZENHELP.TXT", std::ios::binary);
    dir.write("ZENHELP.TXT", std::string(std::istreambuf_iterator<char>(help), {}));
    app.start();
  }
  TempDir dir;
  FakePlatform platform{dir.path()};
  App app{platform};
};

// Plays the actions from a fresh start on the given settings file; the first problem, or none.
std::optional<std::string> run(const std::string& settings, const std::vector<Action>& actions) {
  Session session(settings);
  const TempDir& dir = session.dir;
  FakePlatform& platform = session.platform;
  App& app = session.app;
  if (std::string p = checkInvariants(app, nullptr); !p.empty()) return "after the start: " + p;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    perform(app, actions[i]);
    if (std::string p = checkInvariants(app, &actions[i]); !p.empty()) {
      return "after action " + std::to_string(i + 1) + " (" + describe(actions[i]) + "): " + p;
    }
  }
  if (app.ended()) return "the program ended before Quit";
  const std::size_t messages = platform.messages().size();
  app.calculator().get<CommandButton>("quitButton").press();
  if (!app.ended()) return "Quit did not end the program";
  if (platform.messages().size() != messages) return "Quit said: " + platform.messages().back().text;

  const std::string file = dir.read(kSettingsFileName);
  int lines = 0;
  for (std::size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2)) ++lines;
  if (lines != entry::kCount) return "the file has " + std::to_string(lines) + " lines";
  SavedValues read;
  LoadSettings(dir.path(), read);
  for (int n = 1; n <= entry::kCount; ++n) {
    if (read.get(n) != app.savedValues().get(n)) {
      return "entry " + std::to_string(n) + " reads back \"" + read.get(n) + "\", not \"" + app.savedValues().get(n) + "\"";
    }
  }
  for (const auto& item : fs::directory_iterator(dir.path())) {
    const std::string name = item.path().filename().string();
    if (name != kSettingsFileName && name != "ZENHELP.TXT") return "left behind: " + name;
  }
  return std::nullopt;
}

// A settings file as a previous run might have left it: positions in and out of range, some slots.
std::string startingFile(unsigned seed) {
  std::mt19937 random(seed);
  const auto position = [&] { return SignedNumberText(static_cast<double>(random() % 20000) - 1000); };
  std::vector<std::string> entries(entry::kCount);
  entries[entry::kMainTop - 1] = position();
  entries[entry::kMainLeft - 1] = position();
  const char* values[] = {"4.7K\x83\xB6", "100\x83\xB6", "", "2.2M\x83\xB6", "keep\"me"};
  for (int k = 0; k < entry::kSlotCount; ++k) {
    if (random() % 2 == 0) continue;
    entries[static_cast<std::size_t>(entry::slotValue(k) - 1)] = values[random() % 5];
    for (int b = 0; b < 4; ++b) {
      entries[static_cast<std::size_t>(entry::slotBand(k, b) - 1)] =
          std::to_string(displayColour(static_cast<BandColour>(random() % kBandColourCount)));
    }
  }
  for (int n = entry::kHelpTop; n <= entry::kFrameLeft; ++n) entries[static_cast<std::size_t>(n - 1)] = position();
  std::string file;
  for (const std::string& e : entries) file += SettingsLine(e);
  return file;
}

// The shortest list that still fails: drops ever smaller runs of actions while the failure stays.
std::vector<Action> shrink(const std::string& settings, std::vector<Action> actions) {
  std::size_t chunk = actions.size() / 2;
  while (chunk >= 1) {
    bool dropped = false;
    for (std::size_t from = 0; from < actions.size();) {
      std::vector<Action> shorter(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(from));
      shorter.insert(shorter.end(), actions.begin() + static_cast<std::ptrdiff_t>(std::min(actions.size(), from + chunk)),
                     actions.end());
      if (run(settings, shorter)) {
        actions = std::move(shorter);
        dropped = true;
      } else {
        from += chunk;
      }
    }
    if (!dropped) chunk /= 2;
  }
  return actions;
}

void randomRun(unsigned seed, int count) {
  const std::string settings = startingFile(seed);
  ActionMaker maker(seed);
  std::vector<Action> actions;
  {
    // Make the actions on a live model, so that each goes to a window and control that is there.
    Session session(settings);
    for (int i = 0; i < count; ++i) {
      actions.push_back(maker.next(session.app));
      perform(session.app, actions.back());
    }
  }
  const std::optional<std::string> failure = run(settings, actions);
  if (!failure) return;
  const std::vector<Action> shortest = shrink(settings, actions);
  std::ostringstream list;
  for (const Action& a : shortest) list << "\n  " << describe(a);
  ADD_FAILURE() << "seed " << seed << ": " << *failure << "\nshortest failing actions (" << shortest.size()
                << " of " << actions.size() << "), then Quit: " << *run(settings, shortest) << list.str();
}

TEST(ModelRandomTest, ThousandsOfUserActionsKeepTheModelSoundAndTheFileTrue) {
  if (const char* seed = std::getenv("ZEN_RANDOM_SEED")) {
    const char* count = std::getenv("ZEN_RANDOM_ACTIONS");
    randomRun(static_cast<unsigned>(std::strtoul(seed, nullptr, 10)), count ? std::atoi(count) : 3000);
    return;
  }
  for (const unsigned seed : {1u, 2u, 3u}) randomRun(seed, 2500);
}

}  // namespace
}  // namespace zen::test
