// Numbers as the terminal writes them, and JSON that any parser reads back.

#include "Writing.h"

#include <gtest/gtest.h>

namespace zen::cli {
namespace {

TEST(DecimalText, PlainAndWithUnitPrefix) {
  struct Case {
    Decimal value;
    const char* plain;
    const char* shortText;
  };
  const Case cases[] = {
      {{"475", 1}, "4750", "4.75k"},   {{"47", 1}, "470", "470"},         {{"47", -2}, "0.47", "0.47"},
      {{"1", -1}, "0.1", "0.1"},       {{"105", -2}, "1.05", "1.05"},     {{"22", 5}, "2200000", "2.2M"},
      {{"99", 9}, "99000000000", "99G"}, {{"1", 11}, "100000000000", "100G"}, {{"1", 3}, "1000", "1k"},
      {{}, "0", "0"},                  {{"10000001", -7}, "1.0000001", "1.0000001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plain);
    EXPECT_EQ(PlainText(c.value), c.plain);
    EXPECT_EQ(ShortText(c.value), c.shortText);
  }
}

TEST(Json, StringsAreEscapedAndMembersKeepTheirOrder) {
  EXPECT_EQ(JsonString("4.7 KΩ"), "\"4.7 KΩ\"");
  EXPECT_EQ(JsonString("a\"b\\c/"), "\"a\\\"b\\\\c/\"");
  EXPECT_EQ(JsonString("\b\f\n\r\t\x01\x1f\x7f"), "\"\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\"");
  JsonObject o;
  o.text("input", "4k7\t").texts("bands", {"黄", "紫"}).number("ohm", "4.7E-06").boolean("exact", false);
  EXPECT_EQ(o.str(), "{\"input\":\"4k7\\t\",\"bands\":[\"黄\",\"紫\"],\"ohm\":4.7E-06,\"exact\":false}");
}

}  // namespace
}  // namespace zen::cli
