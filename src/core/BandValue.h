#pragma once
// From the two digit bands and the multiplier band to the resistance in three units.

#include <optional>
#include <string>
#include <string_view>

#include "ColourTable.h"

namespace zen {

struct BandValue {
  double ohm = 0;
  double kiloOhm = 0;
  double megaOhm = 0;
};

// tens is ten times the first digit, digit the second. With no multiplier selected the previous
// value in ohms is kept and the other two units follow from it. Kilo and mega are two divisions in
// sequence (ohm / 1000, then / 1000).
BandValue ComputeBandValue(int tens, int digit, std::optional<BandColour> multiplier,
                           double previousOhm);

struct ValueTexts {
  std::string ohm;
  std::string kiloOhm;
  std::string megaOhm;
};
ValueTexts FormatValue(const BandValue& v);

// The value in the one unit a memory slot shows it in: ohms when the multiplier is below one (gold
// or silver) or the ohm text has at most three characters, kilo-ohms up to six, mega-ohms beyond.
// The units are "Ω", "KΩ" and "MΩ".
struct ValueInUnit {
  std::string number;
  std::string_view unit;
};
ValueInUnit ValueInOneUnit(const ValueTexts& texts, bool fractionalMultiplier);

}  // namespace zen
