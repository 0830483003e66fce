// Report HTML for the report view: parsed as a browser would parse it and written back
// well formed, without scripts, frames, embedded objects or event handlers.
#pragma once

#include <string>
#include <string_view>

namespace corvana::gui {

// UTF-8 HTML in, UTF-8 well-formed HTML out (html, head and body always present).
std::string wellFormedHtml(std::string_view html);

}  // namespace corvana::gui
