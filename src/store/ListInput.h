#pragma once
// Reads the comma and quote list format of the settings and help files, field by field, on raw
// bytes. A field ends at a comma or a line end (CR LF, LF or CR). Blanks and tabs before a field
// are skipped. A field that starts with a double quote runs to the next double quote (commas and
// blanks inside are kept) and whatever follows it up to the next comma or line end is skipped.
// An unquoted field runs to the comma or line end, trailing blanks removed. An empty line is one
// empty field. A comma directly followed by a line end (or by the end of the data) ends one field,
// not two. A UTF-8 byte-order mark at the very start (what modern editors put in front of a file
// they save) is not part of the first field.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zen {

class ListInputReader {
 public:
  explicit ListInputReader(std::string_view bytes);
  // The next field, or none at the end of the data.
  std::optional<std::string> next();
  bool atEnd() const { return pos_ >= data_.size(); }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace zen
