#include "SmdMarking.h"

#include <algorithm>
#include <optional>

#include "PreferredValues.h"

namespace zen {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
int digitsValue(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

std::optional<int> eiaPower(char letter) {
  for (const EiaLetter& l : kEiaLetters) {
    if (l.letter == letter) return l.power;
  }
  return std::nullopt;
}

SmdReading refused(SmdProblem p) {
  SmdReading r;
  r.problem = p;
  return r;
}

// Digits with one R standing for the decimal point: 4R7, R47, 0R22, 10R0.
SmdReading readPoint(std::string_view code, std::size_t point) {
  SmdReading r;
  std::string digits(code.substr(0, point));
  digits += code.substr(point + 1);
  r.value = MakeDecimal(digits, -static_cast<std::int64_t>(code.size() - point - 1));
  r.kind = r.value.digits.empty() ? SmdKind::Jumper : SmdKind::DecimalPoint;
  return r;
}

// Significant digits and the power of ten they are multiplied by: 472, 4701.
SmdReading readDigits(std::string_view code) {
  SmdReading r;
  r.kind = code.size() == 3 ? SmdKind::ThreeDigits : SmdKind::FourDigits;
  r.significant = digitsValue(code.substr(0, code.size() - 1));
  r.power = code.back() - '0';
  r.value = MakeDecimal(code.substr(0, code.size() - 1), r.power);
  if (r.value.digits.empty()) r.kind = SmdKind::Jumper;  // 007: zero, whatever the multiplier
  return r;
}

// The characters of a marking written with `digits` digit characters, 2 or 3: the digits and
// the multiplier digit, or below 10 (100) ohm the digits with R as the point. Empty when the
// value has more significant digits, or needs more places below the point, or a multiplier
// above 10^9.
std::string writeDigits(const Decimal& value, int digits) {
  const auto n = static_cast<std::size_t>(digits);
  if (value.digits.empty() || value.digits.size() > n) return {};
  const std::int64_t magnitude = Magnitude(value);
  if (magnitude >= digits - 1) {
    const std::int64_t power = magnitude - (digits - 1);
    if (power > 9) return {};
    std::string code = value.digits;
    code.resize(n, '0');
    return code + static_cast<char>('0' + power);
  }
  // Below the multiplier's reach: the value with `places` digits after the point.
  const std::size_t whole = magnitude >= 0 ? static_cast<std::size_t>(magnitude + 1) : 0;
  const std::int64_t places = static_cast<std::int64_t>(n - whole);
  const std::int64_t zeros = value.exponent + places;
  if (zeros < 0) return {};
  std::string all = value.digits + std::string(static_cast<std::size_t>(zeros), '0');
  all.insert(0, n - all.size(), '0');
  return all.substr(0, whole) + "R" + all.substr(whole);
}

std::string writeEia96(const Decimal& value) {
  if (value.digits.empty() || value.digits.size() > 3) return {};
  std::string three = value.digits;
  three.resize(3, '0');
  const auto* member = std::find(kE96.begin(), kE96.end(), digitsValue(three));
  const std::int64_t power = Magnitude(value) - 2;
  if (member == kE96.end() || power < kEiaLetters[0].power || power > 5) return {};
  const auto number = static_cast<int>(member - kE96.begin()) + 1;
  // The first letter of a power is its usual one.
  char letter = 0;
  for (const EiaLetter& l : kEiaLetters) {
    if (l.power == power) {
      letter = l.letter;
      break;
    }
  }
  return std::string{static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10), letter};
}

}  // namespace

SmdReading ReadSmdMarking(std::string_view text) {
  if (text.empty()) return refused(SmdProblem::Empty);
  std::string code;
  std::size_t points = 0;
  std::size_t point = 0;
  for (char c : text) {
    c = upper(c);
    if (!isDigit(c) && !(c >= 'A' && c <= 'Z')) return refused(SmdProblem::NotAMarking);
    if (c == 'R') {
      ++points;
      point = code.size();
    }
    code += c;
  }
  const std::size_t digitCount = static_cast<std::size_t>(std::count_if(code.begin(), code.end(), isDigit));

  // Two digits and a letter: EIA-96, where the numbers run 01 to 96. R is EIA-96's x0.01 as well
  // as the decimal point; where the two readings differ, the code cannot be read.
  if (code.size() == 3 && digitCount == 2 && isDigit(code[0]) && isDigit(code[1])) {
    const std::optional<int> power = eiaPower(code[2]);
    if (!power) return refused(SmdProblem::EiaLetter);
    const int number = digitsValue(code.substr(0, 2));
    if (number < 1 || number > static_cast<int>(kE96.size())) {
      return code[2] == 'R' ? readPoint(code, 2) : refused(SmdProblem::EiaNumber);
    }
    SmdReading eia;
    eia.kind = SmdKind::Eia96;
    eia.significant = kE96[static_cast<std::size_t>(number - 1)];
    eia.power = *power;
    eia.value = MakeDecimal(std::to_string(eia.significant), eia.power);
    if (code[2] != 'R') return eia;
    SmdReading asPoint = readPoint(code, 2);
    if (asPoint.value == eia.value) return asPoint;
    asPoint.problem = SmdProblem::Ambiguous;
    asPoint.eiaValue = eia.value;
    return asPoint;
  }
  if (points > 1) return refused(SmdProblem::TwoPoints);
  if (digitCount + points != code.size()) return refused(SmdProblem::NotAMarking);
  if (digitCount == 0) return refused(SmdProblem::NoDigits);
  if (points == 0 && code.size() <= 4 && code.find_first_not_of('0') == std::string::npos) {
    SmdReading jumper;
    jumper.kind = SmdKind::Jumper;
    return jumper;
  }
  if (code.size() != 3 && code.size() != 4) return refused(SmdProblem::Length);
  return points == 1 ? readPoint(code, point) : readDigits(code);
}

SmdMarkings SmdMarkingsOf(const Decimal& value) {
  return {writeDigits(value, 2), writeDigits(value, 3), writeEia96(value)};
}

}  // namespace zen
