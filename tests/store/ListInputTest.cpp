#include "ListInput.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zen {
namespace {

using namespace std::string_literals;

std::vector<std::string> readAll(std::string_view bytes) {
  ListInputReader reader(bytes);
  std::vector<std::string> fields;
  while (auto field = reader.next()) fields.push_back(std::move(*field));
  return fields;
}

struct Case {
  const char* name;
  std::string input;
  std::vector<std::string> fields;
};

class ListInputFields : public testing::TestWithParam<Case> {};

TEST_P(ListInputFields, ReadsTheExpectedFields) {
  EXPECT_EQ(readAll(GetParam().input), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ListInputFields,
    testing::Values(Case{"Empty", "", {}},
                    Case{"CrLf", "\"a\"\r\n\"b\"\r\n", {"a", "b"}},
                    Case{"Lf", "\"a\"\n\"b\"\n", {"a", "b"}},
                    Case{"LoneCr", "a\rb\r", {"a", "b"}},
                    Case{"NoLineEndAtTheEnd", "a\r\nb", {"a", "b"}},
                    Case{"EmptyLineIsOneEmptyField", "a\r\n\r\nb\n\nc\r\rd", {"a", "", "b", "", "c", "", "d"}},
                    Case{"OnlyALineEnd", "\r\n", {""}},
                    Case{"CrCrLfIsALoneCrThenCrLf", "a\r\r\nb", {"a", "", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Commas, ListInputFields,
    testing::Values(Case{"TwoQuotedFieldsOnOneLine", "\"a\",\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}},
                    Case{"EmptyBetweenCommas", "a,,b", {"a", "", "b"}},
                    Case{"LeadingComma", ",a", {"", "a"}},
                    // A comma directly before a line end belongs to that line end.
                    Case{"CommaThenCrLf", "a,\r\nb", {"a", "b"}},
                    Case{"CommaThenLf", "\"a\",\n\"b\"", {"a", "b"}},
                    Case{"CommaAtTheEnd", "a,", {"a"}},
                    Case{"CommaBlanksLineEnd", "a, \r\nb", {"a", "", "b"}},
                    Case{"TwoCommasThenLineEnd", "a,,\r\nb", {"a", "", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    QuotesAndBlanks, ListInputFields,
    testing::Values(Case{"LeadingBlanksAndTabsSkipped", " \t a\r\n\t\"b\"", {"a", "b"}},
                    Case{"TrailingBlanksOfUnquotedRemoved", "a b \t,c  \r\n", {"a b", "c"}},
                    Case{"BlanksInsideQuotesKept", "\" 1800\"\r\n\"  \"\r\n", {" 1800", "  "}},
                    Case{"CommaInsideQuotesKept", "\"a,b\",c", {"a,b", "c"}},
                    Case{"EmptyQuotes", "\"\"\r\n\"\"\r\n", {"", ""}},
                    Case{"JunkAfterQuoteSkippedToComma", "\"a\" x\"y ,b", {"a", "b"}},
                    Case{"JunkAfterQuoteSkippedToLineEnd", "\"a\"xyz\r\nb", {"a", "b"}},
                    Case{"LineEndInsideQuotesKept", "\"a\r\nb\",c", {"a\r\nb", "c"}},
                    Case{"QuoteInsideUnquotedFieldKept", "ab\"c,d", {"ab\"c", "d"}},
                    Case{"UnmatchedQuoteRunsToTheEnd", "a\r\n\"b,c\r\nd", {"a", "b,c\r\nd"}},
                    Case{"LoneQuoteAtTheEnd", "a,\"", {"a", ""}},
                    Case{"BlanksAtTheEnd", "a\r\n  ", {"a", ""}},
                    Case{"NulBytesAreData", "a\0b,\"\0\"\r\n"s, {"a\0b"s, "\0"s}},
                    Case{"ShiftJisBytesPassThrough", "\"4.7K\x83\xB6\",\x81\x40", {"4.7K\x83\xB6", "\x81\x40"}},
                    // A byte-order mark is skipped at the start of the data only.
                    Case{"ByteOrderMarkAtTheStart", "\xEF\xBB\xBF\" 1800\"\r\n\xEF\xBB\xBFx", {" 1800", "\xEF\xBB\xBFx"}},
                    Case{"ByteOrderMarkAlone", "\xEF\xBB\xBF", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListInputReaderTest, AtEndOnlyAfterTheLastField) {
  ListInputReader reader("a\r\nb\r\n");
  EXPECT_FALSE(reader.atEnd());
  EXPECT_EQ(reader.next(), "a");
  EXPECT_FALSE(reader.atEnd());
  EXPECT_EQ(reader.next(), "b");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.next(), std::nullopt);
  EXPECT_EQ(reader.next(), std::nullopt);
}

// Every field takes at least one byte, and the reader never goes back: it must get through large
// binary input field by field without losing its place.
TEST(ListInputReaderTest, MegabytesOfBinaryJunkEndWithinOneFieldPerByte) {
  std::mt19937 random(12345);
  std::string junk(4 << 20, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  ListInputReader reader(junk);
  std::size_t fields = 0;
  std::size_t bytesInFields = 0;
  while (auto field = reader.next()) {
    ++fields;
    bytesInFields += field->size();
    ASSERT_LE(fields, junk.size() + 1);
  }
  EXPECT_GT(fields, 1000u);
  EXPECT_LE(bytesInFields, junk.size());
}

TEST(ListInputReaderTest, MegabytesOfSeparatorsGiveOneFieldEach) {
  const std::string lines(1 << 20, '\n');
  EXPECT_EQ(readAll(lines).size(), lines.size());
  const std::string quoted = "\"" + std::string(1 << 20, ',');
  EXPECT_EQ(readAll(quoted), std::vector<std::string>{quoted.substr(1)});
}

}  // namespace
}  // namespace zen
