// Number reading and writing: LeadingNumber on any text, the general number format on any double.

#include <cmath>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "Numbers.h"

using zen::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = zen::fuzz::asText(data, size);

  const double read = zen::LeadingNumber(text);
  check(!std::isnan(read), "LeadingNumber never gives NaN");

  // What the reader takes from its own writing is the same number, to the 15 digits written. (An
  // overflow is written "INF", as printf does, which no reader takes for a number.)
  if (std::isfinite(read)) {
    const std::string written = zen::GeneralNumberText(read);
    check(zen::GeneralNumberText(zen::LeadingNumber(written)) == written, "general format reads back");
    check(zen::LeadingNumber(zen::SignedNumberText(read)) == zen::LeadingNumber(written),
          "signed number text reads back as the general format");
  }

  // Any double, from the input's first eight bytes: the same text as printf's "%.15G".
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    if (value != 0 && !std::isnan(value)) {
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.15G", value);
      check(zen::GeneralNumberText(value) == expected, "general format is %.15G");
    }
    const double rounded = zen::RoundHalfEven(value);
    check(!std::isfinite(value) || std::fabs(rounded - value) <= 0.5, "half-even rounding moves at most a half");
  }

  const std::size_t count = zen::CharacterCount(text);
  check(count <= size, "no more characters than bytes");
  const std::size_t n = size == 0 ? 0 : data[0] % 16;
  check(zen::CharacterCount(zen::FirstCharacters(text, n)) == std::min(n, count), "first characters");
  return 0;
}
