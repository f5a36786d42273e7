#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zendrik {

/// The web address a cell holds, for following it like a link in a browser; none for other
/// texts. Blanks around the text are dropped; a text with blanks or control characters inside
/// is no address. An absolute address (http://, https://, file:// or www., in any case) always
/// counts; a relative one only once a page was fetched (`hasBase`) and only when it names a
/// page: it begins with "/", "./", "../" or "?", or its path ends in "/" or in a page's
/// extension (.htm, .html, .shtml, .xhtml, .php, .asp, .aspx, .jsp, .cgi). So "item.html" and
/// "/list?page=2" are links, "1.99" and "Apple" are not.
std::optional<std::string> CellLink(std::string_view text, bool hasBase);

}  // namespace zendrik
