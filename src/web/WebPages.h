#pragma once
// The two reference pages the browser shows, written from the calculator's own tables when the
// program is built, so the pages always agree with what the calculator paints.

#include <array>
#include <span>
#include <string>

#include "ColourTable.h"

namespace zen {

// The standard preferred-value series: two significant digits per decade.
inline constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
inline constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
inline constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                             33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// A colour as HTML writes it: "#RRGGBB".
std::string HtmlColour(Rgb colour);

// The colour-code table: every band colour with its digit, multiplier and tolerance.
std::string ColourCodePage();
// The E6, E12 and E24 series, each value with the colours of its two digit bands.
std::string PartsListPage();

}  // namespace zen
