// The five- and six-band window as a user meets it: colours chosen, values and colour codes typed,
// SMD markings typed; the bands painted, the value, the line that explains or refuses, the
// markings, and what a reader hears.

#include <string>
#include <vector>

#include "CalculatorFixture.h"
#include "PrecisionWindow.h"

namespace zen::test {
namespace {

using PrecisionWindowTest = CalculatorWindowTest;
using B = PrecisionBand;

// The painted bands, by the colour each shows: "茶 黒 黒 赤 茶".
std::string paintedBands(const PrecisionWindow& w) {
  std::string names;
  for (int b = 0; b < kPrecisionBandCount; ++b) {
    const PictureBox& band = w.bandPicture(static_cast<B>(b));
    if (!band.visible()) continue;
    const auto colour = colourOfDisplay(band.backColour());
    names += (names.empty() ? "" : " ") + std::string(colour ? look(*colour).name : "?");
  }
  return names;
}

// Each step is "click:<control>", "value:<text>" or "smd:<text>", as the user gives them.
void act(PrecisionWindow& w, const std::string& step) {
  const std::string kind = step.substr(0, step.find(':'));
  const std::string arg = step.substr(step.find(':') + 1);
  if (kind == "click") {
    w.get<OptionButton>(arg).userClick();
  } else {
    (kind == "value" ? w.valueEntry() : w.markingEntry()).userEdit(arg);
  }
}

TEST_F(PrecisionWindowTest, ColoursValuesAndMarkingsGiveTheBandsOrSayWhyNot) {
  struct Case {
    std::vector<std::string> steps;
    const char* bands;
    const char* summary;
    const char* note;      // the line under the selectors; empty when hidden
    const char* markings;  // the SMD line
    const char* heard;     // the reader's announcement after the last step
  };
  const Case cases[] = {
      // Colours to value, from the start: 茶 黒 黒 黒 茶.
      {{"click:multiplierRed"}, "茶 黒 黒 赤 茶", "10 KΩ ±1 %", "", "SMD: 103, 1002, 01C (EIA-96)", "10 KΩ ±1%"},
      {{"click:firstBandYellow", "click:secondBandViolet", "click:thirdBandGreen", "click:multiplierGold",
        "click:toleranceBlue"},
       "黄 紫 緑 金 青", "47.5 Ω ±0.25 %", "", "SMD: 47R5, 66X (EIA-96)",
       "1帯 黄、2帯 紫、3帯 緑、乗数 金、47.5 Ω ±0.25%"},
      {{"click:sixBands", "click:coefficientRed"}, "茶 黒 黒 黒 茶 赤", "100 Ω ±1 %  50 ppm/K", "",
       "SMD: 101, 1000, 01A (EIA-96)", "100 Ω ±1% 50ppm/K"},
      // Six back to five keeps every other choice, and five to six the coefficient.
      {{"click:sixBands", "click:coefficientRed", "click:multiplierRed", "click:fiveBands"}, "茶 黒 黒 赤 茶",
       "10 KΩ ±1 %", "", "SMD: 103, 1002, 01C (EIA-96)", "乗数 赤、10 KΩ ±1%"},
      {{"click:sixBands", "click:coefficientRed", "click:fiveBands", "click:sixBands"}, "茶 黒 黒 黒 茶 赤",
       "100 Ω ±1 %  50 ppm/K", "", "SMD: 101, 1000, 01A (EIA-96)", "温度係数 赤、100 Ω ±1% 50ppm/K"},
      // Values in the terminal's notations, full width too.
      {{"value:4.75k"}, "黄 紫 緑 茶 茶", "4.75 KΩ ±1 %", "", "SMD: 4751, 66B (EIA-96)",
       "1帯 黄、2帯 紫、3帯 緑、乗数 茶、4.75 KΩ ±1%。SMD: 4751, 66B (EIA-96)"},
      {{"value:4K75"}, "黄 紫 緑 茶 茶", "4.75 KΩ ±1 %", "", "SMD: 4751, 66B (EIA-96)", nullptr},
      {{"value:４７５０"}, "黄 紫 緑 茶 茶", "4.75 KΩ ±1 %", "", "SMD: 4751, 66B (EIA-96)", nullptr},
      {{"click:toleranceRed", "value:47R5"}, "黄 紫 緑 金 赤", "47.5 Ω ±2 %", "", "SMD: 47R5, 66X (EIA-96)",
       nullptr},
      {{"value:4.753k"}, "黄 紫 緑 茶 茶", "4.75 KΩ ±1 %",
       "4.753k → 4.75k (E96, E192)。色帯は有効数字3桁の 4.75k です", "SMD: なし",
       "1帯 黄、2帯 紫、3帯 緑、乗数 茶、4.75 KΩ ±1%。4.753k → 4.75k (E96, E192)。色帯は有効数字3桁の 4.75k です"},
      {{"value:999G"}, "白 白 白 白 茶", "999000 MΩ ±1 %", "", "SMD: 9999", nullptr},
      {{"value:0.47"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "\"0.47\" は小さすぎて色帯で表せません。最小は 1 Ω（茶 黒 黒 銀）です", "SMD: 101, 1000, 01A (EIA-96)",
       "\"0.47\" は小さすぎて色帯で表せません。最小は 1 Ω（茶 黒 黒 銀）です"},
      {{"value:1000G"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "\"1000G\" は大きすぎて色帯で表せません。最大は 999 GΩ（白 白 白 白）です", "SMD: 101, 1000, 01A (EIA-96)",
       nullptr},
      {{"value:よん"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "\"よん\" は抵抗値として読めません。4700、4k7、4.7k、2M2、0R47、470R、1.5M のように入力してください",
       "SMD: 101, 1000, 01A (EIA-96)", nullptr},
      // A typed colour code, as `zentario bands` reads it: pink and a black first digit refused.
      {{"value:茶 黒 黒 赤 茶 赤"}, "茶 黒 黒 赤 茶 赤", "10 KΩ ±1 %  50 ppm/K", "", "SMD: 103, 1002, 01C (EIA-96)",
       nullptr},
      {{"value:1 0 0 桃 brown"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "桃（×0.001、IEC 60062:2016 で追加）の乗数には対応していません。乗数は 黒〜白、金、銀 です",
       "SMD: 101, 1000, 01A (EIA-96)", nullptr},
      {{"value:黒 1 0 赤 茶"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "黒は1帯には使えません。1帯は 1〜9 の数字（茶〜白）です",
       "SMD: 101, 1000, 01A (EIA-96)", nullptr},
      // SMD markings, in either case.
      {{"smd:01C"}, "茶 黒 黒 赤 茶", "10 KΩ ±1 %", "10 KΩ（EIA-96: 01 = 100, C = ×100）",
       "SMD: 103, 1002, 01C (EIA-96)", "乗数 赤、10 KΩ ±1%。10 KΩ（EIA-96: 01 = 100, C = ×100）"},
      {{"smd:4r7"}, "黄 紫 黒 銀 茶", "4.7 Ω ±1 %", "4.7 Ω（R は小数点）", "SMD: 4R7, 4R70", nullptr},
      {{"smd:68X"}, "黄 白 白 金 茶", "49.9 Ω ±1 %", "49.9 Ω（EIA-96: 68 = 499, X = ×0.1）",
       "SMD: 49R9, 68X (EIA-96)", nullptr},
      {{"smd:47R"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "\"47R\" は2通りに読めます。47 Ω なら 47R0（R が小数点）、3.01 Ω なら 47Y（EIA-96、R = ×0.01）と入力してください",
       "SMD: 101, 1000, 01A (EIA-96)", nullptr},
      {{"smd:R47"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %",
       "0.47 Ω（R は小数点）。\"R47\" は小さすぎて色帯で表せません。最小は 1 Ω（茶 黒 黒 銀）です",
       "SMD: 101, 1000, 01A (EIA-96)", nullptr},
      {{"smd:97A"}, "茶 黒 黒 黒 茶", "100 Ω ±1 %", "\"97A\" は EIA-96 として読めません。EIA-96 の番号は 01〜96 です",
       "SMD: 101, 1000, 01A (EIA-96)", nullptr},
      // A colour chosen after typing: the typed text goes, the bands' own lines come back.
      {{"value:4.753k", "click:thirdBandRed"}, "黄 紫 赤 茶 茶", "4.72 KΩ ±1 %", "", "SMD: 4721",
       "1帯 黄、2帯 紫、乗数 茶、4.72 KΩ ±1%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps.back());
    PrecisionWindow w(app);
    for (const std::string& step : c.steps) act(w, step);
    EXPECT_EQ(paintedBands(w), c.bands);
    EXPECT_EQ(w.summary().caption(), c.summary);
    EXPECT_EQ(w.note().visible() ? w.note().caption() : "", c.note);
    EXPECT_EQ(w.markingsLine().caption(), c.markings);
    if (c.heard) {
      EXPECT_EQ(w.takeAnnouncement(), c.heard);
    }
  }
}

// 5・6帯 opens the window below and right of the calculator and closes it again; so does the
// window's own close button, which Escape presses. The keyboard returns to 5・6帯 each time, and
// there is never a second window.
TEST_F(PrecisionWindowTest, ItsButtonOpensAndClosesOneWindowAndTheKeyboardReturnsToIt) {
  CommandButton& button = calculator().precisionButton();
  for (const char* closer : {"precisionButton", "closeButton"}) {
    SCOPED_TRACE(closer);
    button.press();
    auto* w = app.find<PrecisionWindow>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->shown());
    EXPECT_EQ(w->left(), calculator().left() + 450);
    EXPECT_EQ(w->top(), calculator().top() + 450);
    EXPECT_EQ(app.windows().size(), 2u);
    EXPECT_EQ(w->focus(), &w->valueEntry());
    EXPECT_TRUE(w->get<CommandButton>("closeButton").isCancel());
    (std::string(closer) == "closeButton" ? w->get<CommandButton>(closer) : button).press();
    EXPECT_EQ(app.find<PrecisionWindow>(), nullptr);
    EXPECT_EQ(calculator().focus(), &button);
  }
}

}  // namespace
}  // namespace zen::test
