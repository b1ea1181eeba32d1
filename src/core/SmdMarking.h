#pragma once
// The values printed on surface-mount resistors: three digits (472: 47 x 10^2), four digits
// (4701: 470 x 10^1), R as the decimal point (4R7, R47, 0R22, 10R0), EIA-96 (01C: the first E96
// value, 100, times 100), and 0 to 0000 for a zero-ohm jumper.

#include <string>
#include <string_view>

#include "ValueBands.h"

namespace zen {

enum class SmdKind { Jumper, ThreeDigits, FourDigits, DecimalPoint, Eia96 };

enum class SmdProblem {
  None,
  Empty,
  NotAMarking,   // a character no marking has, or letters where none belong (4K7)
  NoDigits,      // R alone
  TwoPoints,     // RR, 1R2R
  Length,        // digits or R-codes of other than 3 or 4 characters (47, 47000)
  EiaNumber,     // two digits outside 01..96 before an EIA-96 letter (97A, 99Z)
  EiaLetter,     // two digits and a letter that is no EIA-96 multiplier (47K)
  Ambiguous,     // two digits and R, which reads as the point and as EIA-96's x0.01 (47R)
};

struct SmdReading {
  SmdProblem problem = SmdProblem::None;
  SmdKind kind = SmdKind::ThreeDigits;
  // The resistance; for an ambiguous code, its reading with R as the point.
  Decimal value;
  // Three and four digits: the significant number (47, 470) and the power of ten it is
  // multiplied by; EIA-96: the E96 value (100) and the power its letter stands for.
  int significant = 0;
  int power = 0;
  // An ambiguous code read as EIA-96.
  Decimal eiaValue;
};

// Reads a marking written in ASCII, letters in either case; blanks around it are the caller's.
SmdReading ReadSmdMarking(std::string_view code);

// The markings that carry a value exactly, each empty where there is none: three characters
// (472, or 4R7 below 10 ohm), four (4701, 47R0 below 100 ohm) and EIA-96 (for E96 values,
// 0.1 ohm to 97.6 megaohm, with the letters Z Y X A B C D E F). Each reads back as the value.
struct SmdMarkings {
  std::string threeDigits;
  std::string fourDigits;
  std::string eia96;
};
SmdMarkings SmdMarkingsOf(const Decimal& value);

// The EIA-96 multiplier letters and the power of ten each stands for, the usual letter of a
// power first (Y before R, X before S, B before H).
struct EiaLetter {
  char letter;
  int power;
};
inline constexpr EiaLetter kEiaLetters[] = {{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
                                            {'B', 1},  {'H', 1},  {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};

}  // namespace zen
