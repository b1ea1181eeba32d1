#include "ValueBands.h"

#include <algorithm>

namespace zen {

Decimal MakeDecimal(std::string_view digits, std::int64_t exponent) {
  const std::size_t begin = digits.find_first_not_of('0');
  if (begin == std::string_view::npos) return {};
  const std::size_t end = digits.find_last_not_of('0') + 1;
  const auto trailing = static_cast<std::int64_t>(digits.size() - end);
  return {std::string(digits.substr(begin, end - begin)),
          std::clamp(exponent, -kExponentLimit, kExponentLimit) + trailing};
}

std::int64_t Magnitude(const Decimal& value) {
  if (value.digits.empty()) return 0;
  return static_cast<std::int64_t>(value.digits.size()) - 1 + value.exponent;
}

ValueBands BandsOfValue(const Decimal& value) {
  ValueBands bands;
  if (value.digits.empty()) return bands;  // zero
  const std::int64_t magnitude = Magnitude(value);
  // The two digits stand for d.d x 10^magnitude, so the multiplier is 10^(magnitude - 1): gold
  // (x0.1) for 1 to 9.9 ohm, silver (x0.01) for 0.1 to 0.99 ohm, white (x10^9) at the top.
  if (magnitude < -1) return bands;
  // At the top decade only "99" and what sorts below it fit: "985" (98.5 G) does, "991" does not.
  if (magnitude > 10 || (magnitude == 10 && value.digits > "99")) {
    bands.fit = BandFit::AboveRange;
    return bands;
  }
  const auto digitColour = [&](std::size_t i) {
    return i < value.digits.size() ? *colourOfDigit(value.digits[i] - '0') : BandColour::Black;
  };
  bands.first = digitColour(0);
  bands.second = digitColour(1);
  bands.multiplier = *colourOfExponent(static_cast<int>(magnitude - 1));
  bands.fit = value.digits.size() <= 2 ? BandFit::Exact : BandFit::Shortened;
  return bands;
}

}  // namespace zen
