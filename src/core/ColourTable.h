#pragma once
// The one table of band colours the whole calculator shares: names, digits, multipliers,
// tolerances and display colours, and which option button of each band group stands for
// which colour.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zen {

// Colours are 0x00BBGGRR: blue in the high byte, red in the low byte.
using Rgb = std::uint32_t;

enum class BandColour : int {
  Black = 0, Brown, Red, Orange, Yellow, Green, Blue, Purple, Grey, White, Gold, Silver, None
};
inline constexpr int kBandColourCount = 13;

struct BandColourInfo {
  BandColour colour;
  std::string_view name;          // one kanji, shown above a painted band ("黒")
  std::string_view initial;       // one katakana, the first sound of the colour's word; empty when none
  std::optional<int> digit;       // value in the first and second band
  std::optional<double> multiplier;  // factor in the third band
  std::optional<double> tolerance;   // ± per cent in the fourth band
  std::string_view toleranceText; // what the tolerance box shows; empty when none
  Rgb display;                    // paint colour of bands and swatches
};

// The whole table, index = BandColour.
const std::array<BandColourInfo, kBandColourCount>& colourTable();

constexpr int index(BandColour c) { return static_cast<int>(c); }
const BandColourInfo& info(BandColour c);
std::string_view nameText(BandColour c);
std::string_view initialText(BandColour c);
std::optional<int> digitOf(BandColour c);
std::optional<double> multiplierOf(BandColour c);
std::optional<double> toleranceOf(BandColour c);
std::string_view toleranceText(BandColour c);
Rgb displayColour(BandColour c);

// The colour a band is painted in; none for a paint colour of no band colour.
std::optional<BandColour> colourOfDisplay(Rgb display);
// Colour of a digit 0..9; none outside.
std::optional<BandColour> colourOfDigit(int digit);
// Colour of a multiplier exponent 0..9, -1 (gold) or -2 (silver); none otherwise.
std::optional<BandColour> colourOfExponent(int exponent);
// The exponent a multiplier colour stands for: 0..9, -1 for gold, -2 for silver; none for "none".
std::optional<int> exponentOfMultiplier(BandColour c);

// The body of the resistor drawing; "none" as a tolerance band blends into it.
inline constexpr Rgb kBodyColour = 0x80C0FF;

// The four option groups of the calculator window. Options are numbered 1..41 across the groups.
enum class BandGroup { First, Second, Multiplier, Tolerance };
inline constexpr std::array<BandGroup, 4> kBandGroups = {BandGroup::First, BandGroup::Second,
                                                         BandGroup::Multiplier, BandGroup::Tolerance};

struct OptionRange {
  int first;  // option number of the group's first option
  int last;   // option number of its last option
};
OptionRange optionRange(BandGroup g);
// The group an option number 1..41 belongs to; none outside.
std::optional<BandGroup> groupOfOption(int optionNumber);
// The colour an option stands for; none for numbers outside the group.
std::optional<BandColour> optionColour(BandGroup g, int optionNumber);
// The option number of a colour within a group; none where the group lacks the colour.
std::optional<int> optionOf(BandGroup g, BandColour c);

}  // namespace zen
