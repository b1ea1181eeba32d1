// Which addresses the built-in browser shows, hands to the user's web browser, or refuses.

#include <gtest/gtest.h>

#include "AddressRule.h"

namespace zen::test {
namespace {

struct RuleCase {
  const char* typed;
  AddressUse use;
  const char* address;
};

constexpr auto Show = AddressUse::Show;
constexpr auto Web = AddressUse::WebBrowser;
constexpr auto Refuse = AddressUse::Refuse;

TEST(AddressRuleTest, BundledPagesShowWebAddressesGoToTheWebBrowserAndTheRestNowhere) {
  const RuleCase cases[] = {
      {"", AddressUse::Nothing, ""},
      {" \t\xE3\x80\x80 ", AddressUse::Nothing, ""},
      {"qrc:/web/home.html", Show, "qrc:/web/home.html"},
      {"  qrc:/web/parts.html\n", Show, "qrc:/web/parts.html"},
      {"QRC:///web/colour-code.html#e12", Show, "qrc:/web/colour-code.html#e12"},
      {"qrc:/web/style.css", Refuse, "qrc:/web/style.css"},
      {"http://127.0.0.1:8080/page.html", Web, "http://127.0.0.1:8080/page.html"},
      {"HTTPS://example.com", Web, "HTTPS://example.com"},
      {"https://example.com/a b", Web, "https://example.com/a b"},
      {"https://例え.テスト/ページ", Web, "https://例え.テスト/ページ"},
      {"example.com", Web, "https://example.com"},
      {"localhost:8080/x", Web, "https://localhost:8080/x"},
      {"http://exa mple.com/", Refuse, "http://exa mple.com/"},
      {"抵抗 カラーコード", Refuse, "抵抗 カラーコード"},
      {"カラーコード表", Refuse, "カラーコード表"},
      {"file:///etc/hostname", Refuse, "file:///etc/hostname"},
      {"/etc/hostname", Refuse, "/etc/hostname"},
      {"data:text/html,<b>x</b>", Refuse, "data:text/html,<b>x</b>"},
      {"javascript:alert(1)", Refuse, "javascript:alert(1)"},
      {"ftp://example.com/", Refuse, "ftp://example.com/"},
  };
  for (const RuleCase& c : cases) {
    EXPECT_EQ(DecideAddress(c.typed), (AddressChoice{c.use, c.address})) << c.typed;
  }
}

TEST(AddressRuleTest, PagesFetchOnlyFilesOfTheirOwnFolder) {
  EXPECT_TRUE(IsBundledFile("qrc:/web/style.css") && IsBundledFile("qrc:///web/home.html"));
  for (const char* other : {"qrc:/assets/quit.svg", "qrc:/web/../assets/quit.svg", "qrc:/web/%2e%2e/x",
                            "http://127.0.0.1/style.css", "file:///web/style.css", "data:text/css,"}) {
    EXPECT_FALSE(IsBundledFile(other)) << other;
  }
}

}  // namespace
}  // namespace zen::test
