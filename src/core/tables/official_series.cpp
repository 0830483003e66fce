// Readers of the official index publications (BCB SGS CSV/JSON, official-folder CSV, TJSP PDF
// words).
#include "core/tables/official_series.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>

#include "core/toolkit/dates.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::tables {

namespace {

std::string trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return std::string(s.substr(b, e - b));
}

std::string unquote(std::string_view s) {
    std::string t = trim(s);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
    return t;
}

std::string lower(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where the error is: "Linha 3 de dados.csv".
std::string where(int line, const std::string& fileName) {
    return "Linha " + std::to_string(line) + " de " + fileName;
}

enum class Format { BcbCsv, BcbJson, FolderCsv };

// A value with a decimal comma (thousands points allowed in groups of three) or, for JSON, a
// decimal point; returned in Brazilian form without thousands points.
bool readValue(const std::string& text, Format format, std::string& out) {
    static const std::regex comma(R"(^-?(\d+|\d{1,3}(\.\d{3})+)(,\d+)?$)");
    static const std::regex point(R"(^-?\d+(\.\d+)?$)");
    if (format == Format::BcbJson) {
        if (!std::regex_match(text, point)) return false;
        out = text;
        std::replace(out.begin(), out.end(), '.', ',');
        return true;
    }
    if (!std::regex_match(text, comma)) return false;
    out.clear();
    for (char c : text)
        if (c != '.') out += c;
    return true;
}

bool isDateText(std::string_view t) {
    return t.size() == 10 && t[2] == '/' && t[5] == '/' && allDigits(t.substr(0, 2)) &&
           allDigits(t.substr(3, 2)) && allDigits(t.substr(6));
}

struct RawRow {
    int line = 0;
    std::vector<std::string> fields;
};

// The objects of a BCB JSON export, each as its "data" and "valor" texts.
std::vector<RawRow> readJson(std::string_view text, const std::string& fileName) {
    std::vector<RawRow> rows;
    size_t i = 0;
    int line = 1;
    auto skip = [&] {
        while (i < text.size() &&
               (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) {
            if (text[i] == '\n') ++line;
            ++i;
        }
    };
    auto fail = [&](const std::string& what) -> ImportError {
        return ImportError(where(line, fileName) + ": " + what);
    };
    auto token = [&]() -> std::string {  // a string or a bare number/word
        skip();
        std::string t;
        if (i < text.size() && text[i] == '"') {
            ++i;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\\' || text[i] == '\n')
                    throw fail("texto JSON que não é de uma exportação do SGS");
                t += text[i++];
            }
            if (i >= text.size()) throw fail("o texto JSON termina no meio de um valor");
            ++i;
            return t;
        }
        while (i < text.size() &&
               std::string_view(",}] \t\r\n").find(text[i]) == std::string_view::npos)
            t += text[i++];
        if (t.empty()) throw fail("texto JSON que não é de uma exportação do SGS");
        return t;
    };
    auto expect = [&](char c) {
        skip();
        if (i >= text.size() || text[i] != c)
            throw fail(std::string("esperado '") + c + "' no texto JSON");
        ++i;
    };
    expect('[');
    skip();
    if (i < text.size() && text[i] == ']') return rows;
    for (;;) {
        skip();
        RawRow row;
        row.line = line;
        expect('{');
        std::string data, valor;
        bool hasData = false, hasValor = false, hasEnd = false;
        int fields = 0;
        for (;;) {
            const std::string key = token();
            expect(':');
            const std::string value = token();
            ++fields;
            if (key == "data") {
                data = value;
                hasData = true;
            } else if (key == "valor") {
                valor = value;
                hasValor = true;
            } else if (key == "datafim" && isDateText(value)) {
                hasEnd = true;  // the end of the period of a daily series; the start names it
            }
            skip();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            expect('}');
            break;
        }
        if (!hasData || !hasValor || fields != (hasEnd ? 3 : 2))
            throw ImportError(
                where(row.line, fileName) +
                ": esperados os campos \"data\" e \"valor\" de uma exportação do SGS");
        row.fields = {data, valor};
        rows.push_back(std::move(row));
        skip();
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        expect(']');
        break;
    }
    skip();
    if (i != text.size()) throw fail("texto depois do fim da lista JSON");
    return rows;
}

}  // namespace

std::string quoteText(std::string_view text) {
    std::string out;
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) {
            if (chars == 60) return "'" + out + "…'";
            ++chars;
        }
        out += text[i];
    }
    return "'" + out + "'";
}

int monthIndex(std::string_view key) {
    std::string_view m = key;
    if (key.size() == 10 && key[2] == '/' && key[5] == '/') m = key.substr(3);
    if (m.size() != 7 || m[2] != '/' || !allDigits(m.substr(0, 2)) || !allDigits(m.substr(3)))
        return -1;
    const int month = std::stoi(std::string(m.substr(0, 2)));
    const int year = std::stoi(std::string(m.substr(3)));
    if (month < 1 || month > 12) return -1;
    return year * 12 + month - 1;
}

std::string monthText(int index) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d/%04d", index % 12 + 1, index / 12);
    return buf;
}

Series readExport(std::string_view bytes, const ExportShape& shape, const std::string& fileName) {
    const std::string text = toolkit::decodeText(bytes);
    const auto lines = toolkit::splitLines(text);
    int first = -1;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!trim(lines[i]).empty()) {
            first = static_cast<int>(i);
            break;
        }
    if (first < 0) throw ImportError("O arquivo " + fileName + " está vazio.");

    Format format = Format::FolderCsv;
    bool withEnd = false;  // a BCB export of a daily series: "data";"datafim";"valor"
    std::vector<RawRow> rows;
    const std::string head = trim(lines[first]);
    if (!head.empty() && head[0] == '[') {
        format = Format::BcbJson;
        rows = readJson(text, fileName);
    } else {
        size_t start = static_cast<size_t>(first);
        if (lower(unquote(head.substr(0, head.find(';')))) == "data") {
            format = Format::BcbCsv;
            std::vector<std::string> cells;
            size_t p = 0;
            while (true) {
                const size_t q = head.find(';', p);
                cells.push_back(lower(unquote(head.substr(p, q == std::string::npos ? q : q - p))));
                if (q == std::string::npos) break;
                p = q + 1;
            }
            withEnd = cells == std::vector<std::string>{"data", "datafim", "valor"};
            if (!withEnd && cells != std::vector<std::string>{"data", "valor"})
                throw ImportError(where(first + 1, fileName) + ": o cabeçalho " + quoteText(head) +
                                  " não é \"data\";\"valor\" de uma exportação do SGS.");
            ++start;
        }
        for (size_t i = start; i < lines.size(); ++i) {
            if (trim(lines[i]).empty()) continue;
            RawRow row;
            row.line = static_cast<int>(i) + 1;
            size_t p = 0;
            const std::string& l = lines[i];
            while (true) {
                const size_t q = l.find(';', p);
                row.fields.push_back(unquote(l.substr(p, q == std::string::npos ? q : q - p)));
                if (q == std::string::npos) break;
                p = q + 1;
            }
            if (withEnd && row.fields.size() == 3) {
                if (!isDateText(row.fields[1]))
                    throw ImportError(where(row.line, fileName) + ": " + quoteText(row.fields[1]) +
                                      " não é uma data dd/mm/aaaa.");
                row.fields.erase(row.fields.begin() + 1);
            } else if (withEnd) {
                throw ImportError(where(row.line, fileName) +
                                  ": esperadas 3 colunas (data, datafim e valor), encontradas " +
                                  std::to_string(row.fields.size()) + ".");
            }
            rows.push_back(std::move(row));
        }
    }
    if (rows.empty()) throw ImportError("O arquivo " + fileName + " não tem nenhum valor.");

    Series out;
    long lastOrder = -1;
    for (const auto& row : rows) {
        const std::string at = where(row.line, fileName);
        if (row.fields.size() != 2)
            throw ImportError(at + ": esperadas 2 colunas (data e valor), encontradas " +
                              std::to_string(row.fields.size()) + ".");
        const std::string& key = row.fields[0];
        // The period: dd/mm/aaaa always accepted; mm/aaaa only in the official folder's CSV.
        int day = 0, month = 0, year = 0;
        const bool isDay = key.size() == 10 && key[2] == '/' && key[5] == '/' &&
                           allDigits(key.substr(0, 2)) && allDigits(key.substr(3, 2)) &&
                           allDigits(key.substr(6));
        const bool isMonth = key.size() == 7 && key[2] == '/' && allDigits(key.substr(0, 2)) &&
                             allDigits(key.substr(3));
        if (isDay) {
            day = std::stoi(key.substr(0, 2));
            month = std::stoi(key.substr(3, 2));
            year = std::stoi(key.substr(6));
        } else if (isMonth && format == Format::FolderCsv && shape.period == Period::Monthly) {
            day = 1;
            month = std::stoi(key.substr(0, 2));
            year = std::stoi(key.substr(3));
        }
        if (day == 0 || !toolkit::isValidDate(year, month, day) || year < 1900)
            throw ImportError(at + ": " + quoteText(key) +
                              (shape.period == Period::Daily || format != Format::FolderCsv
                                   ? " não é uma data dd/mm/aaaa."
                                   : " não é um mês mm/aaaa."));
        std::string value;
        if (!readValue(row.fields[1], format, value))
            throw ImportError(at + ": " + quoteText(row.fields[1]) + " não é um número válido.");
        SeriesPoint point;
        long order = 0;
        if (shape.period == Period::Monthly) {
            if (day != 1) {
                if (shape.firstDayOnly) continue;
                throw ImportError(at + ": a data " + quoteText(key) +
                                  " não é o primeiro dia do mês de uma série mensal.");
            }
            order = year * 12L + month - 1;
            point.key = monthText(static_cast<int>(order));
        } else {
            order = toolkit::Date{year, month, day}.serial();
            point.key = toolkit::DateToStr(toolkit::Date{year, month, day});
        }
        if (order <= lastOrder)
            throw ImportError(
                at + ": a data " + quoteText(key) +
                " não vem depois da linha anterior (datas fora de ordem ou repetidas).");
        lastOrder = order;
        point.value = value;
        out.push_back(std::move(point));
    }
    if (out.empty()) throw ImportError("O arquivo " + fileName + " não tem nenhum valor.");
    return out;
}

Series readTjspTable(const std::vector<TextBox>& words, const std::string& fileName) {
    static const char* const kMonths[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                          "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    static const std::regex valueRe(R"(^\d{1,3}(\.\d{3})*,\d+$|^\d+,\d+$)");
    static const std::regex dashRe(R"(^-{3,}$)");
    const std::string bad = "O arquivo " + fileName + " não é a Tabela Prática do TJSP";

    // Words grouped into lines: same page, centres at about the same height.
    std::vector<TextBox> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TextBox& a, const TextBox& b) {
        if (a.page != b.page) return a.page < b.page;
        return a.y + a.height / 2 < b.y + b.height / 2;
    });
    std::vector<std::vector<TextBox>> lines;
    double lineCentre = 0;
    for (const auto& w : sorted) {
        if (trim(w.text).empty()) continue;
        const double c = w.y + w.height / 2;
        const double tolerance = std::max(2.0, 0.4 * w.height);
        if (lines.empty() || lines.back().front().page != w.page ||
            std::fabs(c - lineCentre) > tolerance) {
            lines.emplace_back();
            lineCentre = c;
        }
        lines.back().push_back(w);
    }

    std::vector<std::pair<int, double>> years;  // the years of the current block, x centres
    std::map<int, std::string> cells;
    for (auto& line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const TextBox& a, const TextBox& b) { return a.x < b.x; });
        // Letter-spaced words (the years) come one character a box: join close single digits.
        std::vector<TextBox> joined;
        bool lastWasDigit = false;
        for (const auto& w : line) {
            const std::string t = trim(w.text);
            const bool digit = t.size() == 1 && allDigits(t);
            if (digit && lastWasDigit && !joined.empty() &&
                w.x - (joined.back().x + joined.back().width) < 0.5 * w.height) {
                joined.back().text += t;
                joined.back().width = w.x + w.width - joined.back().x;
            } else {
                joined.push_back(w);
                joined.back().text = t;
                lastWasDigit = digit;
            }
        }
        line = std::move(joined);
        const bool yearLine =
            line.size() >= 2 && std::all_of(line.begin(), line.end(), [](const TextBox& w) {
                const std::string t = trim(w.text);
                return t.size() == 4 && allDigits(t) && std::stoi(t) >= 1900 &&
                       std::stoi(t) <= 2100;
            });
        if (yearLine) {
            years.clear();
            for (const auto& w : line)
                years.emplace_back(std::stoi(trim(w.text)), w.x + w.width / 2);
            continue;
        }
        const std::string label = trim(line.front().text);
        const auto* found = std::find(std::begin(kMonths), std::end(kMonths), label);
        if (found == std::end(kMonths) || years.empty()) continue;
        const int month = static_cast<int>(found - std::begin(kMonths));
        std::vector<TextBox> values(line.begin() + 1, line.end());
        bool tableRow = true;
        for (const auto& w : values) {
            const std::string t = trim(w.text);
            if (!std::regex_match(t, valueRe) && !std::regex_match(t, dashRe)) tableRow = false;
        }
        if (!tableRow) continue;
        if (values.size() > years.size())
            throw ImportError(bad + ": a linha de " + label + " tem mais valores que anos.");
        for (size_t k = 0; k < values.size(); ++k) {
            size_t column = k;
            if (values.size() != years.size()) {
                const double c = values[k].x + values[k].width / 2;
                column = 0;
                for (size_t y = 1; y < years.size(); ++y)
                    if (std::fabs(years[y].second - c) < std::fabs(years[column].second - c))
                        column = y;
            }
            const std::string t = trim(values[k].text);
            if (std::regex_match(t, dashRe)) continue;
            const int index = years[column].first * 12 + month;
            std::string v;
            for (char ch : t)
                if (ch != '.') v += ch;
            if (!cells.emplace(index, v).second)
                throw ImportError(bad + ": o mês " + monthText(index) + " aparece duas vezes.");
        }
    }
    if (cells.size() < 2) throw ImportError(bad + " (nenhum fator encontrado).");
    Series out;
    int expected = cells.begin()->first;
    for (const auto& [index, value] : cells) {
        if (index != expected)
            throw ImportError(bad + ": falta o fator de " + monthText(expected) + ".");
        out.push_back({monthText(index), value});
        ++expected;
    }
    return out;
}

}  // namespace corvana::tables
