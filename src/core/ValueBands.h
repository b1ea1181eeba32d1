#pragma once
// From a resistance written as a decimal number to the three bands that carry it.

#include <cstdint>
#include <string>
#include <string_view>

#include "ColourTable.h"

namespace zen {

// A non-negative number exactly as written: digits x 10^exponent, the digits being the
// significant ones only (no leading or trailing zeros; zero has none). Reading "4.75k" this way
// keeps its three digits exact, where a double would turn 0.29 into 0.28999….
struct Decimal {
  std::string digits;
  std::int64_t exponent = 0;
  bool operator==(const Decimal&) const = default;
};

// Zeros at either end of the digits are dropped into the exponent; an exponent beyond
// +-kExponentLimit is held there, far outside any resistance.
inline constexpr std::int64_t kExponentLimit = 1'000'000'000;
Decimal MakeDecimal(std::string_view digits, std::int64_t exponent);

// The power of ten of the leading digit: 4700 -> 3, 0.47 -> -1. Zero gives 0.
std::int64_t Magnitude(const Decimal& value);

enum class BandFit {
  Exact,       // the two digit bands hold every significant digit
  Shortened,   // digits after the second were dropped, as the entry box drops them
  BelowRange,  // under 0.1 ohm (brown, black, silver), zero included
  AboveRange,  // over 99 gigaohm (white, white, white)
};

struct ValueBands {
  BandFit fit = BandFit::BelowRange;
  BandColour first = BandColour::Black;
  BandColour second = BandColour::Black;
  BandColour multiplier = BandColour::Gold;
};

// The first two significant digits and the multiplier that puts them in place: 4750 gives yellow,
// violet, red (4.7 k: the 5 is dropped, never rounded in); 5 gives green, black, gold; 0.47 gives
// yellow, violet, silver. For a whole number written in plain digits these are the bands the entry
// box paints for the same digits. Out of range, the colours are not meaningful.
ValueBands BandsOfValue(const Decimal& value);

}  // namespace zen
