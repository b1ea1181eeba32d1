#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace zen {

namespace {

// Blanks, tabs and line feeds never end a number; they are simply passed over. A carriage return
// is treated the same way so that a line read with its CR LF ending reads like one without it.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c) {
  return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Reads the text left to right, stepping over blanks wherever they stand.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next character that is not a blank, without consuming it; '\0' at the end.
  char peek() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void take() { ++pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Converts collected digits (hexadecimal) to a double, correctly rounded; too many digits give
// infinity rather than an undefined result.
double hexDigitsToDouble(const std::string& digits) {
  double value = 0;
  auto [ptr, ec] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
  return value;
}

// Octal digits are regrouped into hexadecimal ones (three bits each into four bits each), so the
// same correctly rounded conversion serves both.
std::string octalToHexDigits(const std::string& octal) {
  const std::size_t bitCount = octal.size() * 3;
  const std::size_t pad = (4 - bitCount % 4) % 4;
  std::string hex;
  hex.reserve((bitCount + pad) / 4);
  unsigned nibble = 0;
  std::size_t filled = pad;  // leading zero bits that make the first group whole
  for (char c : octal) {
    const unsigned v = static_cast<unsigned>(c - '0');
    for (int bit = 2; bit >= 0; --bit) {
      nibble = (nibble << 1) | ((v >> bit) & 1u);
      if (++filled == 4) {
        hex.push_back("0123456789ABCDEF"[nibble]);
        nibble = 0;
        filled = 0;
      }
    }
  }
  return hex;
}

// "&H1F" and "&O17": an unsigned integer in base 16 or 8. The reader stands after the ampersand.
double readRadixInteger(Reader& in) {
  const char kind = upper(in.peek());
  if (kind != 'H' && kind != 'O') return 0;
  in.take();
  const bool hex = kind == 'H';
  std::string digits;
  for (char c = in.peek(); hex ? isHexDigit(c) : isOctalDigit(c); c = in.peek()) {
    digits.push_back(c);
    in.take();
  }
  if (digits.empty()) return 0;
  return hexDigitsToDouble(hex ? digits : octalToHexDigits(digits));
}

// Adds a decimal digit to a saturating exponent, which only has to tell "huge" from "tiny".
long long pushExponentDigit(long long exponent, char digit) {
  constexpr long long kCap = 1'000'000'000;
  return std::min(exponent * 10 + (digit - '0'), kCap);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  Reader in(text);
  if (in.peek() == '&') {
    in.take();
    return readRadixInteger(in);
  }

  bool negative = false;
  if (in.peek() == '+' || in.peek() == '-') {
    negative = in.peek() == '-';
    in.take();
  }

  // The number is rebuilt without blanks and converted in one step, so it is rounded once.
  std::string number;
  bool seenPoint = false;
  bool seenDigit = false;
  // Where the first nonzero digit stands tells an overflow from an underflow when the conversion
  // reports the value out of range.
  bool seenNonZero = false;
  long long integerDigits = 0;
  long long zerosAfterPoint = 0;
  for (char c = in.peek();; c = in.peek()) {
    if (isDecimalDigit(c)) {
      seenDigit = true;
      if (!seenPoint) {
        if (seenNonZero || c != '0') {
          seenNonZero = true;
          ++integerDigits;
        }
      } else if (!seenNonZero) {
        if (c == '0') {
          ++zerosAfterPoint;
        } else {
          seenNonZero = true;
        }
      }
      number.push_back(c);
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      number.push_back('.');
    } else {
      break;
    }
    in.take();
  }
  if (!seenDigit) return 0;
  // Decimal exponent of the first nonzero digit, before any exponent part.
  const long long leadOrder = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);

  // An exponent needs at least one digit; "12E" and "12E+" read as 12, and the number ends there.
  long long exponent = 0;
  const char e = upper(in.peek());
  if (e == 'E' || e == 'D') {
    in.take();
    std::string part = "e";
    bool negativeExponent = false;
    if (in.peek() == '+' || in.peek() == '-') {
      negativeExponent = in.peek() == '-';
      part.push_back(in.peek());
      in.take();
    }
    bool exponentDigits = false;
    for (char c = in.peek(); isDecimalDigit(c); c = in.peek()) {
      exponentDigits = true;
      exponent = pushExponentDigit(exponent, c);
      part.push_back(c);
      in.take();
    }
    if (exponentDigits) {
      number += part;
      if (negativeExponent) exponent = -exponent;
    }
  }

  double value = 0;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::general);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    value = (seenNonZero && leadOrder + exponent > 0) ? std::numeric_limits<double>::infinity()
                                                        : 0.0;
  }
  return negative ? -value : value;
}

std::string GeneralNumberText(double value) {
  // Negative zero is still zero to the reader.
  if (value == 0) return "0";
  // to_chars with a precision formats exactly like printf's "%.15g" in the "C" locale, whatever
  // locale the program runs under; the upper case makes it "%.15G" (4.7E-06, INF).
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";  // cannot happen: 15 digits always fit
  std::string text(buffer, end);
  std::transform(text.begin(), text.end(), text.begin(), upper);
  return text;
}

std::string SignedNumberText(double value) {
  std::string digits = GeneralNumberText(value);
  if (!digits.empty() && digits.front() == '-') return digits;
  return " " + digits;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double floor = std::floor(value);
  const double fraction = value - floor;  // exact for every double
  double result = floor;
  if (fraction > 0.5) {
    result = floor + 1;
  } else if (fraction == 0.5) {
    result = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
  }
  // -0.4 and -0.5 round to a zero that keeps the sign, as the hardware rounding does.
  return result == 0 ? std::copysign(0.0, value) : result;
}

namespace {

bool isContinuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return b >= low && b <= high;
}

// Byte length of the well-formed UTF-8 sequence at pos, or 1 for a byte that starts none: such a
// stray byte counts as a character of its own.
std::size_t characterLength(std::string_view s, std::size_t pos) {
  const auto at = [&](std::size_t k) -> unsigned char {
    return pos + k < s.size() ? static_cast<unsigned char>(s[pos + k]) : 0;
  };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return isContinuation(at(1)) ? 2 : 1;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
    return isContinuation(at(1), low, high) && isContinuation(at(2)) ? 3 : 1;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    return isContinuation(at(1), low, high) && isContinuation(at(2)) && isContinuation(at(3))
               ? 4
               : 1;
  }
  return 1;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); pos += characterLength(utf8, pos)) ++count;
  return count;
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t k = 0; k < n && pos < utf8.size(); ++k) pos += characterLength(utf8, pos);
  return utf8.substr(0, pos);
}

}  // namespace zen
