#include "ValueBands.h"

#include <algorithm>

#include "BandCode.h"

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
  const BandCode code = CodeOfValue(value, 2);
  ValueBands bands;
  bands.fit = code.fit;
  if (code.fit == BandFit::Exact || code.fit == BandFit::Shortened) {
    bands.first = code.digits[0];
    bands.second = code.digits[1];
    bands.multiplier = code.multiplier;
  }
  return bands;
}

}  // namespace zen
