#include "Cli.h"

#include <cmath>
#include <optional>
#include <utility>

#include "BandCode.h"
#include "BandValue.h"
#include "ColourTable.h"
#include "Numbers.h"
#include "PreferredValues.h"
#include "Reading.h"
#include "SmdMarking.h"
#include "ValueBands.h"
#include "Writing.h"

namespace zen::cli {

namespace {

using C = BandColour;

// What the command line asked for beside the colours, the value or the marking.
struct Request {
  std::vector<std::string> operands;
  bool json = false;
  bool help = false;
  std::optional<std::string> bandCount;  // value --bands N
  std::optional<std::string> tolerance;  // value --tolerance T
  std::string unknownOption;
  std::string optionWithoutValue;
};

Request readRequest(const std::vector<std::string>& args) {
  Request r;
  const bool takesBands = args[0] == "value";
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    // --bands 5 and --bands=5 alike.
    const auto optionValue = [&](std::string_view name, std::optional<std::string>& into) {
      if (a == name) {
        if (i + 1 < args.size()) {
          into = args[++i];
        } else if (r.optionWithoutValue.empty()) {
          r.optionWithoutValue = a;
        }
        return true;
      }
      if (a.starts_with(std::string(name) + "=")) {
        into = a.substr(name.size() + 1);
        return true;
      }
      return false;
    };
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && a == "--json") {
      r.json = true;
    } else if (!optionsEnded && (a == "--help" || a == "-h")) {
      r.help = true;
    } else if (!optionsEnded && takesBands &&
               (optionValue("--bands", r.bandCount) || optionValue("--tolerance", r.tolerance))) {
      // Taken with its value.
    } else if (!optionsEnded && a.starts_with("--")) {
      if (r.unknownOption.empty()) r.unknownOption = a;
    } else {
      // "-5" is a value to be refused as negative, not an option.
      r.operands.push_back(a);
    }
  }
  return r;
}

std::string bothNames(C c) { return std::string(nameText(c)) + " (" + std::string(EnglishName(c)) + ")"; }

// What a band of a code stands for. Three and four colours are the window's four bands; five add
// a third digit, six the temperature coefficient.
enum class Role { FirstDigit, Digit, Multiplier, Tolerance, Coefficient };

std::vector<Role> rolesOf(std::size_t colours) {
  std::vector<Role> roles = {Role::FirstDigit, Role::Digit};
  if (colours >= 5) roles.push_back(Role::Digit);
  roles.push_back(Role::Multiplier);
  roles.push_back(Role::Tolerance);
  if (colours == 6) roles.push_back(Role::Coefficient);
  return roles;
}

// Which colours a band takes, for the line that refuses another.
std::string bandRule(Role role, std::size_t band) {
  switch (role) {
    case Role::FirstDigit: return "the first band is a digit from 1 to 9: 茶 to 白 (brown to white)";
    case Role::Digit:
      return std::string(band == 1 ? "the second" : "the third") + " band is a digit: 黒 to 白 (black to white), or 0 to 9";
    case Role::Multiplier: return "the multiplier is 黒 to 白 (×1 to ×10⁹), 金 (×0.1) or 銀 (×0.01), by colour";
    case Role::Tolerance: return "the tolerance band is 橙 紫 青 緑 茶 赤 金 銀 or 無";
    case Role::Coefficient:
      return "the sixth band, the temperature coefficient, is 黒 茶 赤 橙 黄 緑 青 紫 or 灰 (250 to 1 ppm/K), by colour";
  }
  return {};
}

bool fitsBand(Role role, const ColourWord& w) {
  switch (role) {
    case Role::FirstDigit: return digitOf(w.colour).value_or(0) >= 1;
    case Role::Digit: return digitOf(w.colour).has_value();
    case Role::Multiplier: return !w.isDigit && multiplierOf(w.colour).has_value();
    case Role::Tolerance: return !w.isDigit && toleranceOf(w.colour).has_value();
    case Role::Coefficient: return !w.isDigit && temperatureCoefficientOf(w.colour).has_value();
  }
  return false;
}

// A colour code: two or three digit bands, the multiplier, the tolerance, perhaps a coefficient.
struct Code {
  std::vector<C> digits;
  C multiplier = C::Gold;
  C tolerance = C::Gold;
  std::optional<C> coefficient;

  std::vector<C> colours() const {
    std::vector<C> all = digits;
    all.push_back(multiplier);
    all.push_back(tolerance);
    if (coefficient) all.push_back(*coefficient);
    return all;
  }
};

Code codeOf(const BandCode& b, C tolerance) {
  return {std::vector<C>(b.digits.begin(), b.digits.begin() + b.digitCount), b.multiplier, tolerance, {}};
}

// The texts the window shows for a code: its three value boxes and its tolerance box.
struct Shown {
  ValueTexts values;
  std::string tolerance;
  ValueInUnit inUnit;
};

Shown shownFor(const Code& code) {
  int number = 0;
  for (C d : code.digits) number = 10 * number + *digitOf(d);
  // The window's computation: ten times the number of all digits but the last, then the last.
  const BandValue v = ComputeBandValue(number / 10 * 10, number % 10, code.multiplier, 0);
  Shown s{FormatValue(v), std::string(toleranceText(code.tolerance)), {}};
  s.inUnit = ValueInOneUnit(s.values, code.multiplier == C::Gold || code.multiplier == C::Silver);
  return s;
}

std::string joined(const std::vector<C>& colours, std::string_view (*name)(C)) {
  std::string text;
  for (C c : colours) {
    if (!text.empty()) text += ' ';
    text += name(c);
  }
  return text;
}

// "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %"
std::string codeLine(const Code& code, const Shown& s) {
  return joined(code.colours(), nameText) + "  (" + joined(code.colours(), EnglishName) + ")  " + s.inUnit.number +
         " " + std::string(s.inUnit.unit) + " ±" + s.tolerance + " %\n";
}

void addShown(JsonObject& json, const Code& code, const Shown& s) {
  std::vector<std::string_view> names;
  std::vector<std::string_view> english;
  for (C c : code.colours()) {
    names.push_back(nameText(c));
    english.push_back(EnglishName(c));
  }
  json.texts("bands", names)
      .texts("colours", english)
      .number("ohm", s.values.ohm)
      .number("kiloohm", s.values.kiloOhm)
      .number("megaohm", s.values.megaOhm)
      .number("tolerance", s.tolerance)
      .text("value", s.inUnit.number + " " + std::string(s.inUnit.unit))
      .number("digits", std::to_string(code.digits.size()));
}

int bands(const Request& r, std::ostream& out, std::ostream& err) {
  if (r.operands.size() < 3 || r.operands.size() > 6) {
    err << "zentario bands: give three to six colours, for example: zentario bands 黄 紫 赤 金\n";
    return kUnreadable;
  }
  const std::vector<Role> roles = rolesOf(r.operands.size());
  Code code;
  for (std::size_t band = 0; band < r.operands.size(); ++band) {
    const std::string& word = r.operands[band];
    if (IsPinkWord(word)) {
      err << "zentario bands: " << Quoted(word)
          << " is not a colour this calculator takes: 桃 (pink, ×0.001 since IEC 60062:2016) has no band in the "
             "window; multipliers are 黒 to 白, 金 and 銀\n";
      return kUnreadable;
    }
    const std::optional<ColourWord> w = ReadColour(word);
    if (!w) {
      err << "zentario bands: " << Quoted(word)
          << " is not a colour (黒 茶 赤 橙 黄 緑 青 紫 灰 白 金 銀 無, black … white, gold, silver, none)\n";
      return kUnreadable;
    }
    if (!fitsBand(roles[band], *w)) {
      err << "zentario bands: ";
      if (w->isDigit) err << Quoted(word) << " is ";
      err << bothNames(w->colour) << (w->isDigit ? ", which" : "") << " does not fit: ";
      err << bandRule(roles[band], band) << "\n";
      return kUnreadable;
    }
    switch (roles[band]) {
      case Role::FirstDigit:
      case Role::Digit: code.digits.push_back(w->colour); break;
      case Role::Multiplier: code.multiplier = w->colour; break;
      case Role::Tolerance: code.tolerance = w->colour; break;
      case Role::Coefficient: code.coefficient = w->colour; break;
    }
  }
  const Shown s = shownFor(code);
  std::optional<int> ppm;
  if (code.coefficient) ppm = temperatureCoefficientOf(*code.coefficient);
  if (r.json) {
    JsonObject json;
    addShown(json, code, s);
    if (ppm) {
      json.number("tempco", GeneralNumberText(*ppm));
    } else {
      json.null("tempco");
    }
    out << json.str() << "\n";
    return 0;
  }
  out << s.values.ohm << " Ω  " << s.values.kiloOhm << " KΩ  " << s.values.megaOhm << " MΩ  ±" << s.tolerance << " %";
  if (ppm) out << "  " << GeneralNumberText(*ppm) << " ppm/K";
  out << "\n";
  return 0;
}

// The nearest values of the series, one name list per value where neighbouring series agree:
// "4.7k (E12, E24), 4.64k (E48), 4.75k (E96, E192)".
struct Nearest {
  const char* series;
  const char* key;  // in --json
  Decimal value;
};

std::vector<Nearest> nearestOf(const Decimal& asked) {
  return {{"E12", "e12", NearestPreferred(asked, kE12)},
          {"E24", "e24", NearestPreferred(asked, kE24)},
          {"E48", "e48", NearestPreferred(asked, kE48)},
          {"E96", "e96", NearestPreferred(asked, kE96)},
          {"E192", "e192", NearestPreferred(asked, kE192)}};
}

std::string nearestText(const std::vector<Nearest>& nearest) {
  std::string text;
  for (std::size_t i = 0; i < nearest.size(); ++i) {
    const bool sameAsBefore = i > 0 && nearest[i].value == nearest[i - 1].value;
    const bool sameAfter = i + 1 < nearest.size() && nearest[i + 1].value == nearest[i].value;
    if (!sameAsBefore) text += (i > 0 ? "), " : "") + ShortText(nearest[i].value) + " (";
    text += nearest[i].series;
    if (sameAfter) text += ", ";
  }
  return text + ")";
}

// "SMD: 4751, 66B (EIA-96)": the markings that carry the value exactly.
std::string markingsText(const Decimal& value) {
  const SmdMarkings m = SmdMarkingsOf(value);
  std::string text;
  for (const std::string* code : {&m.threeDigits, &m.fourDigits}) {
    if (!code->empty()) text += (text.empty() ? "" : ", ") + *code;
  }
  if (!m.eia96.empty()) text += (text.empty() ? "" : ", ") + m.eia96 + " (EIA-96)";
  return text;
}

int value(const Request& r, std::ostream& out, std::ostream& err) {
  int digitCount = 2;
  if (r.bandCount) {
    if (*r.bandCount != "4" && *r.bandCount != "5") {
      err << "zentario value: --bands takes 4 or 5, not " << Quoted(*r.bandCount) << "\n";
      return kUnreadable;
    }
    digitCount = *r.bandCount == "4" ? 2 : 3;
  }
  std::optional<C> tolerance;
  if (r.tolerance) {
    tolerance = ReadTolerance(*r.tolerance);
    if (!tolerance) {
      err << "zentario value: " << Quoted(*r.tolerance)
          << " is not a tolerance; give 0.05 0.1 0.25 0.5 1 2 5 10 or 20 (per cent), or its colour\n";
      return kUnreadable;
    }
  }
  // "4.7 kΩ" typed without quotes arrives in two pieces.
  std::string text;
  for (const std::string& o : r.operands) text += (text.empty() ? "" : " ") + o;
  const ValueReading reading = ReadValue(text);
  if (!reading.value) {
    switch (reading.problem) {
      case ValueProblem::Empty:
        err << "zentario value: no value given, for example: zentario value 4k7\n";
        break;
      case ValueProblem::Negative:
        err << "zentario value: " << Quoted(text) << " is negative; a resistor carries 0.1 Ω to 99 GΩ\n";
        break;
      case ValueProblem::NotANumber:
        err << "zentario value: " << Quoted(text)
            << " is not a resistance; write it as 4700, 4k7, 4.7k, 2M2, 0R47, 470R or 1.5M\n";
        break;
    }
    return kUnreadable;
  }
  const Decimal& asked = *reading.value;
  const bool five = digitCount == 3;
  const BandCode b = CodeOfValue(asked, digitCount);
  if (b.fit == BandFit::BelowRange) {
    err << "zentario value: " << Quoted(text)
        << (five ? " is below 1 Ω, the smallest value five bands carry (茶 黒 黒 銀)"
                 : " is below 0.1 Ω, the smallest value four bands carry (茶 黒 銀)")
        << (reading.milli ? "; m is milli, M mega" : "") << "\n";
    return kUnreadable;
  }
  if (b.fit == BandFit::AboveRange) {
    err << "zentario value: " << Quoted(text)
        << (five ? " is above 999 GΩ, the largest value five bands carry (白 白 白 白)"
                 : " is above 99 GΩ, the largest value four bands carry (白 白 白)")
        << "\n";
    return kUnreadable;
  }
  // Four bands start with the band the window starts with, gold; five with the 1 % they are made
  // for.
  const Code code = codeOf(b, tolerance.value_or(five ? C::Brown : C::Gold));
  const Shown s = shownFor(code);
  const std::vector<Nearest> nearest = nearestOf(asked);
  // A third digit that four bands drop has a five-band code of its own.
  std::optional<Code> fiveBands;
  if (!five && asked.digits.size() == 3) {
    const BandCode b5 = CodeOfValue(asked, 3);
    if (b5.fit == BandFit::Exact) fiveBands = codeOf(b5, tolerance.value_or(C::Brown));
  }
  const std::string markings = markingsText(asked);
  if (r.json) {
    JsonObject json;
    json.text("input", text);
    addShown(json, code, s);
    json.boolean("exact", b.fit == BandFit::Exact).number("asked", PlainText(asked));
    for (const Nearest& n : nearest) json.number(n.key, PlainText(n.value));
    if (fiveBands) {
      std::vector<std::string_view> names;
      for (C c : fiveBands->colours()) names.push_back(nameText(c));
      json.texts("bands5", names);
    }
    const SmdMarkings m = SmdMarkingsOf(asked);
    std::vector<std::string_view> smd;
    for (const std::string* marking : {&m.threeDigits, &m.fourDigits, &m.eia96}) {
      if (!marking->empty()) smd.push_back(*marking);
    }
    json.texts("smd", smd);
    out << json.str() << "\n";
    return 0;
  }
  out << codeLine(code, s);
  if (b.fit == BandFit::Shortened) {
    std::string painted = asked.digits.substr(0, static_cast<std::size_t>(digitCount));
    out << ShortText(asked) << " → " << nearestText(nearest) << "; the bands show " << (five ? "three" : "two")
        << " digits, " << ShortText(MakeDecimal(painted, Magnitude(asked) - (digitCount - 1))) << "\n";
  }
  if (fiveBands) out << "five bands: " << codeLine(*fiveBands, shownFor(*fiveBands));
  if (!markings.empty()) out << "SMD: " << markings << "\n";
  return 0;
}

std::string_view kindName(SmdKind k) {
  switch (k) {
    case SmdKind::Jumper: return "jumper";
    case SmdKind::ThreeDigits: return "three digits";
    case SmdKind::FourDigits: return "four digits";
    case SmdKind::DecimalPoint: return "decimal point";
    case SmdKind::Eia96: return "EIA-96";
  }
  return {};
}

std::string superscript(int n) {
  constexpr std::string_view kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  return std::string(kDigits[n % 10]);
}

// Why a marking means its value: "47 × 10²", "EIA-96: 01 = 100, C = ×100".
std::string explanation(const std::string& code, const SmdReading& m) {
  switch (m.kind) {
    case SmdKind::Jumper: return "a zero-ohm jumper";
    case SmdKind::ThreeDigits:
    case SmdKind::FourDigits: return std::to_string(m.significant) + " × 10" + superscript(m.power);
    case SmdKind::DecimalPoint: return "R is the decimal point";
    case SmdKind::Eia96:
      return "EIA-96: " + code.substr(0, 2) + " = " + std::to_string(m.significant) + ", " + code.substr(2) + " = ×" +
             GeneralNumberText(std::pow(10.0, m.power));
  }
  return {};
}

int smd(const Request& r, std::ostream& out, std::ostream& err) {
  std::string text;
  for (const std::string& o : r.operands) text += (text.empty() ? "" : " ") + o;
  const std::optional<std::string> folded = FoldedAndTrimmed(text);
  SmdReading m;
  m.problem = SmdProblem::NotAMarking;  // not UTF-8
  if (folded) m = ReadSmdMarking(*folded);
  const std::string code = folded.value_or("");
  const std::string shown = Quoted(text);
  switch (m.problem) {
    case SmdProblem::None: break;
    case SmdProblem::Empty: err << "zentario smd: no marking given, for example: zentario smd 472\n"; break;
    case SmdProblem::NotAMarking:
      err << "zentario smd: " << shown
          << " is not an SMD marking: 3 or 4 digits (472, 4701), digits with R as the point (4R7, R47, 0R22), or "
             "EIA-96 (01C)\n";
      break;
    case SmdProblem::NoDigits:
      err << "zentario smd: " << shown << " has no digits; R stands for the decimal point, as in 4R7 or R47\n";
      break;
    case SmdProblem::TwoPoints:
      err << "zentario smd: " << shown << " has more than one R; R stands for the one decimal point, as in 4R7\n";
      break;
    case SmdProblem::Length:
      err << "zentario smd: " << shown << " has " << code.size()
          << " characters; a marking has 3 (472, 4R7, 01C) or 4 (4701, 0R22), or is 0 to 0000 for a jumper\n";
      break;
    case SmdProblem::EiaNumber:
      err << "zentario smd: " << shown << " is not EIA-96: its numbers run from 01 to 96\n";
      break;
    case SmdProblem::EiaLetter:
      err << "zentario smd: " << shown << " is not EIA-96: " << code.substr(2)
          << " is no multiplier letter (Z, Y or R, X or S, A, B or H, C, D, E, F)\n";
      break;
    case SmdProblem::Ambiguous:
      err << "zentario smd: " << shown << " is ambiguous: " << ShortText(m.value) << " Ω with R as the point, or "
          << ShortText(m.eiaValue) << " Ω as EIA-96 (R = ×0.01); " << SmdMarkingsOf(m.value).fourDigits
          << " is the one, " << SmdMarkingsOf(m.eiaValue).eia96 << " the other\n";
      break;
  }
  if (m.problem != SmdProblem::None) return kUnreadable;

  // The value in the window's number format; below 1000 ohm in ohms, as the window shows gold and
  // silver multipliers.
  const double ohm = LeadingNumber(PlainText(m.value));
  const ValueTexts texts = FormatValue({ohm, ohm / 1000, ohm / 1000 / 1000});
  const ValueInUnit inUnit = ValueInOneUnit(texts, ohm < 1000);
  if (r.json) {
    JsonObject json;
    json.text("input", text)
        .text("kind", kindName(m.kind))
        .number("ohm", texts.ohm)
        .number("kiloohm", texts.kiloOhm)
        .number("megaohm", texts.megaOhm)
        .text("value", inUnit.number + " " + std::string(inUnit.unit));
    out << json.str() << "\n";
    return 0;
  }
  out << inUnit.number << " " << inUnit.unit << "  (" << explanation(code, m) << ")\n";
  return 0;
}

}  // namespace

bool IsSubcommand(std::string_view arg) { return arg == "bands" || arg == "value" || arg == "smd"; }

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string_view name = args.empty() ? std::string_view() : std::string_view(args[0]);
  if (!IsSubcommand(name)) {
    err << "zentario: " << Quoted(name) << " is not a sub-command (bands, value, smd)\n";
    return kUnreadable;
  }
  const Request r = readRequest(args);
  if (r.help) {
    out << (name == "bands" ? BandsHelp() : name == "value" ? ValueHelp() : SmdHelp());
    return 0;
  }
  if (!r.unknownOption.empty()) {
    err << "zentario " << name << ": unknown option " << Quoted(r.unknownOption) << "; see zentario " << name
        << " --help\n";
    return kUnreadable;
  }
  if (!r.optionWithoutValue.empty()) {
    err << "zentario " << name << ": " << r.optionWithoutValue << " needs a value; see zentario " << name
        << " --help\n";
    return kUnreadable;
  }
  if (name == "bands") return bands(r, out, err);
  return name == "value" ? value(r, out, err) : smd(r, out, err);
}

}  // namespace zen::cli
