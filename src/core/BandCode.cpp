#include "BandCode.h"

#include <string>

namespace zen {

namespace {

// Index = BandColour, from black to none.
constexpr std::array<std::optional<int>, kBandColourCount> kTemperatureCoefficients = {
    250, 100, 50, 15, 25, 20, 10, 5, 1, std::nullopt, std::nullopt, std::nullopt, std::nullopt};

}  // namespace

std::optional<int> temperatureCoefficientOf(BandColour c) {
  return kTemperatureCoefficients.at(static_cast<std::size_t>(index(c)));
}

BandCode CodeOfValue(const Decimal& value, int digitCount) {
  BandCode code;
  code.digitCount = digitCount;
  if (value.digits.empty()) return code;  // zero
  // The digits stand for d.dd x 10^magnitude, so the multiplier is 10^(magnitude - digits + 1):
  // silver (x0.01) at the bottom, white (x10^9) at the top.
  const std::int64_t exponent = Magnitude(value) - (digitCount - 1);
  if (exponent < -2) return code;
  // At the top only the largest digits and what sorts below them fit: "985" (98.5 G) does in
  // four bands, "991" does not.
  if (exponent > 9 || (exponent == 9 && value.digits > std::string(static_cast<std::size_t>(digitCount), '9'))) {
    code.fit = BandFit::AboveRange;
    return code;
  }
  for (std::size_t i = 0; i < static_cast<std::size_t>(digitCount); ++i) {
    code.digits[i] = i < value.digits.size() ? *colourOfDigit(value.digits[i] - '0') : BandColour::Black;
  }
  code.multiplier = *colourOfExponent(static_cast<int>(exponent));
  code.fit = value.digits.size() <= static_cast<std::size_t>(digitCount) ? BandFit::Exact : BandFit::Shortened;
  return code;
}

BandValue ValueOfDigits(std::span<const BandColour> digits, BandColour multiplier) {
  int number = 0;
  for (BandColour d : digits) number = 10 * number + digitOf(d).value_or(0);
  return ComputeBandValue(number / 10 * 10, number % 10, multiplier, 0);
}

}  // namespace zen
