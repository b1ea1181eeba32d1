#pragma once
// The standard preferred-value series (two significant digits per decade) and the nearest member
// of a series to a value.

#include <array>
#include <span>

#include "ValueBands.h"

namespace zen {

inline constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
inline constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
inline constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                             33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// The member of the series (two-digit numbers 10..99, rising) nearest to a positive value. The
// series are geometric, so "nearest" is by ratio: 9.15 lies nearer 10 than 8.2. A value of zero
// gives zero.
Decimal NearestPreferred(const Decimal& value, std::span<const int> series);

}  // namespace zen
