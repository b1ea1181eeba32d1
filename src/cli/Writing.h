#pragma once
// Writing numbers and JSON for the terminal.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "ValueBands.h"

namespace zen::cli {

// A value in plain decimal digits: 4750, 0.47, 99000000000. Meant for resistances (0.1 ohm to
// 99 gigaohm and their neighbours); a huge exponent would write as many zeros.
std::string PlainText(const Decimal& value);
// A value the way parts lists write it, with k, M or G: 4.75k, 470, 0.47, 2.2M, 99G.
std::string ShortText(const Decimal& value);

// A JSON string: quoted, with quotes, backslashes and control characters escaped. The text must
// be UTF-8; other characters are written as they are.
std::string JsonString(std::string_view utf8);

// One flat JSON object, written in the order its members are added.
class JsonObject {
 public:
  JsonObject& text(std::string_view key, std::string_view value);
  // A number given as its JSON text (the calculator's number texts are valid JSON numbers).
  JsonObject& number(std::string_view key, std::string_view literal);
  JsonObject& boolean(std::string_view key, bool value);
  JsonObject& texts(std::string_view key, std::initializer_list<std::string_view> values);
  JsonObject& texts(std::string_view key, std::span<const std::string_view> values);
  JsonObject& null(std::string_view key);
  std::string str() const { return "{" + members_ + "}"; }

 private:
  void key(std::string_view k);
  std::string members_;
};

}  // namespace zen::cli
