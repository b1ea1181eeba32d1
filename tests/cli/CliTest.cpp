// The sub-commands as a user meets them: what each prints, and one clear line and status 2 for
// whatever they cannot read.

#include "Cli.h"
#include "PreferredValues.h"
#include "Writing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace zen::cli {
namespace {

struct Answer {
  int status;
  std::string out;
  std::string err;
};

Answer run(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(Cli, AnswersOnStandardOutput) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {{"bands", "黄", "紫", "赤", "金"}, "4700 Ω  4.7 KΩ  0.0047 MΩ  ±5 %\n"},
      {{"bands", "4", "7", "red"}, "4700 Ω  4.7 KΩ  0.0047 MΩ  ±5 %\n"},
      {{"bands", "3", "3", "GOLD", "none"}, "3.3 Ω  0.0033 KΩ  3.3E-06 MΩ  ±20 %\n"},
      {{"bands", "--json", "brown", "black", "green", "茶"},
       "{\"bands\":[\"茶\",\"黒\",\"緑\",\"茶\"],\"colours\":[\"brown\",\"black\",\"green\",\"brown\"],"
       "\"ohm\":1000000,\"kiloohm\":1000,\"megaohm\":1,\"tolerance\":1,\"value\":\"1 MΩ\",\"digits\":2,"
       "\"tempco\":null}\n"},
      {{"bands", "茶", "黒", "黒", "赤", "茶"}, "10000 Ω  10 KΩ  0.01 MΩ  ±1 %\n"},
      {{"bands", "4", "7", "5", "gold", "purple", "赤"}, "47.5 Ω  0.0475 KΩ  4.75E-05 MΩ  ±0.1 %  50 ppm/K\n"},
      {{"bands", "--json", "1", "0", "0", "silver", "none", "gray"},
       "{\"bands\":[\"茶\",\"黒\",\"黒\",\"銀\",\"無\",\"灰\"],\"colours\":[\"brown\",\"black\",\"black\",\"silver\","
       "\"none\",\"grey\"],\"ohm\":1,\"kiloohm\":0.001,\"megaohm\":1E-06,\"tolerance\":20,\"value\":\"1 Ω\","
       "\"digits\":3,\"tempco\":1}\n"},
      {{"value", "4k7"}, "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\nSMD: 472, 4701\n"},
      {{"value", "4.7", "kΩ"}, "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\nSMD: 472, 4701\n"},
      // Below 10 ohm the multiplier is gold, below 1 ohm silver.
      {{"value", "4R7"}, "黄 紫 金 金  (yellow violet gold gold)  4.7 Ω ±5 %\nSMD: 4R7, 4R70\n"},
      {{"value", "0R47"}, "黄 紫 銀 金  (yellow violet silver gold)  0.47 Ω ±5 %\nSMD: R47, R470\n"},
      {{"value", "99G"}, "白 白 白 金  (white white white gold)  99000 MΩ ±5 %\nSMD: 999, 9908\n"},
      {{"value", "10"}, "茶 黒 黒 金  (brown black black gold)  10 Ω ±5 %\nSMD: 100, 10R0, 01X (EIA-96)\n"},
      {{"value", "4.75k"},
       "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"
       "4.75k → 4.7k (E12, E24), 4.64k (E48), 4.75k (E96, E192); the bands show two digits, 4.7k\n"
       "five bands: 黄 紫 緑 茶 茶  (yellow violet green brown brown)  4.75 KΩ ±1 %\n"
       "SMD: 4751, 66B (EIA-96)\n"},
      {{"value", "9.15k"},
       "白 茶 赤 金  (white brown red gold)  9.1 KΩ ±5 %\n"
       "9.15k → 10k (E12), 9.1k (E24), 9.09k (E48, E96), 9.2k (E192); the bands show two digits, 9.1k\n"
       "five bands: 白 茶 緑 茶 茶  (white brown green brown brown)  9.15 KΩ ±1 %\n"
       "SMD: 9151\n"},
      {{"value", "4.75k", "--bands", "5"},
       "黄 紫 緑 茶 茶  (yellow violet green brown brown)  4.75 KΩ ±1 %\nSMD: 4751, 66B (EIA-96)\n"},
      {{"value", "4.753k", "--bands=5", "--tolerance", "緑"},
       "黄 紫 緑 茶 緑  (yellow violet green brown green)  4.75 KΩ ±0.5 %\n"
       "4.753k → 4.7k (E12, E24), 4.64k (E48), 4.75k (E96, E192); the bands show three digits, 4.75k\n"},
      {{"value", "4k7", "--tolerance=±2 %", "--bands", "4"}, "黄 紫 赤 赤  (yellow violet red red)  4.7 KΩ ±2 %\nSMD: 472, 4701\n"},
      {{"value", "0.105", "--json"},
       "{\"input\":\"0.105\",\"bands\":[\"茶\",\"黒\",\"銀\",\"金\"],\"colours\":[\"brown\",\"black\",\"silver\","
       "\"gold\"],\"ohm\":0.1,\"kiloohm\":0.0001,\"megaohm\":1E-07,\"tolerance\":5,\"value\":\"0.1 Ω\","
       "\"digits\":2,\"exact\":false,\"asked\":0.105,\"e12\":0.1,\"e24\":0.11,\"e48\":0.105,\"e96\":0.105,"
       "\"e192\":0.105,\"smd\":[\"R105\",\"03Z\"]}\n"},
      {{"value", "--", "4k7"}, "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\nSMD: 472, 4701\n"},
      {{"smd", "472"}, "4.7 KΩ  (47 × 10²)\n"},
      {{"smd", "1000"}, "100 Ω  (100 × 10⁰)\n"},
      {{"smd", "４Ｒ７"}, "4.7 Ω  (R is the decimal point)\n"},
      {{"smd", "01C"}, "10 KΩ  (EIA-96: 01 = 100, C = ×100)\n"},
      {{"smd", "0000"}, "0 Ω  (a zero-ohm jumper)\n"},
      {{"smd", "R22", "--json"},
       "{\"input\":\"R22\",\"kind\":\"decimal point\",\"ohm\":0.22,\"kiloohm\":0.00022,\"megaohm\":2.2E-07,"
       "\"value\":\"0.22 Ω\"}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const Answer a = run(c.args);
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, c.out);
    EXPECT_EQ(a.err, "");
  }
}

TEST(Cli, RefusesWithOneLineAndStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* err;
  };
  const Case cases[] = {
      {{"bands", "黄", "紫"}, "zentario bands: give three to six colours, for example: zentario bands 黄 紫 赤 金\n"},
      {{"bands", "1", "2", "3", "4", "5", "6", "7"},
       "zentario bands: give three to six colours, for example: zentario bands 黄 紫 赤 金\n"},
      {{"bands", "mauve", "1", "red"},
       "zentario bands: \"mauve\" is not a colour (黒 茶 赤 橙 黄 緑 青 紫 灰 白 金 銀 無, black … white, gold, "
       "silver, none)\n"},
      {{"bands", "1", "0", "0", "桃", "brown"},
       "zentario bands: \"桃\" is not a colour this calculator takes: 桃 (pink, ×0.001 since IEC 60062:2016) has no "
       "band in the window; multipliers are 黒 to 白, 金 and 銀\n"},
      {{"bands", "1", "0", "gold", "red", "brown"},
       "zentario bands: 金 (gold) does not fit: the third band is a digit: 黒 to 白 (black to white), or 0 to 9\n"},
      {{"bands", "1", "brown", "0", "red", "brown", "white"},
       "zentario bands: 白 (white) does not fit: the sixth band, the temperature coefficient, is 黒 茶 赤 橙 黄 緑 青 "
       "紫 or 灰 (250 to 1 ppm/K), by colour\n"},
      {{"bands", "黒", "1", "red"},
       "zentario bands: 黒 (black) does not fit: the first band is a digit from 1 to 9: 茶 to 白 (brown to white)\n"},
      {{"bands", "0", "1", "red"},
       "zentario bands: \"0\" is 黒 (black), which does not fit: the first band is a digit from 1 to 9: 茶 to 白 "
       "(brown to white)\n"},
      {{"bands", "gold", "1", "red"},
       "zentario bands: 金 (gold) does not fit: the first band is a digit from 1 to 9: 茶 to 白 (brown to white)\n"},
      {{"bands", "1", "silver", "red"},
       "zentario bands: 銀 (silver) does not fit: the second band is a digit: 黒 to 白 (black to white), or 0 to 9\n"},
      {{"bands", "1", "2", "5"},
       "zentario bands: \"5\" is 緑 (green), which does not fit: the multiplier is 黒 to 白 (×1 to ×10⁹), 金 (×0.1) "
       "or 銀 (×0.01), by colour\n"},
      {{"bands", "1", "2", "none"},
       "zentario bands: 無 (none) does not fit: the multiplier is 黒 to 白 (×1 to ×10⁹), 金 (×0.1) or 銀 (×0.01), by "
       "colour\n"},
      {{"bands", "1", "2", "red", "yellow"},
       "zentario bands: 黄 (yellow) does not fit: the tolerance band is 橙 紫 青 緑 茶 赤 金 銀 or 無\n"},
      {{"value"}, "zentario value: no value given, for example: zentario value 4k7\n"},
      {{"value", ""}, "zentario value: no value given, for example: zentario value 4k7\n"},
      {{"value", "-5"}, "zentario value: \"-5\" is negative; a resistor carries 0.1 Ω to 99 GΩ\n"},
      {{"value", "abc"},
       "zentario value: \"abc\" is not a resistance; write it as 4700, 4k7, 4.7k, 2M2, 0R47, 470R or 1.5M\n"},
      {{"value", "1e999"},
       "zentario value: \"1e999\" is above 99 GΩ, the largest value four bands carry (白 白 白)\n"},
      {{"value", "99.5G"},
       "zentario value: \"99.5G\" is above 99 GΩ, the largest value four bands carry (白 白 白)\n"},
      {{"value", "0"}, "zentario value: \"0\" is below 0.1 Ω, the smallest value four bands carry (茶 黒 銀)\n"},
      {{"value", "0.099"},
       "zentario value: \"0.099\" is below 0.1 Ω, the smallest value four bands carry (茶 黒 銀)\n"},
      {{"value", "2m2"},
       "zentario value: \"2m2\" is below 0.1 Ω, the smallest value four bands carry (茶 黒 銀); m is milli, M "
       "mega\n"},
      {{"value", "0.99", "--bands", "5"},
       "zentario value: \"0.99\" is below 1 Ω, the smallest value five bands carry (茶 黒 黒 銀)\n"},
      {{"value", "1000G", "--bands", "5"},
       "zentario value: \"1000G\" is above 999 GΩ, the largest value five bands carry (白 白 白 白)\n"},
      {{"value", "4k7", "--bands", "6"}, "zentario value: --bands takes 4 or 5, not \"6\"\n"},
      {{"value", "4k7", "--tolerance", "3"},
       "zentario value: \"3\" is not a tolerance; give 0.05 0.1 0.25 0.5 1 2 5 10 or 20 (per cent), or its colour\n"},
      {{"value", "4k7", "--bands"}, "zentario value: --bands needs a value; see zentario value --help\n"},
      {{"value", "4k7", "--jsn"}, "zentario value: unknown option \"--jsn\"; see zentario value --help\n"},
      {{"bands", "1", "0", "red", "--bands", "5"}, "zentario bands: unknown option \"--bands\"; see zentario bands --help\n"},
      {{"smd"}, "zentario smd: no marking given, for example: zentario smd 472\n"},
      {{"smd", "R"}, "zentario smd: \"R\" has no digits; R stands for the decimal point, as in 4R7 or R47\n"},
      {{"smd", "1R2R"}, "zentario smd: \"1R2R\" has more than one R; R stands for the one decimal point, as in 4R7\n"},
      {{"smd", "97A"}, "zentario smd: \"97A\" is not EIA-96: its numbers run from 01 to 96\n"},
      {{"smd", "47K"},
       "zentario smd: \"47K\" is not EIA-96: K is no multiplier letter (Z, Y or R, X or S, A, B or H, C, D, E, F)\n"},
      {{"smd", "4k7"},
       "zentario smd: \"4k7\" is not an SMD marking: 3 or 4 digits (472, 4701), digits with R as the point (4R7, R47, "
       "0R22), or EIA-96 (01C)\n"},
      {{"smd", "\xff"},
       "zentario smd: \"\\xFF\" is not an SMD marking: 3 or 4 digits (472, 4701), digits with R as the point (4R7, "
       "R47, 0R22), or EIA-96 (01C)\n"},
      {{"smd", "47000"},
       "zentario smd: \"47000\" has 5 characters; a marking has 3 (472, 4R7, 01C) or 4 (4701, 0R22), or is 0 to 0000 "
       "for a jumper\n"},
      {{"smd", "47R"},
       "zentario smd: \"47R\" is ambiguous: 47 Ω with R as the point, or 3.01 Ω as EIA-96 (R = ×0.01); 47R0 is the one, "
       "47Y the other\n"},
      {{"colour", "red"}, "zentario: \"colour\" is not a sub-command (bands, value, smd)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.size() > 1 ? c.args[1] : c.args[0]);
    const Answer a = run(c.args);
    EXPECT_EQ(a.status, kUnreadable);
    EXPECT_EQ(a.out, "");
    EXPECT_EQ(a.err, c.err);
  }
}

// The sixth band's temperature coefficients as IEC 60062 gives them, in ppm/K; 0: the colour has
// none and is refused.
TEST(Cli, SixthBandIsTheTemperatureCoefficient) {
  const std::pair<const char*, int> coefficients[] = {
      {"black", 250}, {"brown", 100}, {"red", 50}, {"orange", 15}, {"yellow", 25}, {"green", 20},  {"blue", 10},
      {"violet", 5},  {"grey", 1},    {"white", 0}, {"gold", 0},   {"silver", 0}, {"none", 0}};
  for (const auto& [colour, ppm] : coefficients) {
    const Answer a = run({"bands", "1", "0", "0", "red", "brown", colour});
    EXPECT_EQ(a.status, ppm ? 0 : kUnreadable) << colour;
    EXPECT_EQ(a.out, ppm ? "10000 Ω  10 KΩ  0.01 MΩ  ±1 %  " + std::to_string(ppm) + " ppm/K\n" : "") << colour;
  }
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Each help starts with its usage, and every example in it ("  zentario smd 472    4.7 KΩ …", the
// answer after two spaces or on the more indented lines below) answers, run, what it shows.
TEST(Cli, HelpForEachSubcommand) {
  for (const std::string name : {"bands", "value", "smd"}) {
    const Answer help = run({name, "4k7", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: zentario " + name + " ")) << help.out;
    EXPECT_EQ(run({name, "-h"}).out, help.out);
    std::vector<std::pair<std::vector<std::string>, std::string>> examples;  // arguments, answer shown
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("  zentario ")) {
        const std::size_t gap = std::min(line.find("  ", 2), line.size());
        examples.push_back({wordsOf(line.substr(11, gap - 11)), line.substr(gap)});
      } else if (!examples.empty() && line.starts_with("    ")) {
        examples.back().second += " " + line;
      } else {
        examples.emplace_back();
      }
    }
    int ran = 0;
    for (const auto& [args, shown] : examples) {
      if (args.empty()) continue;
      SCOPED_TRACE(::testing::PrintToString(args));
      const Answer a = run(args);
      EXPECT_EQ(a.status, 0);
      if (!shown.empty()) {
        EXPECT_EQ(wordsOf(a.out), wordsOf(shown));
      }
      ++ran;
    }
    EXPECT_GE(ran, 4) << name;
  }
  EXPECT_NE(SubcommandsHelp().find("zentario value 4k7"), std::string::npos);
}

// What `value` prints reads back as the value asked for: the five bands through `bands`, each SMD
// marking through `smd`; for every E192 value from 1 ohm to 999 gigaohm.
TEST(Cli, PrintedCodesReadBackAsTheValue) {
  const auto ohmIn = [](const std::string& json) {
    const std::size_t at = json.find("\"ohm\":") + 6;
    return json.substr(at, json.find(',', at) - at);
  };
  for (int member : kE192) {
    for (int exponent = -2; exponent <= 9; ++exponent) {
      const std::string asked = PlainText(MakeDecimal(std::to_string(member), exponent));
      std::istringstream lines(run({"value", asked, "--bands", "5"}).out);
      std::vector<std::string> args = {"bands", "--json"};
      std::string word;
      for (int band = 0; band < 5 && lines >> word; ++band) args.push_back(word);
      ASSERT_EQ(ohmIn(run(args).out), asked);
      std::string line;
      while (std::getline(lines, line) && !line.starts_with("SMD: ")) {
      }
      ASSERT_TRUE(line.starts_with("SMD: ")) << asked;
      std::istringstream markings(line.substr(5));
      for (std::string code; markings >> code;) {
        if (code.ends_with(',')) code.pop_back();
        if (code != "(EIA-96)") {
          ASSERT_EQ(ohmIn(run({"smd", code, "--json"}).out), asked) << code;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zen::cli
