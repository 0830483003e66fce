// The FGTS tables and the FGTS index-revision tables, built from the stored official series.
#include "core/tables/bundled_tables.hpp"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace corvana::tables {

using toolkit::StringGrid;

namespace {

// Exact decimal arithmetic for the rates: `units` / 10^`places`. The rates of these tables are
// cut or rounded to a few decimals, so a binary fraction could land on the wrong side of a cut.
__extension__ typedef __int128 Wide;

struct Fixed {
    Wide units = 0;
    int places = 0;
};

Wide pow10(int n) {
    Wide p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// "-0,1234", "12,5", "7": a value as the stored series keeps it.
Fixed parse(const std::string& text, const char* serie, const std::string& key) {
    Fixed f;
    bool negative = false, comma = false, digits = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 0 && c == '-') {
            negative = true;
        } else if (c == ',' && !comma) {
            comma = true;
        } else if (c >= '0' && c <= '9' && f.places < 24) {
            f.units = f.units * 10 + (c - '0');
            if (comma) ++f.places;
            digits = true;
        } else {
            digits = false;
            break;
        }
    }
    if (!digits)
        throw ImportError("O valor " + quoteText(text) + " de " + key + " da série " + serie +
                          " não é um número.");
    if (negative) f.units = -f.units;
    return f;
}

Fixed mul(const Fixed& a, const Fixed& b) {
    return {a.units * b.units, a.places + b.places};
}
Fixed add(Fixed a, Fixed b) {
    if (a.places < b.places) std::swap(a, b);
    return {a.units + b.units * pow10(a.places - b.places), a.places};
}
Fixed fromInt(long v) {
    return {v, 0};
}

// Cut toward zero to `n` decimals.
Fixed cut(const Fixed& a, int n) {
    if (n >= a.places) return {a.units * pow10(n - a.places), n};
    return {a.units / pow10(a.places - n), n};
}
// Rounded to `n` decimals, halves to the even neighbour.
Fixed roundEven(const Fixed& a, int n) {
    if (n >= a.places) return cut(a, n);
    const Wide d = pow10(a.places - n);
    Wide q = a.units / d;
    const Wide r = a.units % d;
    const Wide twice = 2 * (r < 0 ? -r : r);
    const int sign = a.units < 0 ? -1 : 1;
    if (twice > d || (twice == d && q % 2 != 0)) q += sign;
    return {q, n};
}

// A value already at its decimals, written with the decimal comma.
std::string text(const Fixed& a) {
    const bool negative = a.units < 0;
    Wide u = negative ? -a.units : a.units;
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(u % 10)));
        u /= 10;
    } while (u > 0);
    if (static_cast<int>(digits.size()) <= a.places)
        digits.insert(0, static_cast<size_t>(a.places) + 1 - digits.size(), '0');
    std::string out = negative ? "-" : "";
    out += digits.substr(0, digits.size() - a.places);
    if (a.places > 0) out += "," + digits.substr(digits.size() - a.places);
    return out;
}
std::string rounded(const Fixed& a, int n) {
    return text(roundEven(a, n));
}

const Fixed kRate3{10024662698, 10};  // 3 % a year, capitalised monthly
const Fixed kRate6{1004867551, 9};    // 6 % a year, capitalised monthly

// A stored series by month index.
using MonthValues = std::map<int, std::string>;
MonthValues byMonth(const Series& series) {
    MonthValues out;
    for (const auto& p : series) out[monthIndex(p.key)] = p.value;
    return out;
}
const Series* find(const SeriesSet& s, const char* name) {
    auto it = s.find(name);
    return it == s.end() || it->second.empty() ? nullptr : &it->second;
}

void setRows(StringGrid& table, const std::vector<std::vector<std::string>>& rows) {
    table = StringGrid(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) table.setRow(static_cast<int>(r), rows[r]);
}

// ---- Index revision ----------------------------------------------------------------------

const char* const kRevisionHeader[] = {
    "Data do Crédito",     "Competência", "(a) Depósito", "(b) Saques",
    "(c) Saldo base TR",   "(d) Juros",   "(e) TR",       "(f) Saldo corrigido TR",
    "(g) Saldo base {ix}", "(h) Juros",   "(i) {ix}",     "(j) Saldo corrigido {ix}",
    "(l) Diferença (j-f)"};
const char* const kRevisionRate = "0,2466";  // 3 % a year as a monthly rate, four decimals

// The source's digits with zeros added up to `decimals` places, never rounded.
std::string pad(const std::string& value, int decimals, const char* serie, int month) {
    const auto comma = value.find(',');
    const std::string whole = comma == std::string::npos ? value : value.substr(0, comma);
    std::string frac = comma == std::string::npos ? "" : value.substr(comma + 1);
    if (static_cast<int>(frac.size()) > decimals)
        throw ImportError("O valor " + quoteText(value) + " de " + monthText(month) + " da série " +
                          serie + " tem mais casas decimais que as " + std::to_string(decimals) +
                          " da tabela de revisão.");
    frac.append(static_cast<size_t>(decimals) - frac.size(), '0');
    return whole + "," + frac;
}

std::string ddmm(int day, int month) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/", day);
    return buf + monthText(month);
}

// The revision grid (`inputs` false) or its input grid (`inputs` true) from the credit of
// `firstCredit` on, as long as the TR and the index of the month before the credit exist.
bool buildRevision(const SeriesSet& s, StringGrid& table, const char* indexSerie,
                   const char* indexName, int firstCredit, bool inputs) {
    const Series* trSeries = find(s, "tr");
    const Series* indexSeries = find(s, indexSerie);
    if (!trSeries || !indexSeries) return false;
    const MonthValues tr = byMonth(*trSeries), index = byMonth(*indexSeries);
    std::vector<std::vector<std::string>> rows;
    if (inputs) {
        rows.push_back({"Data do Crédito", "Data do Depósito", "Depósito", "Saques"});
    } else {
        std::vector<std::string> header;
        for (const char* h : kRevisionHeader) {
            std::string t = h;
            if (auto at = t.find("{ix}"); at != std::string::npos) t.replace(at, 4, indexName);
            header.push_back(t);
        }
        rows.push_back(header);
    }
    for (int m = firstCredit; tr.count(m - 1) && index.count(m - 1); ++m) {
        const std::string credit = ddmm(10, m);
        if (inputs) {
            rows.push_back({credit, ddmm(7, m - 1), "", ""});
        } else {
            rows.push_back({credit, monthText(m - 2), "", "", "", kRevisionRate,
                            pad(tr.at(m - 1), 4, "tr", m - 1), "", "", kRevisionRate,
                            pad(index.at(m - 1), 2, indexSerie, m - 1), "", ""});
        }
    }
    setRows(table, rows);
    return true;
}

constexpr int idx(int month, int year) {
    return year * 12 + month - 1;
}

// ---- FGTS months and credits -----------------------------------------------------------

constexpr int kFgtsFirst = idx(1, 1989);

struct FgtsMonth {
    Fixed jam3, jam6;
    std::string origin3, origin6;
};

const char* fgtsCurrency(int m) {
    if (m < idx(3, 1990)) return "NCz$";
    if (m < idx(8, 1993)) return "Cr$";
    if (m < idx(7, 1994)) return "CR$";
    return "R$";
}

// The JAM 3 % and 6 % (fractions) of every month of the FGTS tables; false when a series or a
// sample month is missing.
bool fgtsMonths(const SeriesSet& s, std::map<int, FgtsMonth>& out) {
    const Series* trSeries = find(s, "tr");
    const Series* jamSeries = find(s, "jam");
    const Series* sampleSeries = find(s, "exemplo-jam");
    if (!trSeries || !jamSeries || !sampleSeries) return false;
    const MonthValues tr = byMonth(*trSeries), jam = byMonth(*jamSeries),
                      sample = byMonth(*sampleSeries);
    // Up to the last published JAM, as long as the TR of the month before it is there too.
    const int last = std::min(jam.rbegin()->first, tr.rbegin()->first + 1);
    if (last < kFgtsFirst) return false;
    for (int m = kFgtsFirst; m <= last; ++m) {
        FgtsMonth f;
        if (auto t = tr.find(m - 1); t != tr.end()) {
            const Fixed factor =
                add(fromInt(1), mul(parse(t->second, "tr", monthText(m - 1)), Fixed{1, 2}));
            if (auto j = jam.find(m); j != jam.end()) {
                f.jam3 = parse(j->second, "jam", monthText(m));
                f.origin3 = "oficial";
            } else {
                f.jam3 = cut(add(mul(factor, kRate3), fromInt(-1)), 6);
                f.origin3 = "calculado da TR oficial";
            }
            f.jam6 = cut(add(mul(factor, kRate6), fromInt(-1)), 6);
            f.origin6 = "calculado da TR oficial";
        } else {
            auto e = sample.find(m);
            if (e == sample.end()) return false;
            f.jam3 = mul(parse(e->second, "exemplo-jam", monthText(m)), Fixed{1, 2});
            // The 6 % sample month keeps the 3 % one's correction: (1 + jam3) · r6 / r3 − 1.
            const Fixed up = mul(add(fromInt(1), f.jam3), kRate6);
            const Wide q = up.units * pow10(6 + kRate3.places) / (pow10(up.places) * kRate3.units);
            f.jam6 = add(Fixed{q, 6}, fromInt(-1));
            f.origin3 = f.origin6 = "exemplo";
        }
        out[m] = f;
    }
    return true;
}

long double toReal(const Fixed& f) {
    return static_cast<long double>(f.units) / static_cast<long double>(pow10(f.places));
}

std::string realText(long double v, int places) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lf", places, v);
    std::string t = buf;
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

// The FGTS credit dates: the quarterly credits of 1989, the monthly ones of 1990 up to May, then
// day 10 of every month.
std::vector<std::pair<std::string, std::vector<int>>> creditDates(int last) {
    std::vector<std::pair<std::string, std::vector<int>>> out{
        {"01/03/1989", {idx(3, 1989)}},
        {"01/06/1989", {idx(4, 1989), idx(5, 1989), idx(6, 1989)}},
        {"01/09/1989", {idx(7, 1989), idx(8, 1989), idx(9, 1989)}},
        {"01/12/1989", {idx(10, 1989), idx(11, 1989), idx(12, 1989)}},
        {"01/01/1990", {idx(1, 1990)}},
        {"01/02/1990", {idx(2, 1990)}},
        {"01/03/1990", {idx(3, 1990)}},
        {"01/04/1990", {idx(4, 1990)}},
        {"02/05/1990", {idx(5, 1990)}},
    };
    for (int m = idx(6, 1990); m <= last; ++m) out.push_back({ddmm(10, m), {m}});
    return out;
}

bool buildFgtsCredits(const SeriesSet& s, StringGrid& table, bool six) {
    std::map<int, FgtsMonth> months;
    if (!fgtsMonths(s, months)) return false;
    std::vector<std::vector<std::string>> rows{{"Data", "Referência", "Origem", "Taxa", "Taxa (%)",
                                                "Moeda", "Diferença Plano Verão",
                                                "Diferença Plano Collor"}};
    int n = 0;
    for (const auto& [date, list] : creditDates(months.rbegin()->first)) {
        ++n;
        Fixed f = fromInt(1);
        bool sample = false;
        for (const int m : list) {
            const FgtsMonth& fm = months.at(m);
            f = mul(f, add(fromInt(1), six ? fm.jam6 : fm.jam3));
            sample = sample || (six ? fm.origin6 : fm.origin3) == "exemplo";
        }
        Fixed rate = cut(add(f, fromInt(-1)), 6);
        std::string origin =
            sample ? "exemplo"
                   : (six ? months.at(list.back()).origin6 : months.at(list.back()).origin3);
        std::string reference;
        // The plan months' differences the courts fixed: row 1 the Verão month, row 10 Collor.
        if (n == 1) {
            rate = six ? Fixed{893071, 6} : Fixed{879083, 6};
            origin = "fixo";
            reference = "IPC 01/1989 42,72% (Súmula 252 do STJ)";
        } else if (n == 10) {
            rate = six ? Fixed{4867, 6} : Fixed{2466, 6};
            origin = "fixo";
            reference = "IPC 04/1990 44,80% (Súmula 252 do STJ)";
        }
        rows.push_back({date, reference, origin, rounded(rate, 6),
                        rounded(mul(rate, fromInt(100)), 4), fgtsCurrency(monthIndex(date)), "",
                        ""});
    }
    setRows(table, rows);
    return true;
}

// ---- Configured-savings month tables -------------------------------------------------------

const char* const kMonthNames[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                   "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};

std::string monthLabel(int m) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s/%02d", kMonthNames[m % 12], (m / 12) % 100);
    return buf;
}

const char* savingsCurrency(int m) {
    if (m < idx(1, 1989)) return "Cz$";
    if (m < idx(3, 1990)) return "NCz$";
    if (m < idx(7, 1993)) return "Cr$";
    if (m < idx(6, 1994)) return "CR$";
    return "R$";
}

// A statement row: the plan month's IPC (%) plus 0,5 %, and the rate (%) the bank credited.
struct Statement {
    const char* name;
    Fixed ipc, credited;
    const char* currency;
};
const Statement kStatements[] = {
    {"Jul/87", {2606, 2}, {186106, 4}, "Cz$"},  {"Fev/89", {4272, 2}, {229708, 4}, "NCz$"},
    {"Abr/90", {8432, 2}, {419865, 4}, "Cr$"},  {"Mai/90", {4480, 2}, {5, 1}, "Cr$"},
    {"Jun/90", {787, 2}, {59069, 4}, "Cr$"},    {"Mar/91", {2187, 2}, {7535, 3}, "Cr$"},
    {"Fev/91", {2187, 2}, {2081105, 5}, "Cr$"},
};

const Fixed kHalfPercent{5, 3};
const Fixed kHundredth{1, 2};

std::vector<std::string> statementRow(const char* name) {
    for (const auto& st : kStatements)
        if (std::string(name) == st.name) {
            const Fixed f = cut(
                add(mul(add(fromInt(1), mul(st.ipc, kHundredth)), add(fromInt(1), kHalfPercent)),
                    fromInt(-1)),
                6);
            return {std::string("Extrato ") + name,
                    text(f),
                    "",
                    text(cut(mul(st.credited, kHundredth), 6)),
                    "",
                    "",
                    "",
                    st.currency};
        }
    return {};
}

// One piece of a month table's layout: a statement row, or the months from `first` to `last`
// (-1: up to the last month the series give).
struct LayoutItem {
    const char* statement;
    int first, last;
};

bool buildSavingsLayout(const SeriesSet& s, StringGrid& table,
                        const std::vector<LayoutItem>& layout) {
    const Series* trSeries = find(s, "tr");
    const Series* jurosSeries = find(s, "poupjuros");
    const Series* sampleSeries = find(s, "exemplo-poupanca");
    if (!trSeries || !jurosSeries || !sampleSeries) return false;
    const MonthValues tr = byMonth(*trSeries), juros = byMonth(*jurosSeries),
                      sample = byMonth(*sampleSeries);
    // The last month with a TR and, from 05/2012 on, with the interest part of its yield.
    int last = -1;
    for (const auto& [m, v] : tr)
        if (m < idx(5, 2012) || juros.count(m)) last = std::max(last, m);
    auto index = [&](int m) -> std::string {
        if (m >= idx(2, 1991)) {
            auto t = tr.find(m);
            if (t == tr.end()) return {};
            Fixed rate = kHalfPercent;
            if (m >= idx(5, 2012)) {
                auto j = juros.find(m);
                if (j == juros.end()) return {};
                rate = parse(j->second, "poupjuros", monthText(m));
            }
            const Fixed trFactor =
                add(fromInt(1), mul(parse(t->second, "tr", monthText(m)), kHundredth));
            return text(cut(add(mul(trFactor, add(fromInt(1), rate)), fromInt(-1)), 6));
        }
        auto e = sample.find(m);
        return e == sample.end() ? std::string() : e->second;
    };
    std::vector<std::vector<std::string>> rows{{"Mês", "Índice", "Valor", "Índice creditado",
                                                "Valor creditado", "Diferença",
                                                "Saldo da diferença", "Moeda"}};
    for (const auto& item : layout) {
        if (item.statement) {
            rows.push_back(statementRow(item.statement));
            continue;
        }
        for (int m = item.first; m <= (item.last < 0 ? last : item.last); ++m) {
            const std::string value = index(m);
            if (value.empty()) return false;  // a month no series gives
            rows.push_back({monthLabel(m), value, "", "", "", "", "", savingsCurrency(m)});
        }
    }
    setRows(table, rows);
    return true;
}

// ---- URV days ------------------------------------------------------------------------------

// The URV of 01/06/1994 to 30/06/1994, as the URV calculator lists them.
const char* const kJuneUrv[] = {
    "1.908,68", "1.942,11", "1.942,11", "1.976,13", "1.976,13", "1.976,13", "2.010,74", "2.046,38",
    "2.082,65", "2.119,80", "2.157,78", "2.157,78", "2.157,78", "2.196,55", "2.236,02", "2.276,91",
    "2.318,55", "2.361,49", "2.361,49", "2.361,49", "2.406,05", "2.452,17", "2.499,18", "2.547,09",
    "2.596,58", "2.596,58", "2.596,58", "2.647,03", "2.698,46", "2.750,00"};

// A day's sort key (year, month, day).
long dayOrder(const std::string& key) {
    return monthIndex(key) * 32L + std::stoi(key.substr(0, 2));
}

// An amount with thousands points and two decimals, rounded half up: "1.908,68".
std::string money(const Fixed& value, const std::string& key) {
    if (value.units < 0) throw ImportError("A URV de " + key + " da série urv é negativa.");
    Fixed v = value;
    if (v.places > 2) {
        const Wide d = pow10(v.places - 2);
        v = {(v.units + d / 2) / d, 2};
    } else {
        v = cut(v, 2);
    }
    std::string plain = text(v);  // "1908,68"
    std::string whole = plain.substr(0, plain.size() - 3);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<size_t>(at), ".");
    return whole + plain.substr(plain.size() - 3);
}

bool originSays(const StringGrid& table, int column) {
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.cell(column, r) == "exemplo") return true;
    return false;
}

}  // namespace

bool buildRevisionInpc(const SeriesSet& s, StringGrid& table) {
    return buildRevision(s, table, "inpc", "INPC", idx(1, 1999), false);
}
bool buildRevisionInpcInputs(const SeriesSet& s, StringGrid& table) {
    return buildRevision(s, table, "inpc", "INPC", idx(1, 1999), true);
}
bool buildRevisionInpc1991(const SeriesSet& s, StringGrid& table) {
    return buildRevision(s, table, "inpc", "INPC", idx(3, 1991), false);
}
bool buildRevisionInpc1991Inputs(const SeriesSet& s, StringGrid& table) {
    return buildRevision(s, table, "inpc", "INPC", idx(3, 1991), true);
}
bool buildRevisionIpcae(const SeriesSet& s, StringGrid& table) {
    return buildRevision(s, table, "ipca15", "IPCA-E", idx(1, 1999), false);
}
bool buildRevisionStarts(const SeriesSet& s, StringGrid& table) {
    if (!find(s, "tr")) return false;
    setRows(table, {{"Cálculo desde"}, {"Janeiro de 1999"}, {"Fevereiro de 1991"}});
    return true;
}

bool buildFgtsMonths(const SeriesSet& s, StringGrid& table) {
    std::map<int, FgtsMonth> months;
    if (!fgtsMonths(s, months)) return false;
    const MonthValues tr = byMonth(s.at("tr"));
    std::vector<std::vector<std::string>> rows{{"Mês", "TR mês anterior (%)", "JAM 3% (%)",
                                                "JAM 6% (%)", "Origem JAM 3%", "Origem JAM 6%",
                                                "Índice JAM 3%", "Índice JAM 6%", "Moeda"}};
    long double index3 = 1, index6 = 1;
    for (const auto& [m, f] : months) {
        // The cuts of 08/1993 (÷ 1000) and 07/1994 (÷ 2750) are built into the indices.
        const long double conversion = m == idx(8, 1993) ? 1000 : m == idx(7, 1994) ? 2750 : 1;
        index3 = index3 * (1 + toReal(f.jam3)) / conversion;
        index6 = index6 * (1 + toReal(f.jam6)) / conversion;
        auto t = tr.find(m - 1);
        rows.push_back({monthText(m),
                        t == tr.end() ? "" : rounded(parse(t->second, "tr", monthText(m - 1)), 4),
                        rounded(mul(f.jam3, fromInt(100)), 4),
                        rounded(mul(f.jam6, fromInt(100)), 4), f.origin3, f.origin6,
                        realText(index3, 9), realText(index6, 9), fgtsCurrency(m)});
    }
    setRows(table, rows);
    return true;
}

bool buildFgtsCredits3(const SeriesSet& s, StringGrid& table) {
    return buildFgtsCredits(s, table, false);
}
bool buildFgtsCredits6(const SeriesSet& s, StringGrid& table) {
    return buildFgtsCredits(s, table, true);
}

// The statement rows sit where the windows look for them: mes.tab rows 1, 21, 37, 39; mes2.tab
// and mes3.tab rows 1, 21, 36, 38, 40 and 50 / 49.
bool buildSavingsMonths(const SeriesSet& s, StringGrid& table) {
    return buildSavingsLayout(s, table,
                              {{"Jul/87", 0, 0},
                               {nullptr, idx(7, 1987), idx(1, 1989)},
                               {"Fev/89", 0, 0},
                               {nullptr, idx(2, 1989), idx(4, 1990)},
                               {"Mai/90", 0, 0},
                               {nullptr, idx(5, 1990), idx(5, 1990)},
                               {"Jun/90", 0, 0},
                               {nullptr, idx(6, 1990), -1}});
}
bool buildSavingsMonths2(const SeriesSet& s, StringGrid& table) {
    return buildSavingsLayout(s, table,
                              {{"Jul/87", 0, 0},
                               {nullptr, idx(7, 1987), idx(1, 1989)},
                               {"Fev/89", 0, 0},
                               {nullptr, idx(2, 1989), idx(3, 1990)},
                               {"Abr/90", 0, 0},
                               {nullptr, idx(4, 1990), idx(4, 1990)},
                               {"Mai/90", 0, 0},
                               {nullptr, idx(5, 1990), idx(5, 1990)},
                               {"Jun/90", 0, 0},
                               {nullptr, idx(6, 1990), idx(2, 1991)},
                               {"Mar/91", 0, 0},
                               {nullptr, idx(3, 1991), -1}});
}
bool buildSavingsMonths3(const SeriesSet& s, StringGrid& table) {
    return buildSavingsLayout(s, table,
                              {{"Jul/87", 0, 0},
                               {nullptr, idx(7, 1987), idx(1, 1989)},
                               {"Fev/89", 0, 0},
                               {nullptr, idx(2, 1989), idx(3, 1990)},
                               {"Abr/90", 0, 0},
                               {nullptr, idx(4, 1990), idx(4, 1990)},
                               {"Mai/90", 0, 0},
                               {nullptr, idx(5, 1990), idx(5, 1990)},
                               {"Jun/90", 0, 0},
                               {nullptr, idx(6, 1990), idx(1, 1991)},
                               {"Fev/91", 0, 0},
                               {nullptr, idx(2, 1991), -1}});
}

bool savingsMonthsHaveSample(const StringGrid& table) {
    for (int r = 1; r < table.rowCount(); ++r) {
        const std::string& label = table.cell(0, r);
        if (label.size() == 6 && label[3] == '/' && label.substr(4) != "91" &&
            label.substr(4) >= "87")
            return true;
        if (label == "JAN/91") return true;
    }
    return false;
}

bool buildUrvDays(const SeriesSet& s, StringGrid& table) {
    const Series* urvSeries = find(s, "urv");
    const Series* sampleSeries = find(s, "exemplo-urv");
    if (!urvSeries || !sampleSeries) return false;
    std::map<long, std::pair<std::string, std::string>> days;
    const long firstOfficial = dayOrder(urvSeries->front().key);
    for (const auto& p : *sampleSeries)
        if (p.key.size() == 10 && dayOrder(p.key) < firstOfficial)
            days[dayOrder(p.key)] = {p.key, p.value};
    for (const auto& p : *urvSeries)
        days[dayOrder(p.key)] = {p.key, money(parse(p.value, "urv", p.key), p.key)};
    for (int d = 1; d <= 30; ++d) {
        const std::string key = ddmm(d, idx(6, 1994));
        days.emplace(dayOrder(key), std::pair{key, std::string(kJuneUrv[d - 1])});
    }
    const bool sample = !days.empty() && days.begin()->first < firstOfficial;
    std::vector<std::vector<std::string>> rows{
        {"Data", sample ? "URV (11/1993 a 02/1994: EXEMPLO)" : "URV"}};
    for (const auto& [order, day] : days) rows.push_back({day.first, day.second});
    setRows(table, rows);
    return true;
}

bool urvDaysHaveSample(const StringGrid& table) {
    for (int r = 1; r < table.rowCount(); ++r) {
        const int m = monthIndex(table.cell(0, r));
        if (m >= 0 && m < idx(3, 1994)) return true;
    }
    return false;
}

bool fgtsMonthsHaveSample(const StringGrid& table) {
    return originSays(table, 4) || originSays(table, 5);
}
bool fgtsCreditsHaveSample(const StringGrid& table) {
    return originSays(table, 2);
}

}  // namespace corvana::tables
