#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace zen {
namespace {

using namespace std::string_literals;

constexpr const char* kFffd = "\xEF\xBF\xBD";

struct Pair {
  const char* name;
  std::string utf8;
  std::string sjis;
};

class ShiftJisBothWays : public testing::TestWithParam<Pair> {};

TEST_P(ShiftJisBothWays, Encodes) { EXPECT_EQ(Utf8ToShiftJis(GetParam().utf8), GetParam().sjis); }
TEST_P(ShiftJisBothWays, Decodes) { EXPECT_EQ(ShiftJisToUtf8(GetParam().sjis), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ShiftJisBothWays,
    testing::Values(Pair{"Empty", "", ""},
                    Pair{"Position", " 1800", " 1800"},
                    Pair{"OhmSign", "4.7K\u03A9", "4.7K\x83\xB6"},
                    Pair{"Kanji", "\u8272\u5E2F\u62B5\u6297HELP", "\x90\x46\x91\xD1\x92\xEF\x8D\x52HELP"},
                    Pair{"ColourNames", "\u9ED2\u8336\u8D64", "\x8D\x95\x92\x83\x90\xD4"},
                    Pair{"HalfWidthKatakana", "\uFF71", "\xB1"},
                    Pair{"FullWidthSpace", "\u3000", "\x81\x40"},
                    Pair{"NulByte", "a\0b"s, "a\0b"s}),
    [](const auto& info) { return std::string(info.param.name); });

struct OneWay {
  const char* name;
  std::string in;
  std::string out;
};

class ShiftJisDecoding : public testing::TestWithParam<OneWay> {};

TEST_P(ShiftJisDecoding, ReplacesEachBadByteAndGoesOn) {
  EXPECT_EQ(ShiftJisToUtf8(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    BadBytes, ShiftJisDecoding,
    testing::Values(OneWay{"LeadByteAtTheEnd", "ab\x81", "ab"s + kFffd},
                    OneWay{"LeadByteBeforeBlank", "\x81 1", kFffd + " 1"s},
                    OneWay{"Ff", "\xFF" "a", kFffd + "a"s},
                    OneWay{"SeveralInARow", "\x80\xA0\xFD\x83\xB6", kFffd + ""s + kFffd + kFffd + "\u03A9"},
                    OneWay{"BetweenKanji", "\x90\x46\xFE\x91\xD1", "\u8272"s + kFffd + "\u5E2F"}),
    [](const auto& info) { return std::string(info.param.name); });

class ShiftJisEncoding : public testing::TestWithParam<OneWay> {};

TEST_P(ShiftJisEncoding, ReplacesEachMissingCharacterWithOneQuestionMark) {
  EXPECT_EQ(Utf8ToShiftJis(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Unencodable, ShiftJisEncoding,
    testing::Values(OneWay{"Hangul", "a\uD55Cb", "a?b"},
                    OneWay{"Emoji", "\U0001F600\u03A9", "?\x83\xB6"},
                    OneWay{"OhmSignLookalike", "\u2126", "?"},
                    OneWay{"StrayContinuationByte", "a\x80" "b", "a?b"},
                    OneWay{"CutOffSequenceAtTheEnd", "a\xE2\x82", "a??"},
                    OneWay{"OverlongSlash", "\xC0\xAF", "??"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShiftJisTest, LongTextsCrossTheInternalBuffer) {
  std::string utf8;
  std::string sjis;
  for (int i = 0; i < 5000; ++i) {
    utf8 += "4.7K\u03A9,\u8272";
    sjis += "4.7K\x83\xB6,\x90\x46";
  }
  EXPECT_EQ(Utf8ToShiftJis(utf8), sjis);
  EXPECT_EQ(ShiftJisToUtf8(sjis), utf8);
}

TEST(ShiftJisTest, ThreadsConvertIndependently) {
  std::vector<std::thread> threads;
  std::vector<int> mismatches(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &mismatches] {
      for (int i = 0; i < 500; ++i) {
        if (ShiftJisToUtf8("\x83\xB6\xFF") != "\u03A9"s + kFffd) ++mismatches[t];
        if (Utf8ToShiftJis("\u8272\uD55C") != "\x90\x46?") ++mismatches[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace zen
