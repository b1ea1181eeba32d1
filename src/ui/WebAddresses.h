#pragma once
// The pages the browser window knows. They ship inside the program, so the browser shows them
// without a network; any other address typed into the address box needs one.

#include <string_view>

namespace zen {

// The program's homepage: the starting address and the engine's home page.
inline constexpr std::string_view kHomePageAddress = "qrc:/web/home.html";
// The two reference pages of the address list, in the list's order.
inline constexpr std::string_view kColourCodePageAddress = "qrc:/web/colour-code.html";
inline constexpr std::string_view kPartsListPageAddress = "qrc:/web/parts.html";
// The engine's search page: it explains that searching needs a network and links to a web search.
inline constexpr std::string_view kSearchPageAddress = "qrc:/web/search.html";

}  // namespace zen
