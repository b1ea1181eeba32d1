// Shift-JIS both ways: any bytes decode to well-formed UTF-8, and after one round the conversion
// stands still (what the settings file gets from a text reads back as the same text).

#include <string>

#include "FuzzCheck.h"
#include "ShiftJis.h"

using zen::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = zen::fuzz::asText(data, size);

  const std::string text = zen::ShiftJisToUtf8(bytes);
  check(zen::fuzz::isUtf8(text), "decoding gives UTF-8");
  const std::string encoded = zen::Utf8ToShiftJis(text);
  check(zen::Utf8ToShiftJis(zen::ShiftJisToUtf8(encoded)) == encoded, "encoding after decoding stands still");

  // The same bytes taken as typed text.
  const std::string fromText = zen::Utf8ToShiftJis(bytes);
  const std::string back = zen::ShiftJisToUtf8(fromText);
  check(zen::fuzz::isUtf8(back), "decoding the encoding gives UTF-8");
  check(zen::Utf8ToShiftJis(back) == fromText, "a typed text reads back the same after one save");
  return 0;
}
