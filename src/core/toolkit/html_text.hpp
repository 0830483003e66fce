// Text from a calculation file or a grid cell as it goes into a report document.
#pragma once

#include <string>
#include <string_view>

namespace corvana::toolkit {

// Escapes "&", "<" and ">" so that a received calculation file cannot put markup or script
// into a report. Header and footer templates are the user's own and are not passed here.
std::string htmlText(std::string_view text);
// The same escaping appended to `out`; `quotes` also escapes '"' (for an attribute value).
void appendHtmlText(std::string& out, std::string_view text, bool quotes = false);

}  // namespace corvana::toolkit
