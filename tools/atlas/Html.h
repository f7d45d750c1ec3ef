#pragma once
// Escaping for the places game text goes in a page. Game text is 8-bit (read as Windows-1252)
// and is made UTF-8 first; every function here takes game text.

#include <string>
#include <string_view>

namespace atlas {

// HTML text or a quoted attribute value: & < > " ' become references.
std::string Html(std::string_view gameText);
// The same for text already in UTF-8 (the atlas's own texts).
std::string HtmlUtf8(std::string_view utf8);
// A JSON string literal that is safe inside a <script> element: besides JSON's own escapes,
// < > & and the two line separators JavaScript does not allow in strings are escaped.
std::string Json(std::string_view gameText);
std::string JsonUtf8(std::string_view utf8);
// A game text with line breaks (CR LF, CR or LF) as <br> between escaped lines.
std::string HtmlLines(std::string_view gameText);

} // namespace atlas
