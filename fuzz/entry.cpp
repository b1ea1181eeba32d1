// The typed value: ConvertEntry on any text gives bands the window can show.

#include "EntryConversion.h"
#include "FuzzCheck.h"
#include "Numbers.h"

using zen::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = zen::fuzz::asText(data, size);
  const zen::EntryBands bands = zen::ConvertEntry(text);
  check(bands.length == zen::CharacterCount(text), "length is the number of characters");
  if (!bands.accepted) {
    check(!bands.first && !bands.second && !bands.multiplier, "a rejected entry selects nothing");
    return 0;
  }
  check(bands.entryNumber != 0, "an accepted entry is not zero");
  check(!bands.first || (*bands.first >= 0 && *bands.first <= 9), "first digit 0..9");
  check(!bands.second || (*bands.second >= 0 && *bands.second <= 9), "second digit 0..9");
  check(!bands.multiplier || (*bands.multiplier >= 0 && *bands.multiplier <= 10), "multiplier black..gold");
  check(bands.multiplier == zen::MultiplierOfLength(bands.length) || bands.row != zen::PrefixRow::TwoDigits,
        "two digits take the multiplier from the length");
  return 0;
}
