#pragma once
// Code page 932 (Shift-JIS) to and from UTF-8, through iconv.

#include <string>
#include <string_view>

namespace zen {

// Bytes that do not decode become U+FFFD, one per byte; never throws.
std::string ShiftJisToUtf8(std::string_view sjis);
// Characters without a Shift-JIS form become '?'; never throws.
std::string Utf8ToShiftJis(std::string_view utf8);

}  // namespace zen
