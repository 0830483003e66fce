// Escaping of report text.
#include "core/toolkit/html_text.hpp"

namespace corvana::toolkit {

std::string htmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
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
            default:
                out.push_back(ch);
        }
    }
    return out;
}

}  // namespace corvana::toolkit
