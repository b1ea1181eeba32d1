#include "EntryConversion.h"

#include <cmath>
#include <limits>
#include <string>

#include "Numbers.h"

namespace zen {

namespace {

// The prefix number as a 16-bit integer: halves go to the even neighbour. Two characters cannot
// leave the range, but a value that did is clamped rather than wrapped.
std::int16_t prefixInteger(double value) {
  const double rounded = RoundHalfEven(value);
  if (std::isnan(rounded)) return 0;
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  if (rounded <= kLow) return std::numeric_limits<std::int16_t>::min();
  if (rounded >= kHigh) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(rounded);
}

constexpr int kGold = 10;

// The character a full-width form widens: U+FF01..U+FF5E are the ASCII characters '!'..'~' and
// U+3000 the blank. Zero for every other character.
char narrowForm(std::string_view character) {
  if (character.size() != 3) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
  const unsigned codePoint = (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
  if (codePoint == 0x3000) return ' ';
  if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) return static_cast<char>(codePoint - 0xFF01 + '!');
  return 0;
}

// An input method commits digits full-width (４７００, ４．７, －５): they are read as the digits,
// signs and letters they widen. Every character stays one character, so the first two characters
// are still the first two as typed.
std::string halfWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::string_view character = FirstCharacters(text, 1);
    text.remove_prefix(character.size());
    if (const char narrow = narrowForm(character)) {
      out += narrow;
    } else {
      out += character;
    }
  }
  return out;
}

}  // namespace

std::optional<int> MultiplierOfLength(std::size_t length) {
  if (length == 1) return kGold;
  if (length >= 2 && length <= 11) return static_cast<int>(length) - 2;
  return std::nullopt;
}

EntryBands ConvertEntry(std::string_view typed) {
  EntryBands r;
  // The length, and so the multiplier, is that of the text as typed; the numbers are read from its
  // half-width form.
  r.length = CharacterCount(typed);
  const std::string text = halfWidth(typed);
  r.entryNumber = LeadingNumber(text);
  // Empty text, text that does not start with a number, and "0" all read as 0.
  if (r.entryNumber == 0) return r;
  r.accepted = true;

  // A one-character text is its own first two characters.
  r.prefixNumber = prefixInteger(LeadingNumber(FirstCharacters(text, 2)));
  const int p = r.prefixNumber;
  if (p >= 10 && p <= 99) {
    r.row = PrefixRow::TwoDigits;
    r.first = p / 10;
    r.second = p % 10;
  } else if (p >= 0 && p <= 9) {
    r.row = PrefixRow::OneDigit;
    r.first = p;
    r.second = 0;
    r.multiplier = kGold;
  } else {
    // Negative, or beyond two digits: the first band is left as it is.
    r.row = PrefixRow::Other;
    r.second = 0;
    r.multiplier = kGold;
  }

  // The length speaks for the multiplier wherever it gives one.
  if (const std::optional<int> m = MultiplierOfLength(r.length)) r.multiplier = m;
  return r;
}

}  // namespace zen
