#include "AddressRule.h"

#include <algorithm>

#include "WebAddresses.h"

namespace zen {

namespace {

constexpr std::string_view kBundledPages[] = {kHomePageAddress, kColourCodePageAddress, kPartsListPageAddress,
                                              kSearchPageAddress};
constexpr std::string_view kBundledFolder = "qrc:/web/";
// The ideographic space a Japanese input method types for a blank.
constexpr std::string_view kWideSpace = "\xE3\x80\x80";

bool asciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool asciiDigit(char c) { return c >= '0' && c <= '9'; }
bool schemeChar(char c) { return asciiAlpha(c) || asciiDigit(c) || c == '+' || c == '-' || c == '.'; }
bool blankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }

bool hasBlank(std::string_view s) {
  return std::any_of(s.begin(), s.end(), blankOrControl) || s.find(kWideSpace) != std::string_view::npos;
}

std::string_view trimmed(std::string_view s) {
  for (;;) {
    if (!s.empty() && blankOrControl(s.front())) {
      s.remove_prefix(1);
    } else if (!s.empty() && blankOrControl(s.back())) {
      s.remove_suffix(1);
    } else if (s.starts_with(kWideSpace)) {
      s.remove_prefix(kWideSpace.size());
    } else if (s.ends_with(kWideSpace)) {
      s.remove_suffix(kWideSpace.size());
    } else {
      return s;
    }
  }
}

// The part of an address up to its path, query or fragment.
std::string_view upToPath(std::string_view s) { return s.substr(0, s.find_first_of("/?#")); }

// The address's scheme in lower case ("http" of "HTTP://…"); empty when it has none. A host with a
// port ("localhost:8080") has none: what follows its colon is a number.
std::string schemeOf(std::string_view s) {
  const std::size_t colon = s.find(':');
  if (colon == std::string_view::npos || colon == 0 || !asciiAlpha(s.front())) return {};
  const std::string_view name = s.substr(0, colon);
  if (!std::all_of(name.begin(), name.end(), schemeChar)) return {};
  const std::string_view port = upToPath(s.substr(colon + 1));
  if (!port.empty() && port.size() <= 5 && std::all_of(port.begin(), port.end(), asciiDigit)) return {};
  std::string lower(name);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// "qrc:///web/x" and "qrc:/web/x" name the same file; the engine reports the short form.
std::string bundledForm(std::string_view address) {
  std::string_view path = address.substr(4);  // after "qrc:"
  if (path.starts_with("///")) path.remove_prefix(2);
  return "qrc:" + std::string(path);
}

AddressChoice showBundled(std::string_view address) {
  const std::string canonical = bundledForm(address);
  const std::string_view page = std::string_view(canonical).substr(0, canonical.find('#'));
  const bool known = std::find(std::begin(kBundledPages), std::end(kBundledPages), page) != std::end(kBundledPages);
  return known ? AddressChoice{AddressUse::Show, canonical} : AddressChoice{AddressUse::Refuse, std::string(address)};
}

}  // namespace

AddressChoice DecideAddress(std::string_view text) {
  const std::string_view address = trimmed(text);
  if (address.empty()) return {};
  const std::string scheme = schemeOf(address);
  const AddressChoice refuse{AddressUse::Refuse, std::string(address)};
  if (scheme == "qrc") return showBundled(address);
  if (scheme == "http" || scheme == "https") {
    const std::string_view rest = address.substr(scheme.size() + 1);
    if (!rest.starts_with("//")) return refuse;
    const std::string_view host = upToPath(rest.substr(2));
    if (host.empty() || hasBlank(host)) return refuse;
    return {AddressUse::WebBrowser, std::string(address)};
  }
  if (!scheme.empty()) return refuse;
  // No scheme: a host name with a dot or a port ("example.com/page", "localhost:8080") is a web
  // address, as a browser's address bar takes it, and goes out encrypted. A word is not: the box
  // shows the page's name ("カラーコード表"), and Enter on it must not send that to the web. A path
  // ("/etc/hostname", "~/x", "./x") names a local file.
  if (std::string_view("/\\.~").find(address.front()) != std::string_view::npos) return refuse;
  const std::string_view host = upToPath(address);
  if (hasBlank(host) || host.find_first_of(".:") == std::string_view::npos) return refuse;
  return {AddressUse::WebBrowser, "https://" + std::string(address)};
}

bool IsBundledFile(std::string_view address) {
  if (schemeOf(address) != "qrc") return false;
  const std::string file = bundledForm(address);
  return file.starts_with(kBundledFolder) && file.find("..") == std::string::npos &&
         file.find('%') == std::string::npos;
}

}  // namespace zen
