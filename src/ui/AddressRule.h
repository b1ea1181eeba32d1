#pragma once
// Which addresses the built-in browser may show. Its engine is an old Chromium that gets no
// security fixes (Debian supports it "only for use on trusted content"), so it shows only the pages
// that ship inside the program. A web address goes to the user's own web browser instead; anything
// else (local files, data:, javascript:, ftp: …) is opened nowhere. The browser window applies this
// rule to what the user types or chooses, and the engine applies it again to every navigation a page
// starts (a link, a form, a redirect, a new window) before it loads anything.

#include <string>
#include <string_view>

namespace zen {

enum class AddressUse {
  Nothing,     // an empty address: nothing happens
  Show,        // a page of the program's own: the built-in browser shows it
  WebBrowser,  // a web address: handed to the user's web browser
  Refuse,      // anything else: opened nowhere
};

struct AddressChoice {
  AddressUse use = AddressUse::Nothing;
  // The address to show or to hand on: trimmed, with https:// in front of a bare host name.
  std::string address;
  bool operator==(const AddressChoice&) const = default;
};

AddressChoice DecideAddress(std::string_view text);

// Whether a shown page may fetch this (its style sheet): only files of the bundled pages' own folder.
bool IsBundledFile(std::string_view address);

}  // namespace zen
