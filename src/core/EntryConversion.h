#pragma once
// From a typed number of ohms to the three bands that encode it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zen {

// Which row of the prefix table a conversion took.
enum class PrefixRow {
  TwoDigits,   // prefix 10..99: both digit bands from the prefix
  OneDigit,    // prefix 0..9: first band = prefix, second black, multiplier gold
  Other,       // below 0 or above 99: first band unchanged, second black, multiplier gold
};

struct EntryBands {
  bool accepted = false;              // false when the entry's number is 0
  std::optional<int> first;           // digit 0..9 of the first band; none: unchanged
  std::optional<int> second;          // digit 0..9 of the second band; none: unchanged
  std::optional<int> multiplier;      // BandColour index 0..10 (10 = gold); none: unchanged
  // Working values, kept for the window code and for tests. A rejected entry fills only
  // entryNumber and length.
  double entryNumber = 0;             // LeadingNumber of the whole text
  std::int16_t prefixNumber = 0;      // LeadingNumber of the first two characters, half-even
  std::size_t length = 0;             // characters of the text
  PrefixRow row = PrefixRow::Other;
};

// Pure: no window, no state. The text is UTF-8. Full-width digits, signs and letters (４７００, as
// an input method commits them) read as their ASCII forms; the length counts the characters as
// typed, so ４７００ gives exactly the bands of 4700.
EntryBands ConvertEntry(std::string_view typed);

// The multiplier the entry length alone gives: 1 -> 10 (gold), 2..11 -> n-2, otherwise none.
std::optional<int> MultiplierOfLength(std::size_t length);

}  // namespace zen
