#include "PreferredValues.h"

#include <cmath>
#include <limits>
#include <string>

namespace zen {

Decimal NearestPreferred(const Decimal& value, std::span<const int> series) {
  if (value.digits.empty() || series.empty()) return {};
  // The leading digits as a number from 1 to 10; seventeen digits are all a double can tell apart.
  const std::string lead = value.digits.substr(0, 17);
  const double mantissa = std::stod(lead) / std::pow(10.0, static_cast<double>(lead.size() - 1));
  const std::int64_t magnitude = Magnitude(value);
  // Members have one digit before the point and `places` after it: 47 is 4.7, 475 is 4.75.
  const int places = series.front() < 100 ? 1 : 2;
  const double scale = std::pow(10.0, places);

  // Each member s stands for s/10 (or s/100) in the value's decade; the series' first member one
  // decade up (10 for 9.15) may be nearer than its last. Candidates rise, and a tie keeps the
  // lower one.
  Decimal best;
  double bestDistance = std::numeric_limits<double>::infinity();
  const auto consider = [&](int member, std::int64_t exponent, double position) {
    const double distance = std::abs(std::log(position / mantissa));
    if (distance < bestDistance) {
      bestDistance = distance;
      best = MakeDecimal(std::to_string(member), exponent);
    }
  };
  for (int member : series) consider(member, magnitude - places, member / scale);
  consider(series.front(), magnitude + 1 - places, 10.0 * series.front() / scale);
  return best;
}

}  // namespace zen
