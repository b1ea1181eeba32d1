#include "Writing.h"

namespace zen::cli {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

void JsonObject::key(std::string_view k) {
  if (!members_.empty()) members_ += ',';
  members_ += JsonString(k);
  members_ += ':';
}

JsonObject& JsonObject::text(std::string_view k, std::string_view value) {
  key(k);
  members_ += JsonString(value);
  return *this;
}

JsonObject& JsonObject::number(std::string_view k, std::string_view literal) {
  key(k);
  members_ += literal;
  return *this;
}

JsonObject& JsonObject::boolean(std::string_view k, bool value) {
  key(k);
  members_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::texts(std::string_view k, std::initializer_list<std::string_view> values) {
  return texts(k, std::span<const std::string_view>(values.begin(), values.size()));
}

JsonObject& JsonObject::null(std::string_view k) {
  key(k);
  members_ += "null";
  return *this;
}

JsonObject& JsonObject::texts(std::string_view k, std::span<const std::string_view> values) {
  key(k);
  members_ += '[';
  bool first = true;
  for (std::string_view v : values) {
    if (!first) members_ += ',';
    first = false;
    members_ += JsonString(v);
  }
  members_ += ']';
  return *this;
}

}  // namespace zen::cli
