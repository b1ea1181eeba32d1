// W E V press to the starting page loaded, against a bare QWebEngineView loading the same page in
// the same process. Both run on a warm engine: the first opening (which starts the engine's
// processes) is timed once and printed before the benchmarks.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "App.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"
#include "Geometry.h"
#include "QtPlatform.h"
#include "Renderer.h"
#include "Views.h"
#include "WebAddresses.h"

namespace {

const std::string kHomeTitle = "ZENTARIO ホームページ";

// Runs the event loop until done() holds, looking after every batch of events; false after a
// minute without it. The loop sleeps between events (a wake-up timer bounds the wait), so the
// engine's threads get both cores as they would under the program's own event loop.
bool runUntil(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(60000);
  QTimer wake;
  wake.start(20);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// The calculator, set up once for all iterations, in a folder of its own.
struct Calculator {
  Calculator() : folder(std::filesystem::temp_directory_path() / "zentario-bench") {
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    renderer = std::make_unique<zen::qt::Renderer>(app);
    zen::qt::registerViews(*renderer, platform);
    app.start();
    renderer->sync();
    settle();
  }
  ~Calculator() {
    renderer.reset();
    settle();
  }
  void pressWev() {
    zen::CalculatorWindow& f = app.calculator();
    renderer->dispatch([&f] { f.webPressed(); });
  }
  bool startingPageShown() {
    auto* b = app.find<zen::BrowserWindow>();
    return b && b->caption() == kHomeTitle;
  }

  std::filesystem::path folder;
  zen::qt::QtPlatform platform{folder};
  zen::App app{platform};
  std::unique_ptr<zen::qt::Renderer> renderer;
};

Calculator* calculator = nullptr;

void BM_WevToStartingPage(benchmark::State& state) {
  Calculator& c = *calculator;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    c.pressWev();
    if (!runUntil([&] { return c.startingPageShown(); })) {
      state.SkipWithError("the starting page did not load");
      break;
    }
    state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    c.pressWev();  // closes the frame again
    settle();
  }
}
BENCHMARK(BM_WevToStartingPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BareViewLoadsStartingPage(benchmark::State& state) {
  const QUrl home(QString::fromUtf8(zen::kHomePageAddress.data()));
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    auto* view = new QWebEngineView;
    // The size W E V gives the frame, so both put the same number of pixels on the screen.
    const zen::qt::Scale& scale = calculator->renderer->scale();
    view->resize(scale.px(17500), scale.px(13000));
    bool loaded = false;
    QObject::connect(view, &QWebEngineView::loadFinished, view, [&loaded] { loaded = true; });
    view->show();
    view->load(home);
    if (!runUntil([&] { return loaded; })) {
      state.SkipWithError("the page did not load");
      delete view;
      break;
    }
    state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    delete view;
    settle();
  }
}
BENCHMARK(BM_BareViewLoadsStartingPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Linking Qt WebEngine here (for the bare view) gives the application its shared OpenGL context
  // from the start; the calculator's own path then finds it already there.
  QApplication qapp(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  zen::qt::installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  Calculator c;
  calculator = &c;
  // The first opening loads the module and starts the engine.
  QElapsedTimer cold;
  cold.start();
  c.pressWev();
  if (!runUntil([&] { return c.startingPageShown(); })) {
    std::fprintf(stderr, "the browser did not open\n");
    return 1;
  }
  std::fprintf(stderr, "first W E V (module load, engine start, page): %.1f ms\n", double(cold.nsecsElapsed()) / 1e6);
  c.pressWev();
  settle();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  calculator = nullptr;
  return 0;
}
