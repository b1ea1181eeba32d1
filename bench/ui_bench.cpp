// One keystroke in the entry box: the model alone, and the model plus the widgets' sync.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "App.h"
#include "CalculatorWindow.h"
#include "Geometry.h"
#include "Renderer.h"

namespace {

class QuietPlatform : public zen::Platform {
 public:
  void beep() override {}
  zen::LocalDateTime now() override { return {}; }
  std::filesystem::path appFolder() override { return std::filesystem::temp_directory_path() / "zen-bench-none"; }
  bool startProgram(const std::string&, const std::vector<std::string>&) override { return false; }
  void messageBox(const std::string&, const std::string&) override {}
  void endProgram() override {}
};

// Alternates between "470" and "4700", so every iteration is one real change with all its nested
// selection handling.
void BM_KeystrokeModel(benchmark::State& state) {
  QuietPlatform platform;
  zen::App app(platform);
  app.start();
  zen::TextBox& entry = app.calculator().entryBox();
  bool longer = true;
  for (auto _ : state) {
    entry.setText(longer ? "4700" : "470");
    longer = !longer;
    benchmark::DoNotOptimize(app.calculator().ValueOhm);
  }
}
BENCHMARK(BM_KeystrokeModel);

// Each iteration is one change of the entry dispatched as the widgets would, then synced;
// withPaint also lets the offscreen screen repaint.
void keystrokeThroughWidgets(benchmark::State& state, bool withPaint) {
  QuietPlatform platform;
  zen::App app(platform);
  zen::qt::Renderer renderer(app, 96.0);
  app.start();
  renderer.sync();
  QCoreApplication::processEvents();
  zen::TextBox& entry = app.calculator().entryBox();
  bool longer = true;
  for (auto _ : state) {
    renderer.dispatch([&] { entry.setText(longer ? "4700" : "470"); });
    if (withPaint) QCoreApplication::processEvents();
    longer = !longer;
  }
}

void BM_KeystrokeWithSync(benchmark::State& state) { keystrokeThroughWidgets(state, false); }
BENCHMARK(BM_KeystrokeWithSync);

void BM_KeystrokeWithSyncAndPaint(benchmark::State& state) { keystrokeThroughWidgets(state, true); }
BENCHMARK(BM_KeystrokeWithSyncAndPaint);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  zen::qt::installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
