#include "Cli.h"

#include <optional>
#include <utility>

#include "AnswerText.h"
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

using Code = ColourCode;

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
  Shown s{FormatValue(ValueOfDigits(code.digits, code.multiplier)), std::string(toleranceText(code.tolerance)), {}};
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
  const ColourCodeReading reading = ReadColourCode(r.operands);
  if (!reading.code) {
    err << "zentario bands: " << ColourCodeRefusal(reading) << "\n";
    return kUnreadable;
  }
  const Code& code = *reading.code;
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
    err << "zentario value: " << ValueRefusal(text, reading) << "\n";
    return kUnreadable;
  }
  const Decimal& asked = *reading.value;
  const bool five = digitCount == 3;
  const BandCode b = CodeOfValue(asked, digitCount);
  if (const std::string refused = RangeRefusal(text, b.fit, digitCount, reading.milli); !refused.empty()) {
    err << "zentario value: " << refused << "\n";
    return kUnreadable;
  }
  // Four bands start with the band the window starts with, gold; five with the 1 % they are made
  // for.
  const Code code = codeOf(b, tolerance.value_or(five ? C::Brown : C::Gold));
  const Shown s = shownFor(code);
  // A third digit that four bands drop has a five-band code of its own.
  std::optional<Code> fiveBands;
  if (!five && asked.digits.size() == 3) {
    const BandCode b5 = CodeOfValue(asked, 3);
    if (b5.fit == BandFit::Exact) fiveBands = codeOf(b5, tolerance.value_or(C::Brown));
  }
  const std::string markings = MarkingsText(asked);
  if (r.json) {
    JsonObject json;
    json.text("input", text);
    addShown(json, code, s);
    json.boolean("exact", b.fit == BandFit::Exact).number("asked", PlainText(asked));
    for (const NamedSeries& n : kNamedSeries) {
      std::string key(n.name);
      key[0] = 'e';
      json.number(key, PlainText(NearestPreferred(asked, n.values)));
    }
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
  if (b.fit == BandFit::Shortened) out << ShortenedText(asked, digitCount, kNamedSeries) << "\n";
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

int smd(const Request& r, std::ostream& out, std::ostream& err) {
  std::string text;
  for (const std::string& o : r.operands) text += (text.empty() ? "" : " ") + o;
  const std::optional<std::string> folded = FoldedAndTrimmed(text);
  SmdReading m;
  m.problem = SmdProblem::NotAMarking;  // not UTF-8
  if (folded) m = ReadSmdMarking(*folded);
  const std::string code = folded.value_or("");
  if (m.problem != SmdProblem::None) {
    err << "zentario smd: " << SmdRefusal(text, code, m) << "\n";
    return kUnreadable;
  }

  const SmdValue v = SmdValueOf(m);
  const ValueTexts& texts = v.texts;
  const ValueInUnit& inUnit = v.inUnit;
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
  out << SmdAnswer(code, m) << "\n";
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
