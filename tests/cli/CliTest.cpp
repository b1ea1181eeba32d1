// The sub-commands as a user meets them: what each prints, and one clear line and status 2 for
// whatever they cannot read.

#include "Cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
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
       "\"ohm\":1000000,\"kiloohm\":1000,\"megaohm\":1,\"tolerance\":1,\"value\":\"1 MΩ\"}\n"},
      {{"value", "4k7"}, "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"},
      {{"value", "4.7", "kΩ"}, "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"},
      // Below 10 ohm the multiplier is gold, below 1 ohm silver.
      {{"value", "4R7"}, "黄 紫 金 金  (yellow violet gold gold)  4.7 Ω ±5 %\n"},
      {{"value", "0R47"}, "黄 紫 銀 金  (yellow violet silver gold)  0.47 Ω ±5 %\n"},
      {{"value", "99G"}, "白 白 白 金  (white white white gold)  99000 MΩ ±5 %\n"},
      {{"value", "4.75k"},
       "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"
       "4.75k → 4.7k (E12, E24); the bands show two digits, 4.7k\n"},
      {{"value", "9.15k"},
       "白 茶 赤 金  (white brown red gold)  9.1 KΩ ±5 %\n"
       "9.15k → 10k (E12), 9.1k (E24); the bands show two digits, 9.1k\n"},
      {{"value", "0.105", "--json"},
       "{\"input\":\"0.105\",\"bands\":[\"茶\",\"黒\",\"銀\",\"金\"],\"colours\":[\"brown\",\"black\",\"silver\","
       "\"gold\"],\"ohm\":0.1,\"kiloohm\":0.0001,\"megaohm\":1E-07,\"tolerance\":5,\"value\":\"0.1 Ω\","
       "\"exact\":false,\"asked\":0.105,\"e12\":0.1,\"e24\":0.11}\n"},
      {{"value", "--", "4k7"}, "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"},
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
      {{"bands", "黄", "紫"}, "zentario bands: give three or four colours, for example: zentario bands 黄 紫 赤 金\n"},
      {{"bands", "1", "2", "3", "4", "5"},
       "zentario bands: give three or four colours, for example: zentario bands 黄 紫 赤 金\n"},
      {{"bands", "pink", "1", "red"},
       "zentario bands: \"pink\" is not a colour (黒 茶 赤 橙 黄 緑 青 紫 灰 白 金 銀 無, black … white, gold, "
       "silver, none)\n"},
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
      {{"value", "4k7", "--jsn"}, "zentario value: unknown option \"--jsn\"; see zentario value --help\n"},
      {{"colour", "red"}, "zentario: \"colour\" is not a sub-command (bands, value)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.size() > 1 ? c.args[1] : c.args[0]);
    const Answer a = run(c.args);
    EXPECT_EQ(a.status, kUnreadable);
    EXPECT_EQ(a.out, "");
    EXPECT_EQ(a.err, c.err);
  }
}

TEST(Cli, HelpForEachSubcommand) {
  for (const char* name : {"bands", "value"}) {
    for (const char* option : {"--help", "-h"}) {
      const Answer a = run({name, "4k7", option});
      EXPECT_EQ(a.status, 0);
      EXPECT_EQ(a.out, name == std::string("bands") ? BandsHelp() : ValueHelp());
      EXPECT_EQ(a.err, "");
    }
  }
  EXPECT_NE(SubcommandsHelp().find("zentario value 4k7"), std::string::npos);
}

}  // namespace
}  // namespace zen::cli
