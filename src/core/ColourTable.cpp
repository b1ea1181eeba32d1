#include "ColourTable.h"

namespace zen {

namespace {

using C = BandColour;
constexpr std::optional<int> kNoDigit;
constexpr std::optional<double> kNoValue;

// The digit colours multiply by the exact powers of ten; gold and silver by the nearest doubles
// of 0.1 and 0.01.
constexpr std::array<BandColourInfo, kBandColourCount> kTable = {{
    {C::Black, "黒", "ク", 0, 1.0, kNoValue, "", 0x000000},
    {C::Brown, "茶", "チ", 1, 10.0, 1.0, "1", 0x404080},
    {C::Red, "赤", "ア", 2, 100.0, 2.0, "2", 0x0000FF},
    {C::Orange, "橙", "ダ", 3, 1000.0, 0.05, "0.05", 0x0080FF},
    {C::Yellow, "黄", "キ", 4, 10000.0, kNoValue, "", 0x00FFFF},
    {C::Green, "緑", "ミ", 5, 100000.0, 0.5, "0.5", 0x00FF00},
    {C::Blue, "青", "ア", 6, 1000000.0, 0.25, "0.25", 0xFF0000},
    {C::Purple, "紫", "ム", 7, 10000000.0, 0.1, "0.1", 0xFF00FF},
    {C::Grey, "灰", "ハ", 8, 100000000.0, kNoValue, "", 0xC0C0C0},
    {C::White, "白", "シ", 9, 1000000000.0, kNoValue, "", 0xFFFFFF},
    {C::Gold, "金", "", kNoDigit, 0.1, 5.0, "5", 0x00C0C0},
    {C::Silver, "銀", "", kNoDigit, 0.01, 10.0, "10", 0xE0E0E0},
    {C::None, "無", "", kNoDigit, kNoValue, 20.0, "20", kBodyColour},
}};

// The tolerance options run by rising tolerance, not by colour index.
constexpr std::array<BandColour, 9> kToleranceOptions = {
    C::Orange, C::Purple, C::Blue, C::Green, C::Brown, C::Red, C::Gold, C::Silver, C::None};

constexpr OptionRange kRanges[] = {{1, 10}, {11, 20}, {21, 32}, {33, 41}};

constexpr bool tableInIndexOrder() {
  for (int i = 0; i < kBandColourCount; ++i) {
    if (index(kTable[static_cast<std::size_t>(i)].colour) != i) return false;
  }
  return true;
}
static_assert(tableInIndexOrder());

}  // namespace

const std::array<BandColourInfo, kBandColourCount>& colourTable() { return kTable; }

const BandColourInfo& info(BandColour c) {
  // A value outside the enumeration is a programming error; at() reports it instead of reading
  // past the table.
  return kTable.at(static_cast<std::size_t>(index(c)));
}

std::string_view nameText(BandColour c) { return info(c).name; }
std::string_view initialText(BandColour c) { return info(c).initial; }
std::optional<int> digitOf(BandColour c) { return info(c).digit; }
std::optional<double> multiplierOf(BandColour c) { return info(c).multiplier; }
std::optional<double> toleranceOf(BandColour c) { return info(c).tolerance; }
std::string_view toleranceText(BandColour c) { return info(c).toleranceText; }
Rgb displayColour(BandColour c) { return info(c).display; }

std::optional<BandColour> colourOfDisplay(Rgb display) {
  for (const BandColourInfo& c : colourTable()) {
    if (c.display == display) return c.colour;
  }
  return std::nullopt;
}

std::optional<BandColour> colourOfDigit(int digit) {
  if (digit < 0 || digit > 9) return std::nullopt;
  return static_cast<BandColour>(digit);
}

std::optional<BandColour> colourOfExponent(int exponent) {
  if (exponent == -1) return BandColour::Gold;
  if (exponent == -2) return BandColour::Silver;
  return colourOfDigit(exponent);
}

std::optional<int> exponentOfMultiplier(BandColour c) {
  if (c == BandColour::Gold) return -1;
  if (c == BandColour::Silver) return -2;
  return digitOf(c);
}

OptionRange optionRange(BandGroup g) { return kRanges[static_cast<int>(g)]; }

std::optional<BandGroup> groupOfOption(int optionNumber) {
  for (BandGroup g : kBandGroups) {
    const OptionRange r = optionRange(g);
    if (optionNumber >= r.first && optionNumber <= r.last) return g;
  }
  return std::nullopt;
}

std::optional<BandColour> optionColour(BandGroup g, int optionNumber) {
  const OptionRange r = optionRange(g);
  if (optionNumber < r.first || optionNumber > r.last) return std::nullopt;
  const int position = optionNumber - r.first;
  if (g == BandGroup::Tolerance) return kToleranceOptions[static_cast<std::size_t>(position)];
  // The digit and multiplier groups follow the colour order itself.
  return static_cast<BandColour>(position);
}

std::optional<int> optionOf(BandGroup g, BandColour c) {
  const OptionRange r = optionRange(g);
  for (int option = r.first; option <= r.last; ++option) {
    if (optionColour(g, option) == c) return option;
  }
  return std::nullopt;
}

}  // namespace zen
