#include "ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace zen {

namespace {

// One conversion descriptor per direction and thread: iconv keeps shift state in the descriptor,
// so it must not be shared between threads, and opening it for every call would cost more than
// converting a settings entry.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in` and appends to `out`. On a sequence iconv cannot convert (invalid input, or a
  // character the target lacks) it calls `onBad(rest)`, which appends a replacement to `out` and
  // says how many input bytes to skip; conversion then continues after them.
  template <typename OnBad>
  void convert(std::string_view in, std::string& out, OnBad onBad) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      const int err = errno;
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc != static_cast<std::size_t>(-1)) break;
      if (err == E2BIG) continue;
      // EILSEQ, or EINVAL for a sequence cut off by the end of the input: replace and go on.
      const std::size_t skip = onBad(std::string_view(src, srcLeft));
      src += skip;
      srcLeft -= skip;
    }
  }

 private:
  iconv_t cd_;
};

constexpr std::string_view kReplacementCharacter{"\xEF\xBF\xBD"};  // U+FFFD in UTF-8

// Length of the well-formed UTF-8 sequence at the start of s, or 0 if it is not one.
std::size_t utf8SequenceLength(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char min2 = 0x80;  // bounds of the second byte, which rule out overlong forms,
  unsigned char max2 = 0xBF;  // surrogates and values above U+10FFFF
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) min2 = 0xA0;
    if (lead == 0xED) max2 = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) min2 = 0x90;
    if (lead == 0xF4) max2 = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  if (byte(1) < min2 || byte(1) > max2) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

bool isAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string ShiftJisToUtf8(std::string_view sjis) {
  std::string out;
  try {
    // Numbers and positions are plain ASCII, which reads the same in both encodings.
    if (isAscii(sjis)) return std::string(sjis);
    thread_local Converter decoder("UTF-8", "CP932");
    out.reserve(sjis.size() * 3 / 2);
    if (!decoder.ok()) {
      // Without the code page only ASCII can be trusted.
      for (char c : sjis) {
        if (static_cast<unsigned char>(c) < 0x80) {
          out += c;
        } else {
          out += kReplacementCharacter;
        }
      }
      return out;
    }
    decoder.convert(sjis, out, [&out](std::string_view) -> std::size_t {
      out += kReplacementCharacter;
      return 1;
    });
  } catch (...) {
    // Only allocation can fail here; what was converted so far is the best answer.
  }
  return out;
}

std::string Utf8ToShiftJis(std::string_view utf8) {
  std::string out;
  try {
    if (isAscii(utf8)) return std::string(utf8);
    thread_local Converter encoder("CP932", "UTF-8");
    out.reserve(utf8.size());
    const auto replace = [&out](std::string_view rest) -> std::size_t {
      out += '?';
      const std::size_t length = utf8SequenceLength(rest);
      return length == 0 ? 1 : length;  // a whole character, or one stray byte
    };
    if (!encoder.ok()) {
      std::size_t i = 0;
      while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
          out += static_cast<char>(c);
          ++i;
        } else {
          i += replace(utf8.substr(i));
        }
      }
      return out;
    }
    encoder.convert(utf8, out, replace);
  } catch (...) {
  }
  return out;
}

}  // namespace zen
