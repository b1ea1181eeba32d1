#pragma once
// Writing numbers and JSON for the terminal.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "AnswerText.h"

namespace zen::cli {

// Values in plain digits and with k, M or G, as core writes them for the window too.
using zen::PlainText;
using zen::ShortText;

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
