// The help file on any bytes, over a buffer that still holds an older text: the items up to the
// end marker are UTF-8 and no page reaches past the buffer.

#include <string>

#include "FuzzCheck.h"
#include "HelpFile.h"

using zen::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zen::HelpLines lines;
  lines.fill("older text");
  zen::ReadHelpBytes(zen::fuzz::asText(data, size), lines);

  const int end = zen::HelpTextEnd(lines);
  check(end >= 0 && end <= zen::kHelpLineCount, "the text ends inside the buffer");
  for (int i = 0; i < end; ++i) {
    check(zen::fuzz::isUtf8(lines[static_cast<std::size_t>(i)]), "items are UTF-8");
    check(lines[static_cast<std::size_t>(i)] != zen::kHelpEndMarker, "no end marker before the end");
  }
  check(end < zen::kHelpLineCount || size > 0, "an empty file ends the text at once");
  const int maximum = zen::HelpScrollMaximum(end);
  check(maximum >= 0 && maximum + zen::kHelpPageLines <= zen::kHelpLineCount, "every page lies inside the buffer");
  return 0;
}
