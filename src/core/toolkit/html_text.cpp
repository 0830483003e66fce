// Escaping of report text.
#include "core/toolkit/html_text.hpp"

namespace corvana::toolkit {

void appendHtmlText(std::string& out, std::string_view text, bool quotes) {
    for (const char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                if (quotes) {
                    out += "&quot;";
                    break;
                }
                [[fallthrough]];
            default:
                out.push_back(ch);
        }
    }
}

std::string htmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendHtmlText(out, text);
    return out;
}

}  // namespace corvana::toolkit
