#include "tools/atlas/Html.h"

#include "tools/cli/Cli.h"

#include <cstdio>

namespace atlas {

std::string HtmlUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 8);
    for (char c : utf8) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\0': out += "&#65533;"; break; // a NUL would be dropped or replaced by the parser anyway
        default: out += c;
        }
    }
    return out;
}

std::string Html(std::string_view gameText) { return HtmlUtf8(cli::Utf8(gameText)); }

std::string JsonUtf8(std::string_view utf8)
{
    std::string out = "\"";
    out.reserve(utf8.size() + 8);
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == '<' || c == '>' || c == '&' || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else if (c == 0xE2 && i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(utf8[i + 2]) == 0xA8 || static_cast<unsigned char>(utf8[i + 2]) == 0xA9)) {
            out += static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Json(std::string_view gameText) { return JsonUtf8(cli::Utf8(gameText)); }

std::string HtmlLines(std::string_view gameText)
{
    std::string out;
    size_t start = 0;
    for (size_t i = 0; i <= gameText.size(); ++i) {
        const bool end = i == gameText.size();
        if (!end && gameText[i] != '\r' && gameText[i] != '\n')
            continue;
        out += Html(gameText.substr(start, i - start));
        if (end)
            break;
        out += "<br>";
        if (gameText[i] == '\r' && i + 1 < gameText.size() && gameText[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return out;
}

} // namespace atlas
