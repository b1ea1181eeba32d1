#pragma once
// The lines `zentario value`, `bands` and `smd` answer with: the nearest preferred values, the SMD
// markings, the reading of a marking and the one-line refusals, in the terminal's English. The
// five- and six-band window shows the same lists of values and markings and words the rest in
// Japanese (ui's PrecisionAnswers), over the same readings and the same helpers here, so the two
// never differ in what they refuse or in the values they name.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "BandCode.h"
#include "BandValue.h"
#include "PreferredValues.h"
#include "SmdMarking.h"
#include "TextReading.h"
#include "ValueBands.h"

namespace zen {

// A value in plain decimal digits: 4750, 0.47, 99000000000. Meant for resistances (0.1 ohm to
// 99 gigaohm and their neighbours); a huge exponent would write as many zeros.
std::string PlainText(const Decimal& value);
// A value the way parts lists write it, with k, M or G: 4.75k, 470, 0.47, 2.2M, 99G.
std::string ShortText(const Decimal& value);

struct NamedSeries {
  std::string_view name;
  std::span<const int> values;
};
// E12 to E192, coarse to fine: the terminal names all five, the window E24 on.
inline constexpr std::array<NamedSeries, 5> kNamedSeries = {
    {{"E12", kE12}, {"E24", kE24}, {"E48", kE48}, {"E96", kE96}, {"E192", kE192}}};

// The nearest member of each series, one list of names per value where neighbouring series
// agree: "4.7k (E12, E24), 4.64k (E48), 4.75k (E96, E192)".
std::string NearestText(const Decimal& asked, std::span<const NamedSeries> series);
// What a code of digitCount digits makes of a value with more: the value its bands show, the
// digits after the last dropped (4.753k: 4.75k).
Decimal ShortenedValue(const Decimal& asked, int digitCount);
// The same in a line: "4.753k → 4.75k (E96, E192); the bands show three digits, 4.75k".
std::string ShortenedText(const Decimal& asked, int digitCount, std::span<const NamedSeries> series);
// The markings that carry the value exactly: "4751, 66B (EIA-96)"; empty when there is none.
std::string MarkingsText(const Decimal& value);

// A marking's value in the window's number format: below 1000 ohm in ohms, as the window shows
// gold and silver multipliers.
struct SmdValue {
  ValueTexts texts;
  ValueInUnit inUnit;
};
SmdValue SmdValueOf(const SmdReading& m);
// How a marking's digits make its value: "47 × 10²", "EIA-96: 01 = 100, C = ×100"; empty for a
// jumper and for R as the point, which each language words itself.
std::string SmdWorking(std::string_view code, const SmdReading& m);
// What a marking means: "10 KΩ  (EIA-96: 01 = 100, C = ×100)". code is the marking as read.
std::string SmdAnswer(std::string_view code, const SmdReading& m);

// The smallest (BelowRange) or the largest (AboveRange) value a code of digitCount digits
// carries, as the refusals name it, and its colours without the tolerance: "1 Ω", "茶 黒 黒 銀".
struct RangeEnd {
  std::string_view value;
  std::string_view colours;
};
RangeEnd RangeEndOf(BandFit fit, int digitCount);

// The refusals, each one line without the command's name. typed is the text as the user gave it.
// A value that cannot be read: "\"abc\" is not a resistance; write it as …".
std::string ValueRefusal(std::string_view typed, const ValueReading& reading);
// A value the bands of a code with digitCount digits cannot carry: "\"0.99\" is below 1 Ω, the
// smallest value five bands carry (茶 黒 黒 銀)"; empty when it fits.
std::string RangeRefusal(std::string_view typed, BandFit fit, int digitCount, bool milli);
// A marking that cannot be read, empty for one that can; code is the marking as read.
std::string SmdRefusal(std::string_view typed, std::string_view code, const SmdReading& m);
// A colour code that was refused: "黒 (black) does not fit: the first band is …".
std::string ColourCodeRefusal(const ColourCodeReading& reading);

}  // namespace zen
