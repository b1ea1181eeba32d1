#pragma once
// The two reference pages the browser shows, written from the calculator's own tables when the
// program is built, so the pages always agree with what the calculator paints.

#include <array>
#include <span>
#include <string>

#include "ColourTable.h"
#include "PreferredValues.h"

namespace zen {

// A colour as HTML writes it: "#RRGGBB".
std::string HtmlColour(Rgb colour);

// The colour-code table: every band colour with its digit, multiplier and tolerance.
std::string ColourCodePage();
// The E6, E12 and E24 series, each value with the colours of its two digit bands.
std::string PartsListPage();

}  // namespace zen
