#include "PrecisionAnswers.h"

#include "ColourTable.h"

namespace zen::ja {

namespace {

// A band of a code as the window's selectors call it: "1帯", "4帯（乗数）".
std::string bandName(BandRole role, std::size_t band) {
  std::string name = std::to_string(band + 1) + "帯";
  switch (role) {
    case BandRole::FirstDigit:
    case BandRole::Digit: break;
    case BandRole::Multiplier: name += "（乗数）"; break;
    case BandRole::Tolerance: name += "（許容差）"; break;
    case BandRole::Coefficient: name += "（温度係数）"; break;
  }
  return name;
}

// Which colours a band takes, for the line that refuses another.
std::string bandRule(BandRole role, std::size_t band) {
  switch (role) {
    case BandRole::FirstDigit: return "1帯は 1〜9 の数字（茶〜白）です";
    case BandRole::Digit: return std::to_string(band + 1) + "帯は 0〜9 の数字（黒〜白）です";
    case BandRole::Multiplier: return "乗数は色で、黒〜白（×1〜×10⁹）、金（×0.1）、銀（×0.01）です";
    case BandRole::Tolerance: return "許容差は色で、橙 紫 青 緑 茶 赤 金 銀 無 のどれかです";
    case BandRole::Coefficient: return "温度係数は色で、黒 茶 赤 橙 黄 緑 青 紫 灰（250〜1 ppm/K）のどれかです";
  }
  return {};
}

}  // namespace

std::string ValueRefusal(std::string_view typed, const ValueReading& reading) {
  switch (reading.problem) {
    case ValueProblem::Empty: return "値を入力してください（例 4k7）";
    case ValueProblem::Negative: return Quoted(typed) + " は負の値です。抵抗値は正の値で入力してください";
    case ValueProblem::NotANumber: break;
  }
  return Quoted(typed) + " は抵抗値として読めません。4700、4k7、4.7k、2M2、0R47、470R、1.5M のように入力してください";
}

std::string RangeRefusal(std::string_view typed, BandFit fit, int digitCount, bool milli) {
  if (fit != BandFit::BelowRange && fit != BandFit::AboveRange) return {};
  const bool below = fit == BandFit::BelowRange;
  const RangeEnd end = RangeEndOf(fit, digitCount);
  return Quoted(typed) + (below ? " は小さすぎて色帯で表せません。最小は " : " は大きすぎて色帯で表せません。最大は ") +
         std::string(end.value) + "（" + std::string(end.colours) + "）です" +
         (below && milli ? "。m はミリ、M はメガです" : "");
}

std::string ShortenedText(const Decimal& asked, int digitCount, std::span<const NamedSeries> series) {
  return ShortText(asked) + " → " + NearestText(asked, series) + "。色帯は有効数字" + std::to_string(digitCount) +
         "桁の " + ShortText(ShortenedValue(asked, digitCount)) + " です";
}

std::string SmdAnswer(std::string_view code, const SmdReading& m) {
  std::string why;
  switch (m.kind) {
    case SmdKind::Jumper: why = "ジャンパー"; break;
    case SmdKind::DecimalPoint: why = "R は小数点"; break;
    case SmdKind::ThreeDigits:
    case SmdKind::FourDigits:
    case SmdKind::Eia96: why = SmdWorking(code, m); break;
  }
  const ValueInUnit v = SmdValueOf(m).inUnit;
  return v.number + " " + std::string(v.unit) + "（" + why + "）";
}

std::string SmdRefusal(std::string_view typed, std::string_view code, const SmdReading& m) {
  const std::string shown = Quoted(typed);
  switch (m.problem) {
    case SmdProblem::None: return {};
    case SmdProblem::Empty: return "SMD 表示を入力してください（例 472）";
    case SmdProblem::NotAMarking:
      return shown +
             " は SMD 表示として読めません。472、4701（数字3桁・4桁）、4R7、R47、0R22（R が小数点）、01C（EIA-96）"
             "のように入力してください";
    case SmdProblem::NoDigits: return shown + " には数字がありません。R は小数点です（4R7、R47 など）";
    case SmdProblem::TwoPoints: return shown + " には R が2つ以上あります。R は小数点なので1つだけです（4R7 など）";
    case SmdProblem::Length:
      return shown + " は" + std::to_string(code.size()) +
             "文字です。SMD 表示は3文字（472、4R7、01C）か4文字（4701、0R22）、ジャンパーは 0〜0000 です";
    case SmdProblem::EiaNumber: return shown + " は EIA-96 として読めません。EIA-96 の番号は 01〜96 です";
    case SmdProblem::EiaLetter: {
      std::string letters;
      for (const EiaLetter& l : kEiaLetters) letters += (letters.empty() ? "" : "、") + std::string(1, l.letter);
      return shown + " は EIA-96 として読めません。乗数の文字は " + letters + " です";
    }
    case SmdProblem::Ambiguous:
      return shown + " は2通りに読めます。" + ShortText(m.value) + " Ω なら " + SmdMarkingsOf(m.value).fourDigits +
             "（R が小数点）、" + ShortText(m.eiaValue) + " Ω なら " + SmdMarkingsOf(m.eiaValue).eia96 +
             "（EIA-96、R = ×0.01）と入力してください";
  }
  return {};
}

std::string ColourCodeRefusal(const ColourCodeReading& r) {
  switch (r.problem) {
    case CodeProblem::None: return {};
    case CodeProblem::Count: return "色は3〜6個で入力してください";
    case CodeProblem::Pink:
      return "桃（×0.001、IEC 60062:2016 で追加）の乗数には対応していません。乗数は 黒〜白、金、銀 です";
    case CodeProblem::NotAColour: {
      std::string names;
      // Appended piece by piece: GCC 12 warns wrongly on " " + a string in an optimised build.
      for (const BandColourInfo& info : colourTable()) {
        if (!names.empty()) names += ' ';
        names += info.name;
      }
      return Quoted(r.word) + " は色として読めません。色は " + names + " で入力してください（英語名、数字も可）";
    }
    case CodeProblem::DoesNotFit: {
      const std::string colour(nameText(r.colour.colour));
      return (r.colour.isDigit ? Quoted(r.word) + "（" + colour + "）" : colour) + "は" + bandName(r.role, r.band) +
             "には使えません。" + bandRule(r.role, r.band);
    }
  }
  return {};
}

}  // namespace zen::ja
