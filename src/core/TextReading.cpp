#include "TextReading.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "BandCode.h"

namespace zen {

namespace {

// One code point from the front of a UTF-8 text; none for a malformed, overlong or surrogate
// sequence. `length` is the number of bytes it took (1 for a byte that starts nothing).
std::optional<char32_t> decode(std::string_view s, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(0);
  length = 1;
  if (b0 < 0x80) return b0;
  std::size_t n = 0;
  char32_t c = 0;
  char32_t lowest = 0;
  if ((b0 & 0xE0) == 0xC0) {
    n = 2, c = b0 & 0x1F, lowest = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3, c = b0 & 0x0F, lowest = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4, c = b0 & 0x07, lowest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (s.size() < n) return std::nullopt;
  for (std::size_t i = 1; i < n; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  length = n;
  return c;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

constexpr std::string_view kOmega = "Ω";  // U+03A9

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Drops a trailing unit: "Ω", "ohm" or "ohms" in any case.
std::string_view withoutUnit(std::string_view s) {
  if (s.ends_with(kOmega)) return trimmed(s.substr(0, s.size() - kOmega.size()));
  for (std::string_view unit : {std::string_view("ohms"), std::string_view("ohm")}) {
    if (s.size() >= unit.size() && equalsIgnoringCase(s.substr(s.size() - unit.size()), unit)) {
      return trimmed(s.substr(0, s.size() - unit.size()));
    }
  }
  return s;
}

// Left to right over the number, without backtracking.
class Cursor {
 public:
  explicit Cursor(std::string_view s) : s_(s) {}
  bool atEnd() const { return pos_ >= s_.size(); }
  char peek(std::size_t ahead = 0) const { return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0'; }
  void skip(std::size_t n = 1) { pos_ += n; }
  std::string_view digits() {
    const std::size_t start = pos_;
    while (isDigit(peek())) ++pos_;
    return s_.substr(start, pos_ - start);
  }
  void skipBlanks() {
    while (isBlank(peek())) ++pos_;
  }
  bool startsWithIgnoringCase(std::string_view word) const {
    return s_.size() - pos_ >= word.size() && equalsIgnoringCase(s_.substr(pos_, word.size()), word);
  }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
};

// The power of ten a unit letter stands for, taking it from the cursor; none when there is none.
std::optional<int> takePrefix(Cursor& c) {
  if (c.startsWithIgnoringCase("meg")) {
    c.skip(3);
    return 6;
  }
  switch (c.peek()) {
    case 'R': case 'r': c.skip(); return 0;
    case 'k': case 'K': c.skip(); return 3;
    case 'M': c.skip(); return 6;
    case 'm': c.skip(); return -3;
    case 'G': case 'g': c.skip(); return 9;
    default: return std::nullopt;
  }
}

// An exponent's digits, held at a size far beyond any resistance instead of overflowing.
std::int64_t exponentValue(std::string_view digits) {
  std::int64_t v = 0;
  for (char d : digits) v = std::min<std::int64_t>(v * 10 + (d - '0'), kExponentLimit);
  return v;
}

constexpr std::array<std::string_view, kBandColourCount> kEnglish = {
    "black", "brown", "red", "orange", "yellow", "green", "blue",
    "violet", "grey", "white", "gold", "silver", "none"};

std::vector<BandRole> rolesOf(std::size_t colours) {
  std::vector<BandRole> roles = {BandRole::FirstDigit, BandRole::Digit};
  if (colours >= 5) roles.push_back(BandRole::Digit);
  roles.push_back(BandRole::Multiplier);
  roles.push_back(BandRole::Tolerance);
  if (colours == 6) roles.push_back(BandRole::Coefficient);
  return roles;
}

bool fitsBand(BandRole role, const ColourWord& w) {
  switch (role) {
    case BandRole::FirstDigit: return digitOf(w.colour).value_or(0) >= 1;
    case BandRole::Digit: return digitOf(w.colour).has_value();
    case BandRole::Multiplier: return !w.isDigit && multiplierOf(w.colour).has_value();
    case BandRole::Tolerance: return !w.isDigit && toleranceOf(w.colour).has_value();
    case BandRole::Coefficient: return !w.isDigit && temperatureCoefficientOf(w.colour).has_value();
  }
  return false;
}

}  // namespace

std::optional<std::string> FoldWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = 0;
    const std::optional<char32_t> c = decode(text, length);
    if (!c) return std::nullopt;
    text.remove_prefix(length);
    if (*c >= 0xFF01 && *c <= 0xFF5E) {
      out += static_cast<char>(*c - 0xFF01 + 0x21);
    } else if (*c == 0x3000) {
      out += ' ';
    } else if (*c == 0x2126) {
      out += kOmega;
    } else if (*c == 0x2212) {
      out += '-';
    } else {
      appendUtf8(out, *c);
    }
  }
  return out;
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string out = "\"";
  std::size_t shown = 0;
  while (!text.empty()) {
    if (shown++ == kShown) {
      out += "…";
      break;
    }
    std::size_t length = 0;
    const std::optional<char32_t> c = decode(text, length);
    if (!c || *c < 0x20 || *c == 0x7F || (*c >= 0x80 && *c < 0xA0)) {
      // Control characters could move a terminal's cursor or change its colours: show their bytes.
      for (std::size_t i = 0; i < length; ++i) {
        constexpr char kHex[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(text[i]);
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
      }
    } else {
      out += text.substr(0, length);
    }
    text.remove_prefix(length);
  }
  return out + "\"";
}

std::string_view EnglishName(BandColour c) { return kEnglish.at(static_cast<std::size_t>(index(c))); }

std::optional<std::string> FoldedAndTrimmed(std::string_view text) {
  const std::optional<std::string> folded = FoldWidth(text);
  if (!folded) return std::nullopt;
  return std::string(trimmed(*folded));
}

bool IsPinkWord(std::string_view word) {
  const std::optional<std::string> w = FoldedAndTrimmed(word);
  return w && (*w == "桃" || *w == "ピンク" || equalsIgnoringCase(*w, "pink"));
}

std::optional<BandColour> ReadTolerance(std::string_view text) {
  const std::optional<std::string> folded = FoldedAndTrimmed(text);
  if (!folded) return std::nullopt;
  std::string_view t = *folded;
  if (t.starts_with("±")) t = trimmed(t.substr(std::string_view("±").size()));
  if (t.ends_with('%')) t = trimmed(t.substr(0, t.size() - 1));
  for (const BandColourInfo& info : colourTable()) {
    if (!info.toleranceText.empty() && t == info.toleranceText) return info.colour;
  }
  const std::optional<ColourWord> w = ReadColour(t);
  if (w && !w->isDigit && toleranceOf(w->colour)) return w->colour;
  return std::nullopt;
}

std::optional<ColourWord> ReadColour(std::string_view word) {
  const std::optional<std::string> folded = FoldedAndTrimmed(word);
  if (!folded) return std::nullopt;
  const std::string_view w = *folded;
  if (w.size() == 1 && isDigit(w[0])) return ColourWord{*colourOfDigit(w[0] - '0'), true};
  for (const BandColourInfo& info : colourTable()) {
    if (w == info.name || equalsIgnoringCase(w, EnglishName(info.colour))) return ColourWord{info.colour, false};
  }
  if (equalsIgnoringCase(w, "purple")) return ColourWord{BandColour::Purple, false};
  if (equalsIgnoringCase(w, "gray")) return ColourWord{BandColour::Grey, false};
  return std::nullopt;
}

ValueReading ReadValue(std::string_view text) {
  ValueReading r;
  const std::optional<std::string> folded = FoldWidth(text);
  if (!folded) return r;
  std::string_view s = trimmed(*folded);
  if (s.empty()) {
    r.problem = ValueProblem::Empty;
    return r;
  }
  s = withoutUnit(s);

  Cursor c(s);
  bool negative = false;
  if (c.peek() == '+' || c.peek() == '-') {
    negative = c.peek() == '-';
    c.skip();
  }
  const std::string_view whole = c.digits();
  std::string_view fraction;
  bool plainDecimal = false;  // a point or an exponent was written: no digits after a unit letter
  if (c.peek() == '.') {
    c.skip();
    fraction = c.digits();
    plainDecimal = true;
  }
  std::int64_t exponent = 0;
  if ((c.peek() == 'e' || c.peek() == 'E') &&
      (isDigit(c.peek(1)) || ((c.peek(1) == '+' || c.peek(1) == '-') && isDigit(c.peek(2))))) {
    c.skip();
    const bool down = c.peek() == '-';
    if (c.peek() == '+' || c.peek() == '-') c.skip();
    exponent = exponentValue(c.digits());
    if (down) exponent = -exponent;
    plainDecimal = true;
  }
  // "4.7 k" and "4.7k"; the digits of "4k7" and "0R47" follow a letter written straight after
  // whole digits, or lead with it ("R47").
  const bool straight = !c.atEnd() && !isBlank(c.peek());
  c.skipBlanks();
  const std::optional<int> prefix = takePrefix(c);
  if (prefix && straight && !plainDecimal) fraction = c.digits();
  r.milli = prefix == -3;
  c.skipBlanks();
  if (!c.atEnd() || (whole.empty() && fraction.empty())) return r;
  if (negative) {
    r.problem = ValueProblem::Negative;
    return r;
  }
  r.value = MakeDecimal(std::string(whole) + std::string(fraction),
                        exponent + prefix.value_or(0) - static_cast<std::int64_t>(fraction.size()));
  return r;
}

std::vector<BandColour> ColourCode::colours() const {
  std::vector<BandColour> all = digits;
  all.push_back(multiplier);
  all.push_back(tolerance);
  if (coefficient) all.push_back(*coefficient);
  return all;
}

ColourCodeReading ReadColourCode(std::span<const std::string> words) {
  ColourCodeReading r;
  if (words.size() < 3 || words.size() > 6) {
    r.problem = CodeProblem::Count;
    return r;
  }
  const std::vector<BandRole> roles = rolesOf(words.size());
  ColourCode code;
  for (std::size_t band = 0; band < words.size(); ++band) {
    const std::string& word = words[band];
    r.word = word;
    r.band = band;
    r.role = roles[band];
    if (IsPinkWord(word)) {
      r.problem = CodeProblem::Pink;
      return r;
    }
    const std::optional<ColourWord> w = ReadColour(word);
    if (!w) {
      r.problem = CodeProblem::NotAColour;
      return r;
    }
    if (!fitsBand(roles[band], *w)) {
      r.problem = CodeProblem::DoesNotFit;
      r.colour = *w;
      return r;
    }
    switch (roles[band]) {
      case BandRole::FirstDigit:
      case BandRole::Digit: code.digits.push_back(w->colour); break;
      case BandRole::Multiplier: code.multiplier = w->colour; break;
      case BandRole::Tolerance: code.tolerance = w->colour; break;
      case BandRole::Coefficient: code.coefficient = w->colour; break;
    }
  }
  ColourCodeReading read;
  read.code = std::move(code);
  return read;
}

}  // namespace zen
