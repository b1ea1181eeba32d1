// The renderer's own life: what its widgets may still say while they are being destroyed.

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "App.h"
#include "CalculatorWindow.h"
#include "ChartWindow.h"
#include "ControlViews.h"
#include "QtTestSupport.h"
#include "Renderer.h"

namespace zen::test {
namespace {

// A view that reports to the model when it is deleted, as the browser's page view does when a
// load it had going ends with it.
class ReportingView : public QWidget, public qt::ControlView {
 public:
  ReportingView(Control& c, qt::Renderer& r, QWidget* parent, int& reports)
      : QWidget(parent), ControlView(c, r), reports_(reports) {}
  ~ReportingView() override {
    int& reports = reports_;
    renderer().dispatch([&reports] { ++reports; });
  }
  QWidget* widget() override { return this; }

 private:
  int& reports_;
};

class RendererTeardownTest : public OnScreenTest {
 protected:
  void registerViews(qt::Renderer& r, RecordingQtPlatform&) override {
    for (const char* name : {"CalculatorWindow.entryBox", "ChartWindow.closeButton"}) {
      r.registerFactory(name, [this](Control& c, qt::Renderer& rr, QWidget* parent) -> qt::ControlView* {
        return new ReportingView(c, rr, parent, reports);
      });
    }
  }
  int reports = 0;
};

TEST_F(RendererTeardownTest, WidgetsThatReportWhileGoingReachNeitherTheModelNorAHalfDeletedView) {
  ASSERT_NE(widgetOf(calculator(), "entryBox"), nullptr);
  renderer.reset();
  EXPECT_EQ(reports, 0);
}

TEST_F(RendererTeardownTest, AWindowHostedInsideAnotherIsDeletedOnce) {
  // Every window but the calculator goes inside the calculator's view, as a frame's child does.
  renderer->setHostFinder([this](Window& w) -> QWidget* {
    return &w == &calculator() ? nullptr : renderer->windowWidget(calculator());
  });
  app->openWindow<ChartWindow>();
  renderer->sync();
  ASSERT_NE(view(*app->find<ChartWindow>()), nullptr);
  EXPECT_EQ(view(*app->find<ChartWindow>())->parentWidget(), view(calculator()));
  renderer.reset();
  EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace zen::test
