#include "ListInput.h"

namespace zen {

// Every step moves forward through the data and never looks back, so reading a whole buffer of
// any content (binary junk, NUL bytes, a quote that never closes) costs time in proportion to its
// size.
//
// A comma directly followed by a line end is one terminator: "a,<CR LF>b" gives the two fields a
// and b, not an empty field between them, and a comma at the very end of the data gives no further
// field. Hand-edited files often carry such a trailing comma, and counting it as an empty field
// would shift every entry that follows. A comma followed by blanks and then a line end still gives
// the empty field the blank rest of the line stands for.

namespace {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Past the line end at pos (CR LF, LF or a lone CR).
std::size_t skipLineEnd(std::string_view data, std::size_t pos) {
  if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

// Past the terminator at pos: a comma (with a line end right after it) or a line end. At the end of
// the data there is nothing to skip.
std::size_t skipTerminator(std::string_view data, std::size_t pos) {
  if (pos >= data.size()) return data.size();
  if (data[pos] == ',') {
    ++pos;
    if (pos < data.size() && isLineEnd(data[pos])) pos = skipLineEnd(data, pos);
    return pos;
  }
  return skipLineEnd(data, pos);
}

constexpr std::string_view kTerminators{",\r\n"};

std::size_t findTerminator(std::string_view data, std::size_t from) {
  const std::size_t at = data.find_first_of(kTerminators, from);
  return at == std::string_view::npos ? data.size() : at;
}

constexpr std::string_view kByteOrderMark{"\xEF\xBB\xBF"};

}  // namespace

// 0xEF 0xBB is no character in code page 932, so no Shift-JIS text starts with the mark's bytes.
ListInputReader::ListInputReader(std::string_view bytes)
    : data_(bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes) {}

std::optional<std::string> ListInputReader::next() {
  if (pos_ >= data_.size()) return std::nullopt;

  while (pos_ < data_.size() && isBlank(data_[pos_])) ++pos_;

  if (pos_ < data_.size() && data_[pos_] == '"') {
    const std::size_t start = pos_ + 1;
    std::size_t close = data_.find('"', start);
    if (close == std::string_view::npos) {
      // An unmatched quote takes everything up to the end of the data.
      pos_ = data_.size();
      return std::string(data_.substr(start));
    }
    std::string field(data_.substr(start, close - start));
    pos_ = skipTerminator(data_, findTerminator(data_, close + 1));
    return field;
  }

  const std::size_t start = pos_;
  const std::size_t end = findTerminator(data_, start);
  std::size_t last = end;
  while (last > start && isBlank(data_[last - 1])) --last;
  pos_ = skipTerminator(data_, end);
  return std::string(data_.substr(start, last - start));
}

}  // namespace zen
