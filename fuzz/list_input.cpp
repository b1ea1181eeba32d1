// The comma and quote list reader on any bytes: it ends, moves forward and invents nothing.

#include <string>

#include "FuzzCheck.h"
#include "ListInput.h"

using zen::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = zen::fuzz::asText(data, size);
  zen::ListInputReader reader(bytes);
  std::size_t fields = 0;
  std::size_t total = 0;
  while (std::optional<std::string> field = reader.next()) {
    ++fields;
    total += field->size();
    check(fields <= size + 1, "at most one field per byte");
    check(bytes.find(*field) != std::string_view::npos, "a field is a piece of the input");
  }
  check(total <= size, "fields hold no more bytes than the input");
  check(reader.atEnd(), "the reader ends at the end");
  check(!reader.next(), "nothing after the end");
  return 0;
}
