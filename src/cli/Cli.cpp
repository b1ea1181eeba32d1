#include "Cli.h"

#include <optional>

#include "BandValue.h"
#include "ColourTable.h"
#include "PreferredValues.h"
#include "Reading.h"
#include "ValueBands.h"
#include "Writing.h"

namespace zen::cli {

namespace {

using C = BandColour;

// What the command line asked for beside the colours or the value.
struct Request {
  std::vector<std::string> operands;
  bool json = false;
  bool help = false;
  std::string unknownOption;
};

Request readRequest(const std::vector<std::string>& args) {
  Request r;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && a == "--json") {
      r.json = true;
    } else if (!optionsEnded && (a == "--help" || a == "-h")) {
      r.help = true;
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

// Which colours a band takes, for the line that refuses another.
std::string_view bandRule(int band) {
  switch (band) {
    case 0: return "the first band is a digit from 1 to 9: 茶 to 白 (brown to white)";
    case 1: return "the second band is a digit: 黒 to 白 (black to white), or 0 to 9";
    case 2: return "the multiplier is 黒 to 白 (×1 to ×10⁹), 金 (×0.1) or 銀 (×0.01), by colour";
    default: return "the tolerance band is 橙 紫 青 緑 茶 赤 金 銀 or 無";
  }
}

bool fitsBand(int band, const ColourWord& w) {
  switch (band) {
    case 0: return digitOf(w.colour).value_or(0) >= 1;
    case 1: return digitOf(w.colour).has_value();
    case 2: return !w.isDigit && multiplierOf(w.colour).has_value();
    default: return !w.isDigit && toleranceOf(w.colour).has_value();
  }
}

// The texts the window shows for a choice of bands: its three value boxes and its tolerance box.
struct Shown {
  ValueTexts values;
  std::string tolerance;
  ValueInUnit inUnit;
};

Shown shownFor(C first, C second, C multiplier, C tolerance) {
  const BandValue v = ComputeBandValue(10 * *digitOf(first), *digitOf(second), multiplier, 0);
  Shown s{FormatValue(v), std::string(toleranceText(tolerance)), {}};
  s.inUnit = ValueInOneUnit(s.values, multiplier == C::Gold || multiplier == C::Silver);
  return s;
}

void addShown(JsonObject& json, C first, C second, C multiplier, C tolerance, const Shown& s) {
  json.texts("bands", {nameText(first), nameText(second), nameText(multiplier), nameText(tolerance)})
      .texts("colours", {EnglishName(first), EnglishName(second), EnglishName(multiplier), EnglishName(tolerance)})
      .number("ohm", s.values.ohm)
      .number("kiloohm", s.values.kiloOhm)
      .number("megaohm", s.values.megaOhm)
      .number("tolerance", s.tolerance)
      .text("value", s.inUnit.number + " " + std::string(s.inUnit.unit));
}

int bands(const Request& r, std::ostream& out, std::ostream& err) {
  if (r.operands.size() < 3 || r.operands.size() > 4) {
    err << "zentario bands: give three or four colours, for example: zentario bands 黄 紫 赤 金\n";
    return kUnreadable;
  }
  C chosen[4] = {C::Black, C::Black, C::Black, C::Gold};
  for (std::size_t band = 0; band < r.operands.size(); ++band) {
    const std::optional<ColourWord> w = ReadColour(r.operands[band]);
    if (!w) {
      err << "zentario bands: " << Quoted(r.operands[band])
          << " is not a colour (黒 茶 赤 橙 黄 緑 青 紫 灰 白 金 銀 無, black … white, gold, silver, none)\n";
      return kUnreadable;
    }
    if (!fitsBand(static_cast<int>(band), *w)) {
      err << "zentario bands: ";
      if (w->isDigit) err << Quoted(r.operands[band]) << " is ";
      err << bothNames(w->colour) << (w->isDigit ? ", which" : "") << " does not fit: ";
      err << bandRule(static_cast<int>(band)) << "\n";
      return kUnreadable;
    }
    chosen[band] = w->colour;
  }
  const Shown s = shownFor(chosen[0], chosen[1], chosen[2], chosen[3]);
  if (r.json) {
    JsonObject json;
    addShown(json, chosen[0], chosen[1], chosen[2], chosen[3], s);
    out << json.str() << "\n";
  } else {
    out << s.values.ohm << " Ω  " << s.values.kiloOhm << " KΩ  " << s.values.megaOhm << " MΩ  ±" << s.tolerance
        << " %\n";
  }
  return 0;
}

// "4.75k → 4.7k (E12, E24)": the nearest preferred values, one name when both series agree.
std::string nearestText(const Decimal& e12, const Decimal& e24) {
  if (e12 == e24) return ShortText(e12) + " (E12, E24)";
  return ShortText(e12) + " (E12), " + ShortText(e24) + " (E24)";
}

int value(const Request& r, std::ostream& out, std::ostream& err) {
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
  const ValueBands b = BandsOfValue(asked);
  if (b.fit == BandFit::BelowRange) {
    err << "zentario value: " << Quoted(text) << " is below 0.1 Ω, the smallest value four bands carry (茶 黒 銀)"
        << (reading.milli ? "; m is milli, M mega" : "") << "\n";
    return kUnreadable;
  }
  if (b.fit == BandFit::AboveRange) {
    err << "zentario value: " << Quoted(text) << " is above 99 GΩ, the largest value four bands carry (白 白 白)\n";
    return kUnreadable;
  }
  const C tolerance = C::Gold;  // the band the window starts with
  const Shown s = shownFor(b.first, b.second, b.multiplier, tolerance);
  const Decimal e12 = NearestPreferred(asked, kE12);
  const Decimal e24 = NearestPreferred(asked, kE24);
  if (r.json) {
    JsonObject json;
    json.text("input", text);
    addShown(json, b.first, b.second, b.multiplier, tolerance, s);
    json.boolean("exact", b.fit == BandFit::Exact)
        .number("asked", PlainText(asked))
        .number("e12", PlainText(e12))
        .number("e24", PlainText(e24));
    out << json.str() << "\n";
    return 0;
  }
  out << nameText(b.first) << " " << nameText(b.second) << " " << nameText(b.multiplier) << " "
      << nameText(tolerance) << "  (" << EnglishName(b.first) << " " << EnglishName(b.second) << " "
      << EnglishName(b.multiplier) << " " << EnglishName(tolerance) << ")  " << s.inUnit.number << " "
      << s.inUnit.unit << " ±" << s.tolerance << " %\n";
  if (b.fit == BandFit::Shortened) {
    const Decimal painted = MakeDecimal(asked.digits.substr(0, 2), Magnitude(asked) - 1);
    out << ShortText(asked) << " → " << nearestText(e12, e24) << "; the bands show two digits, "
        << ShortText(painted) << "\n";
  }
  return 0;
}

}  // namespace

bool IsSubcommand(std::string_view arg) { return arg == "bands" || arg == "value"; }

std::string SubcommandsHelp() {
  return "Sub-commands (answered on the terminal, no window):\n"
         "  bands C1 C2 C3 [C4] [--json]  the value of four colour bands\n"
         "      zentario bands 黄 紫 赤 金      →  4700 Ω  4.7 KΩ  0.0047 MΩ  ±5 %\n"
         "      zentario bands 4 7 red\n"
         "  value TEXT [--json]           the bands for a resistance\n"
         "      zentario value 4k7         →  黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"
         "      zentario value 0R47\n"
         "  zentario bands --help, zentario value --help: the details.\n";
}

std::string BandsHelp() {
  return "Usage: zentario bands C1 C2 C3 [C4] [--json]\n"
         "\n"
         "Prints what the calculator window shows for four band colours: the value in Ω, KΩ and MΩ\n"
         "and the tolerance.\n"
         "\n"
         "Colours by the names the window shows (黒 茶 赤 橙 黄 緑 青 紫 灰 白 金 銀 無), by their\n"
         "English names in any case (black brown red orange yellow green blue violet/purple\n"
         "grey/gray white gold silver none), or by digit 0 to 9 for the first two bands.\n"
         "C1 is 茶 to 白 (1 to 9), C2 黒 to 白 (0 to 9), C3 黒 to 白, 金 or 銀, and C4 one of\n"
         "橙 紫 青 緑 茶 赤 金 銀 無; without C4 the fourth band is 金 (gold, ±5 %).\n"
         "\n"
         "  zentario bands 黄 紫 赤 金     4700 Ω  4.7 KΩ  0.0047 MΩ  ±5 %\n"
         "  zentario bands 4 7 gold       4.7 Ω  0.0047 KΩ  4.7E-06 MΩ  ±5 %\n"
         "  zentario bands brown black green brown --json\n"
         "\n"
         "--json prints one JSON object: bands (the window's names), colours (English), ohm,\n"
         "kiloohm, megaohm and tolerance (the window's texts, as numbers), value (one unit).\n"
         "Exit status: 0, or 2 with one line on standard error when a colour cannot be read or\n"
         "does not fit its band.\n";
}

std::string ValueHelp() {
  return "Usage: zentario value TEXT [--json]\n"
         "\n"
         "Prints the four bands for a resistance, by name in Japanese and English, and the value\n"
         "the window shows for them. The fourth band is 金 (gold, ±5 %).\n"
         "\n"
         "TEXT is a number of ohms as the window's entry box takes it (4700, giving the same bands\n"
         "as typing it there), or as schematics and parts lists write it: 4k7, 4K7, 4.7k, 2M2,\n"
         "0R47, R47, 470R, 1.5M, 1.5meg, 4.7e3, with or without Ω, ohm or ohms after it.\n"
         "k and K are kilo, M and meg mega, m milli (470m is 0.47 Ω), G giga, R the ohm point.\n"
         "Full-width digits and letters are read too. From 0.1 Ω (茶 黒 銀) to 99 GΩ (白 白 白);\n"
         "below 10 Ω the multiplier is 金 (×0.1), below 1 Ω 銀 (×0.01).\n"
         "\n"
         "The bands carry two digits. As in the window, digits after the second are dropped, not\n"
         "rounded; a second line then names the nearest E12 and E24 values:\n"
         "\n"
         "  zentario value 4k7      黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"
         "  zentario value 4.75k    黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"
         "                          4.75k → 4.7k (E12, E24); the bands show two digits, 4.7k\n"
         "  zentario value 0R47     黄 紫 銀 金  (yellow violet silver gold)  0.47 Ω ±5 %\n"
         "\n"
         "--json prints one JSON object: input, bands, colours, ohm, kiloohm, megaohm, tolerance,\n"
         "value, exact (false when digits were dropped), asked (the value read, in ohms), e12 and\n"
         "e24 (the nearest preferred values, in ohms).\n"
         "Exit status: 0, or 2 with one line on standard error for an empty, negative or unreadable\n"
         "value, or one below 0.1 Ω or above 99 GΩ.\n";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string_view name = args.empty() ? std::string_view() : std::string_view(args[0]);
  if (!IsSubcommand(name)) {
    err << "zentario: " << Quoted(name) << " is not a sub-command (bands, value)\n";
    return kUnreadable;
  }
  const Request r = readRequest(args);
  if (r.help) {
    out << (name == "bands" ? BandsHelp() : ValueHelp());
    return 0;
  }
  if (!r.unknownOption.empty()) {
    err << "zentario " << name << ": unknown option " << Quoted(r.unknownOption) << "; see zentario " << name
        << " --help\n";
    return kUnreadable;
  }
  return name == "bands" ? bands(r, out, err) : value(r, out, err);
}

}  // namespace zen::cli
