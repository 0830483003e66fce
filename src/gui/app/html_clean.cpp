// The HTML5 parser's tree written back as plain, well-formed HTML.
#include "gui/app/html_clean.hpp"

#include "core/toolkit/html_text.hpp"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace corvana::gui {

namespace {

bool isVoid(GumboTag tag) {
    switch (tag) {
        case GUMBO_TAG_AREA:
        case GUMBO_TAG_BR:
        case GUMBO_TAG_COL:
        case GUMBO_TAG_HR:
        case GUMBO_TAG_IMG:
        case GUMBO_TAG_INPUT:
        case GUMBO_TAG_WBR:
        case GUMBO_TAG_PARAM:
        case GUMBO_TAG_SOURCE:
        case GUMBO_TAG_TRACK:
        case GUMBO_TAG_BASE:
        case GUMBO_TAG_LINK:
        case GUMBO_TAG_META:
        case GUMBO_TAG_EMBED:
        case GUMBO_TAG_KEYGEN:
            return true;
        default:
            return false;
    }
}

// Elements that never reach the view: active content, frames and external resources.
bool isDropped(GumboTag tag) {
    switch (tag) {
        case GUMBO_TAG_SCRIPT:
        case GUMBO_TAG_NOSCRIPT:
        case GUMBO_TAG_IFRAME:
        case GUMBO_TAG_FRAME:
        case GUMBO_TAG_FRAMESET:
        case GUMBO_TAG_OBJECT:
        case GUMBO_TAG_EMBED:
        case GUMBO_TAG_APPLET:
        case GUMBO_TAG_LINK:
        case GUMBO_TAG_META:
        case GUMBO_TAG_BASE:
        case GUMBO_TAG_TEMPLATE:
        case GUMBO_TAG_FORM:
        case GUMBO_TAG_INPUT:
        case GUMBO_TAG_BUTTON:
        case GUMBO_TAG_SELECT:
        case GUMBO_TAG_TEXTAREA:
            return true;
        default:
            return false;
    }
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Border shorthands ("border-bottom: solid 1px #d8d8d8") written out as the longhand
// properties the view understands; it reads a shorthand as a black border of no width.
bool isBorderStyle(std::string_view word) {
    static constexpr std::array<std::string_view, 10> styles = {
        "none", "hidden", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"};
    return std::find(styles.begin(), styles.end(), lower(word)) != styles.end();
}

bool isBorderWidth(std::string_view word) {
    const auto w = lower(word);
    return w == "thin" || w == "medium" || w == "thick" ||
           (!w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) || w[0] == '.'));
}

std::string trimmed(std::string_view s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(b, e - b + 1));
}

// The longhands of one shorthand value; `side` is "" or "-top", "-right", "-bottom", "-left".
std::string borderLonghands(std::string_view side, std::string_view value) {
    std::string style, width, color;
    std::string word;
    int depth = 0;
    auto flush = [&] {
        if (word.empty()) return;
        if (depth == 0 && style.empty() && isBorderStyle(word)) {
            style = word;
        } else if (depth == 0 && width.empty() && isBorderWidth(word)) {
            width = word;
        } else {
            color += (color.empty() ? "" : " ") + word;
        }
        word.clear();
    };
    for (const char c : value) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (depth == 0 && std::isspace(static_cast<unsigned char>(c))) {
            flush();
        } else {
            word += c;
        }
    }
    flush();
    const std::string prefix = "border" + std::string(side);
    std::string out;
    // What the shorthand leaves out takes the initial values: no style, medium, black.
    out += prefix + "-style: " + (style.empty() ? "none" : style) + "; ";
    out += prefix + "-width: " + (width.empty() ? "medium" : width) + "; ";
    out += prefix + "-color: " + (color.empty() ? "black" : color);
    return out;
}

std::string expandBorderShorthands(std::string_view css) {
    if (css.find("border") == std::string_view::npos) return std::string(css);
    static constexpr std::array<std::string_view, 5> sides = {"", "-top", "-right", "-bottom",
                                                              "-left"};
    std::string out;
    size_t i = 0;
    while (i < css.size()) {
        const size_t at = css.find("border", i);
        if (at == std::string_view::npos) break;
        // A property name starts a declaration: after "{", ";", blank or the text's start.
        const bool starts = at == 0 || css[at - 1] == '{' || css[at - 1] == ';' ||
                            std::isspace(static_cast<unsigned char>(css[at - 1]));
        size_t nameEnd = at + 6;
        std::string_view side;
        for (const auto s : sides) {
            if (!s.empty() && css.substr(nameEnd, s.size()) == s) {
                const char next = nameEnd + s.size() < css.size() ? css[nameEnd + s.size()] : ';';
                if (next == ':' || std::isspace(static_cast<unsigned char>(next))) side = s;
            }
        }
        nameEnd += side.size();
        size_t colon = nameEnd;
        while (colon < css.size() && std::isspace(static_cast<unsigned char>(css[colon]))) ++colon;
        if (!starts || colon >= css.size() || css[colon] != ':') {
            out.append(css.substr(i, nameEnd - i));
            i = nameEnd;
            continue;
        }
        size_t end = colon + 1;
        while (end < css.size() && css[end] != ';' && css[end] != '}') ++end;
        out.append(css.substr(i, at - i));
        out += borderLonghands(side, trimmed(css.substr(colon + 1, end - colon - 1)));
        i = end;
    }
    out.append(css.substr(i));
    return out;
}

bool safeAttribute(const GumboAttribute& a) {
    const auto name = lower(a.name);
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':';
    });
    if (!plain) return false;                    // a name that is really broken markup
    if (name.rfind("on", 0) == 0) return false;  // event handlers
    const auto value = lower(a.value);
    const auto start = value.find_first_not_of(" \t\r\n");
    const auto v = start == std::string::npos ? std::string() : value.substr(start);
    return v.rfind("javascript:", 0) != 0 && v.rfind("vbscript:", 0) != 0;
}

std::string tagName(const GumboElement& e) {
    if (e.tag != GUMBO_TAG_UNKNOWN) return gumbo_normalized_tagname(e.tag);
    GumboStringPiece piece = e.original_tag;
    gumbo_tag_from_original_text(&piece);
    std::string name = lower(std::string_view(piece.data, piece.length));
    // Only plain names survive; anything odd is written as a span.
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
    });
    return plain ? name : "span";
}

// A table row with no cell: stray "<tr>" lines of the report writers.
bool hasCell(const GumboElement& row) {
    for (unsigned i = 0; i < row.children.length; ++i) {
        const auto* kid = static_cast<const GumboNode*>(row.children.data[i]);
        if (kid->type == GUMBO_NODE_ELEMENT &&
            (kid->v.element.tag == GUMBO_TAG_TD || kid->v.element.tag == GUMBO_TAG_TH))
            return true;
    }
    return false;
}

// Nesting a report never comes near: deeper elements are written without their tags (their
// text stays), and tables inside deeper tables become lines of text, so that neither the
// writer nor the view's layout has to follow a hostile document's depth.
constexpr size_t kMaxDepth = 200;
constexpr int kMaxTableDepth = 6;

bool isTablePart(GumboTag tag) {
    switch (tag) {
        case GUMBO_TAG_TABLE:
        case GUMBO_TAG_TBODY:
        case GUMBO_TAG_THEAD:
        case GUMBO_TAG_TFOOT:
        case GUMBO_TAG_TR:
        case GUMBO_TAG_TD:
        case GUMBO_TAG_TH:
        case GUMBO_TAG_CAPTION:
        case GUMBO_TAG_COLGROUP:
        case GUMBO_TAG_COL:
            return true;
        default:
            return false;
    }
}

void writeText(std::string& out, const GumboNode* node) {
    if (node->parent != nullptr && node->parent->type == GUMBO_NODE_ELEMENT &&
        node->parent->v.element.tag == GUMBO_TAG_STYLE) {
        out += expandBorderShorthands(node->v.text.text);  // style sheets are raw text
    } else {
        toolkit::appendHtmlText(out, node->v.text.text, false);
    }
}

void writeStartTag(std::string& out, const GumboElement& e, const std::string& name) {
    out += '<';
    out += name;
    for (unsigned i = 0; i < e.attributes.length; ++i) {
        const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
        if (!safeAttribute(*a)) continue;
        out += ' ';
        out += lower(a->name);
        out += "=\"";
        toolkit::appendHtmlText(out, lower(a->name) == "style" ? expandBorderShorthands(a->value) : a->value,
                   true);
        out += '"';
    }
    out += '>';
}

// Writes the tree without recursion: a stack of open elements and what closes each one.
void write(std::string& out, const GumboNode* root) {
    struct Open {
        const GumboVector* kids;
        unsigned next;
        std::string close;  // written when the element's children are done
        bool table;         // the element counts as a table level
    };
    std::vector<Open> stack;
    int tables = 0;
    auto visit = [&](const GumboNode* node) {
        switch (node->type) {
            case GUMBO_NODE_DOCUMENT:
                stack.push_back({&node->v.document.children, 0, {}, false});
                return;
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                writeText(out, node);
                return;
            case GUMBO_NODE_COMMENT:
            case GUMBO_NODE_TEMPLATE:
                return;
            case GUMBO_NODE_ELEMENT:
                break;
        }
        const GumboElement& e = node->v.element;
        if (isDropped(e.tag)) return;
        if (e.tag == GUMBO_TAG_TR && !hasCell(e)) return;  // a browser draws nothing for it
        const bool table = e.tag == GUMBO_TAG_TABLE;
        const bool flatTable = isTablePart(e.tag) && tables + (table ? 1 : 0) > kMaxTableDepth;
        if (flatTable || stack.size() >= kMaxDepth) {
            // The tag goes, its content stays; rows and cells stay apart as lines and words.
            if (flatTable && (e.tag == GUMBO_TAG_TABLE || e.tag == GUMBO_TAG_TR)) out += "<br>";
            if (flatTable && (e.tag == GUMBO_TAG_TD || e.tag == GUMBO_TAG_TH)) out += ' ';
            if (table) ++tables;
            stack.push_back({&e.children, 0, {}, table});
            return;
        }
        const auto name = tagName(e);
        writeStartTag(out, e, name);
        if (isVoid(e.tag)) return;
        if (table) ++tables;
        stack.push_back({&e.children, 0, "</" + name + ">", table});
    };
    visit(root);
    while (!stack.empty()) {
        Open& top = stack.back();
        if (top.next < top.kids->length) {
            visit(static_cast<const GumboNode*>(top.kids->data[top.next++]));
            continue;
        }
        out += top.close;
        if (top.table) --tables;
        stack.pop_back();
    }
}

}  // namespace

std::string wellFormedHtml(std::string_view html) {
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size());
    std::string out;
    out.reserve(html.size() + html.size() / 8 + 64);
    write(out, output->root);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return out;
}

}  // namespace corvana::gui
