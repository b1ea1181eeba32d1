#pragma once
// Reading what a user types, on the command line or into the five- and six-band window: colour
// names, colour codes and resistance values.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ColourTable.h"
#include "ValueBands.h"

namespace zen {

// The text with full-width letters, digits and signs (U+FF01..U+FF5E) as their ASCII forms, the
// ideographic space as a space, the ohm sign U+2126 as the Greek capital omega and the minus sign
// U+2212 as '-'. None when the text is not valid UTF-8.
std::optional<std::string> FoldWidth(std::string_view text);

// The text as it can be shown in one line on a terminal: quoted, control characters and bytes
// that are not UTF-8 written as \xNN, and cut after 40 characters.
std::string Quoted(std::string_view text);

// A colour by the name the window shows (黒 … 無), by its English name in any case (violet or
// purple, grey or gray), or by a digit 0..9 (full-width too).
struct ColourWord {
  BandColour colour;
  bool isDigit;  // it was given as a digit
};
std::optional<ColourWord> ReadColour(std::string_view word);

// English names as the command prints them.
std::string_view EnglishName(BandColour c);

// Pink (桃, ピンク, pink in any case): the x0.001 multiplier newer codes have and the window lacks.
bool IsPinkWord(std::string_view word);

// A tolerance band, by its per cent as the window writes it (0.05 … 20, with or without ± and %)
// or by a colour that has one (茶, brown…).
std::optional<BandColour> ReadTolerance(std::string_view text);

// The text with full-width forms folded and the blanks at either end dropped; none when it is not
// UTF-8.
std::optional<std::string> FoldedAndTrimmed(std::string_view text);

// A resistance in ohms, as the entry box takes it (4700) or as schematics and parts lists write
// it: 4k7, 4K7, 4.7k, 2M2, 0R47, R47, 470R, 1.5M, 1.5meg, 4.7e3, with or without "Ω", "ohm" or
// "ohms" after it and blanks between number and unit. k and K are kilo, M and meg mega, m milli,
// G giga, R (either case) the ohm itself.
enum class ValueProblem { Empty, NotANumber, Negative };
struct ValueReading {
  std::optional<Decimal> value;
  ValueProblem problem = ValueProblem::NotANumber;  // when there is no value
  bool milli = false;                               // written with m (milli), not M (mega)
};
ValueReading ReadValue(std::string_view text);

// A colour code as `zentario bands` takes it: two or three digit bands, the multiplier, the
// tolerance and, after three digits, perhaps the temperature coefficient.
struct ColourCode {
  std::vector<BandColour> digits;
  BandColour multiplier = BandColour::Gold;
  BandColour tolerance = BandColour::Gold;
  std::optional<BandColour> coefficient;
  // Every band, left to right.
  std::vector<BandColour> colours() const;
};

// What a band of a code stands for. Three and four colours are the calculator's four bands; five
// add a third digit, six the temperature coefficient.
enum class BandRole { FirstDigit, Digit, Multiplier, Tolerance, Coefficient };

// Three to six colour words, each by name or digit as ReadColour takes it; the fourth defaults to
// gold. A word that is no colour, pink, or a colour its band cannot carry (black or gold first, a
// digit colour as tolerance, white as coefficient) gives no code, and the reading says which word
// was refused and why; the terminal and the window each word that in their own language.
enum class CodeProblem { None, Count, Pink, NotAColour, DoesNotFit };
struct ColourCodeReading {
  std::optional<ColourCode> code;
  CodeProblem problem = CodeProblem::None;
  // The refused word as given, the band it stood in (from 0) and what that band stands for, and
  // for DoesNotFit the colour the word named.
  std::string word;
  std::size_t band = 0;
  BandRole role = BandRole::FirstDigit;
  ColourWord colour{BandColour::Black, false};
};
ColourCodeReading ReadColourCode(std::span<const std::string> words);

}  // namespace zen
