#pragma once
// Text to number and number to text, the way the calculator reads and writes numbers everywhere.

#include <cstddef>
#include <string>
#include <string_view>

namespace zen {

// The number at the start of a text (UTF-8). Blanks, tabs and line feeds (and carriage returns)
// are skipped wherever they stand; then an optional sign, digits with at most one decimal point,
// and an optional exponent (E or D in either case, optional sign, digits; an E without digits ends
// the number before the E). "&H" / "&O" at the start read a hexadecimal / octal integer, always
// non-negative ("&HFFFF" is 65535). A text that does not start with a number gives 0. The result
// is correctly rounded; overflow gives ±infinity, underflow ±0, never UB. Locale-independent.
double LeadingNumber(std::string_view text);

// General number format: at most 15 significant digits, fixed notation for decimal exponents
// -4..14, otherwise mantissa, "E", sign and at least two exponent digits (4.7E-06). The same text
// as printf's "%.15G" in the "C" locale, whatever the locale; negative zero is "0".
std::string GeneralNumberText(double value);

// A number as the settings file stores window positions: one leading space when not negative,
// "-" when negative, then the digits (1800 -> " 1800").
std::string SignedNumberText(double value);

// Rounds to the nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2).
double RoundHalfEven(double value);

// Number of characters (code points) of a UTF-8 text; a stray byte counts as one character.
std::size_t CharacterCount(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view utf8, std::size_t n);

}  // namespace zen
