#pragma once
// Colour codes beside the window's four bands: five bands (three digits, multiplier, tolerance)
// and six (the same and the temperature coefficient), and from a value to the digit bands and
// multiplier of a code with two or three digits.

#include <array>
#include <optional>
#include <span>

#include "BandValue.h"
#include "ColourTable.h"
#include "ValueBands.h"

namespace zen {

// The sixth band: the temperature coefficient in ppm/K. Black 250, brown 100, red 50, orange 15,
// yellow 25, green 20, blue 10, violet 5, grey 1; white, gold, silver and none carry none.
std::optional<int> temperatureCoefficientOf(BandColour c);

// The digit bands and multiplier that carry a value with `digitCount` significant digits (2 for
// four bands, 3 for five and six). Digits past them are dropped, never rounded in, as the entry
// box drops them. The multiplier runs from silver (x0.01) to white (x10^9), so four bands carry
// 0.1 ohm to 99 gigaohm and five 1 ohm to 999 gigaohm. Out of range, the colours are not
// meaningful.
struct BandCode {
  BandFit fit = BandFit::BelowRange;
  int digitCount = 2;
  std::array<BandColour, 3> digits = {BandColour::Black, BandColour::Black, BandColour::Black};
  BandColour multiplier = BandColour::Gold;
};
BandCode CodeOfValue(const Decimal& value, int digitCount);

// The value of two or three digit bands and a multiplier, computed as the window computes its
// four: ten times the number of all digits but the last, then the last.
BandValue ValueOfDigits(std::span<const BandColour> digits, BandColour multiplier);

}  // namespace zen
