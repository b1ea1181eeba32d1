#include "AnswerText.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "Numbers.h"

namespace zen {

namespace {

std::string superscript(int n) {
  constexpr std::string_view kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  return std::string(kDigits[n % 10]);
}

// Why a marking means its value: "47 × 10²", "R is the decimal point".
std::string explanation(std::string_view code, const SmdReading& m) {
  switch (m.kind) {
    case SmdKind::Jumper: return "a zero-ohm jumper";
    case SmdKind::DecimalPoint: return "R is the decimal point";
    case SmdKind::ThreeDigits:
    case SmdKind::FourDigits:
    case SmdKind::Eia96: break;
  }
  return SmdWorking(code, m);
}

std::string bothNames(BandColour c) {
  return std::string(nameText(c)) + " (" + std::string(EnglishName(c)) + ")";
}

// Which colours a band takes, for the line that refuses another.
std::string bandRule(BandRole role, std::size_t band) {
  switch (role) {
    case BandRole::FirstDigit: return "the first band is a digit from 1 to 9: 茶 to 白 (brown to white)";
    case BandRole::Digit:
      return std::string(band == 1 ? "the second" : "the third") + " band is a digit: 黒 to 白 (black to white), or 0 to 9";
    case BandRole::Multiplier: return "the multiplier is 黒 to 白 (×1 to ×10⁹), 金 (×0.1) or 銀 (×0.01), by colour";
    case BandRole::Tolerance: return "the tolerance band is 橙 紫 青 緑 茶 赤 金 銀 or 無";
    case BandRole::Coefficient:
      return "the sixth band, the temperature coefficient, is 黒 茶 赤 橙 黄 緑 青 紫 or 灰 (250 to 1 ppm/K), by colour";
  }
  return {};
}

}  // namespace

std::string PlainText(const Decimal& value) {
  if (value.digits.empty()) return "0";
  if (value.exponent >= 0) return value.digits + std::string(static_cast<std::size_t>(value.exponent), '0');
  const std::int64_t point = static_cast<std::int64_t>(value.digits.size()) + value.exponent;
  if (point > 0) {
    const auto p = static_cast<std::size_t>(point);
    return value.digits.substr(0, p) + "." + value.digits.substr(p);
  }
  return "0." + std::string(static_cast<std::size_t>(-point), '0') + value.digits;
}

std::string ShortText(const Decimal& value) {
  const std::int64_t magnitude = Magnitude(value);
  struct Prefix {
    int power;
    const char* letter;
  };
  for (const Prefix p : {Prefix{9, "G"}, Prefix{6, "M"}, Prefix{3, "k"}}) {
    if (magnitude >= p.power) return PlainText({value.digits, value.exponent - p.power}) + p.letter;
  }
  return PlainText(value);
}

std::string NearestText(const Decimal& asked, std::span<const NamedSeries> series) {
  std::vector<Decimal> nearest;
  for (const NamedSeries& s : series) nearest.push_back(NearestPreferred(asked, s.values));
  std::string text;
  for (std::size_t i = 0; i < nearest.size(); ++i) {
    const bool sameAsBefore = i > 0 && nearest[i] == nearest[i - 1];
    const bool sameAfter = i + 1 < nearest.size() && nearest[i + 1] == nearest[i];
    if (!sameAsBefore) text += (i > 0 ? "), " : "") + ShortText(nearest[i]) + " (";
    text += series[i].name;
    if (sameAfter) text += ", ";
  }
  return text + ")";
}

Decimal ShortenedValue(const Decimal& asked, int digitCount) {
  return MakeDecimal(asked.digits.substr(0, static_cast<std::size_t>(digitCount)), Magnitude(asked) - (digitCount - 1));
}

std::string ShortenedText(const Decimal& asked, int digitCount, std::span<const NamedSeries> series) {
  return ShortText(asked) + " → " + NearestText(asked, series) + "; the bands show " +
         (digitCount == 3 ? "three" : "two") + " digits, " + ShortText(ShortenedValue(asked, digitCount));
}

std::string MarkingsText(const Decimal& value) {
  const SmdMarkings m = SmdMarkingsOf(value);
  std::string text;
  for (const std::string* code : {&m.threeDigits, &m.fourDigits}) {
    if (!code->empty()) text += (text.empty() ? "" : ", ") + *code;
  }
  if (!m.eia96.empty()) text += (text.empty() ? "" : ", ") + m.eia96 + " (EIA-96)";
  return text;
}

SmdValue SmdValueOf(const SmdReading& m) {
  const double ohm = LeadingNumber(PlainText(m.value));
  SmdValue v{FormatValue({ohm, ohm / 1000, ohm / 1000 / 1000}), {}};
  v.inUnit = ValueInOneUnit(v.texts, ohm < 1000);
  return v;
}

std::string SmdWorking(std::string_view code, const SmdReading& m) {
  switch (m.kind) {
    case SmdKind::ThreeDigits:
    case SmdKind::FourDigits: return std::to_string(m.significant) + " × 10" + superscript(m.power);
    case SmdKind::Eia96:
      return "EIA-96: " + std::string(code.substr(0, 2)) + " = " + std::to_string(m.significant) + ", " +
             std::string(code.substr(2)) + " = ×" + GeneralNumberText(std::pow(10.0, m.power));
    case SmdKind::Jumper:
    case SmdKind::DecimalPoint: break;
  }
  return {};
}

std::string SmdAnswer(std::string_view code, const SmdReading& m) {
  const ValueInUnit v = SmdValueOf(m).inUnit;
  return v.number + " " + std::string(v.unit) + "  (" + explanation(code, m) + ")";
}

std::string ValueRefusal(std::string_view typed, const ValueReading& reading) {
  switch (reading.problem) {
    case ValueProblem::Empty: return "no value given, for example: zentario value 4k7";
    case ValueProblem::Negative: return Quoted(typed) + " is negative; a resistor carries 0.1 Ω to 99 GΩ";
    case ValueProblem::NotANumber: break;
  }
  return Quoted(typed) + " is not a resistance; write it as 4700, 4k7, 4.7k, 2M2, 0R47, 470R or 1.5M";
}

RangeEnd RangeEndOf(BandFit fit, int digitCount) {
  const bool five = digitCount == 3;
  if (fit == BandFit::AboveRange) return five ? RangeEnd{"999 GΩ", "白 白 白 白"} : RangeEnd{"99 GΩ", "白 白 白"};
  return five ? RangeEnd{"1 Ω", "茶 黒 黒 銀"} : RangeEnd{"0.1 Ω", "茶 黒 銀"};
}

std::string RangeRefusal(std::string_view typed, BandFit fit, int digitCount, bool milli) {
  if (fit != BandFit::BelowRange && fit != BandFit::AboveRange) return {};
  const bool below = fit == BandFit::BelowRange;
  const RangeEnd end = RangeEndOf(fit, digitCount);
  return Quoted(typed) + (below ? " is below " : " is above ") + std::string(end.value) +
         (below ? ", the smallest value " : ", the largest value ") + (digitCount == 3 ? "five" : "four") +
         " bands carry (" + std::string(end.colours) + ")" + (below && milli ? "; m is milli, M mega" : "");
}

std::string SmdRefusal(std::string_view typed, std::string_view code, const SmdReading& m) {
  const std::string shown = Quoted(typed);
  switch (m.problem) {
    case SmdProblem::None: return {};
    case SmdProblem::Empty: return "no marking given, for example: zentario smd 472";
    case SmdProblem::NotAMarking:
      return shown +
             " is not an SMD marking: 3 or 4 digits (472, 4701), digits with R as the point (4R7, R47, 0R22), or "
             "EIA-96 (01C)";
    case SmdProblem::NoDigits: return shown + " has no digits; R stands for the decimal point, as in 4R7 or R47";
    case SmdProblem::TwoPoints:
      return shown + " has more than one R; R stands for the one decimal point, as in 4R7";
    case SmdProblem::Length:
      return shown + " has " + std::to_string(code.size()) +
             " characters; a marking has 3 (472, 4R7, 01C) or 4 (4701, 0R22), or is 0 to 0000 for a jumper";
    case SmdProblem::EiaNumber: return shown + " is not EIA-96: its numbers run from 01 to 96";
    case SmdProblem::EiaLetter:
      return shown + " is not EIA-96: " + std::string(code.substr(2)) +
             " is no multiplier letter (Z, Y or R, X or S, A, B or H, C, D, E, F)";
    case SmdProblem::Ambiguous:
      return shown + " is ambiguous: " + ShortText(m.value) + " Ω with R as the point, or " + ShortText(m.eiaValue) +
             " Ω as EIA-96 (R = ×0.01); " + SmdMarkingsOf(m.value).fourDigits + " is the one, " +
             SmdMarkingsOf(m.eiaValue).eia96 + " the other";
  }
  return {};
}

std::string ColourCodeRefusal(const ColourCodeReading& r) {
  switch (r.problem) {
    case CodeProblem::None: return {};
    case CodeProblem::Count: return "give three to six colours";
    case CodeProblem::Pink:
      return Quoted(r.word) +
             " is not a colour this calculator takes: 桃 (pink, ×0.001 since IEC 60062:2016) has no band in the "
             "window; multipliers are 黒 to 白, 金 and 銀";
    case CodeProblem::NotAColour:
      return Quoted(r.word) + " is not a colour (黒 茶 赤 橙 黄 緑 青 紫 灰 白 金 銀 無, black … white, gold, silver, none)";
    case CodeProblem::DoesNotFit:
      return (r.colour.isDigit ? Quoted(r.word) + " is " : std::string()) + bothNames(r.colour.colour) +
             (r.colour.isDigit ? ", which does not fit: " : " does not fit: ") + bandRule(r.role, r.band);
  }
  return {};
}

}  // namespace zen
