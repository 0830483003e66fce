// The table converter: official series into the data folder, derived tables and fontes.tab.
#include "core/tables/converter.hpp"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "core/tables/bundled_tables.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::tables {

namespace fs = std::filesystem;
using toolkit::Real;
using toolkit::StringGrid;

namespace {

const char* const kSourcesFile = "fontes.tab";
const char* const kTjspSource = "Tabela Prática do Tribunal de Justiça de São Paulo";
const char* const kFederalSource =
    "Justiça Federal, ações condenatórias em geral (IPCA-E): variações mensais da cópia de "
    "terceiros do sistema PNRJ";

constexpr int idx(int month, int year) {
    return year * 12 + month - 1;
}

// A currency in force from month `first` on; `divisor` converts the month before it into it.
struct CurrencyEra {
    int first;
    const char* symbol;
    int divisor;
};

// The TJSP table's currencies, as its PDF lists them (the factor of a month is in that month's).
const CurrencyEra kTjspCurrencies[] = {
    {0, "Cr$", 0},
    {idx(2, 1967), "NCr$", 1000},
    {idx(6, 1970), "Cr$", 0},
    {idx(3, 1986), "Cz$", 1000},
    {idx(1, 1989), "NCz$", 1000},
    {idx(3, 1990), "Cr$", 0},
    {idx(8, 1993), "CR$", 1000},
    {idx(7, 1994), "R$", 2750},
};
// The federal table converts the 1986 cruzado between 01/1986 and 02/1986 (its factors say so).
const CurrencyEra kFederalCurrencies[] = {
    {0, "Cr$", 0},
    {idx(2, 1967), "NCr$", 1000},
    {idx(6, 1970), "Cr$", 0},
    {idx(2, 1986), "Cz$", 1000},
    {idx(1, 1989), "NCz$", 1000},
    {idx(3, 1990), "Cr$", 0},
    {idx(8, 1993), "CR$", 1000},
    {idx(7, 1994), "R$", 2750},
};
// Savings months are named by the currency of their first day; the divisor sits in the month in
// which the currency changed (13/02/1967, 28/02/1986, 16/01/1989, 01/08/1993, 01/07/1994).
const CurrencyEra kSavingsCurrencies[] = {
    {0, "Cr$", 0},
    {idx(3, 1967), "NCr$", 1000},
    {idx(6, 1970), "Cr$", 0},
    {idx(3, 1986), "Cz$", 1000},
    {idx(2, 1989), "NCz$", 1000},
    {idx(4, 1990), "Cr$", 0},
    {idx(8, 1993), "CR$", 1000},
    {idx(7, 1994), "R$", 2750},
};

template <size_t N>
const char* currencyOf(const CurrencyEra (&eras)[N], int month) {
    const char* symbol = eras[0].symbol;
    for (const auto& e : eras)
        if (month >= e.first) symbol = e.symbol;
    return symbol;
}
// The divisor of the change into the month after `month`, 0 when there is none.
template <size_t N>
int divisorAfter(const CurrencyEra (&eras)[N], int month) {
    for (const auto& e : eras)
        if (e.first == month + 1) return e.divisor;
    return 0;
}

Real number(const std::string& text) {
    return toolkit::StrToFloat(text);
}

std::vector<std::string> monthlyHeader(const char* first) {
    std::vector<std::string> h{first};
    for (int d = 1; d <= 31; ++d) h.push_back(std::to_string(d));
    h.push_back("Moeda");
    h.push_back("Divisor");
    return h;
}

// A month-by-month row of the savings layout: the same percentage for every day.
std::vector<std::string> monthlyRow(const std::string& month, const std::string& percent,
                                    const char* currency, int divisor) {
    std::vector<std::string> r{month};
    for (int d = 1; d <= 31; ++d) r.push_back(percent);
    r.push_back(currency);
    r.push_back(divisor > 0 ? std::to_string(divisor) : "");
    return r;
}

void setRows(StringGrid& table, const std::vector<std::vector<std::string>>& rows) {
    table = StringGrid(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) table.setRow(static_cast<int>(r), rows[r]);
}

bool storeSeries(const Series& series, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{{"Período", "Valor"}};
    for (const auto& p : series) rows.push_back({p.key, p.value});
    setRows(table, rows);
    return true;
}

// Whether every day of every month of the savings table comes from the series.
bool savingsAllOfficial(const Series& series, const StringGrid& table) {
    std::set<std::string> days;
    for (const auto& p : series) days.insert(p.key);
    for (int r = 1; r < table.rowCount(); ++r) {
        const int m = monthIndex(table.cell(0, r));
        if (m < 0) continue;
        const int year = m / 12, month = m % 12 + 1;
        for (int d = 1; d <= toolkit::daysInMonth(year, month); ++d) {
            char key[40];
            std::snprintf(key, sizeof key, "%02d/%02d/%04d", d, month, year);
            if (!days.count(key)) return false;
        }
    }
    return true;
}

const std::vector<SeriesInfo> kSeries = {
    {"inpc",
     "serie-inpc.tab",
     "INPC (% ao mês)",
     "IBGE, INPC (SIDRA tabela 1736; BCB SGS 188)",
     {}},
    {"ipca",
     "serie-ipca.tab",
     "IPCA (% ao mês)",
     "IBGE, IPCA (SIDRA tabela 1737; BCB SGS 433)",
     {}},
    {"ipca15",
     "serie-ipca15.tab",
     "IPCA-15 = IPCA-E mensal (% ao mês)",
     "IBGE, IPCA-15 (SIDRA tabela 3065; BCB SGS 7478)",
     {}},
    {"igpm", "serie-igpm.tab", "IGP-M (% ao mês)", "FGV, IGP-M (BCB SGS 189)", {}},
    {"tr",
     "serie-tr.tab",
     "TR do período que começa no dia 1 (%)",
     "BCB, TR (SGS 226)",
     {Period::Monthly, true}},
    {"selic", "serie-selic.tab", "Selic acumulada no mês (% ao mês)", "BCB, Selic (SGS 4390)", {}},
    {"jam",
     "serie-jam.tab",
     "FGTS: coeficiente JAM creditado no mês (fração)",
     "Caixa, JAM do FGTS (cópias de terceiros conferidas com a TR)",
     {}},
    {"jf",
     "serie-jf.tab",
     "Justiça Federal: variação mensal (fração) aplicada do mês ao seguinte",
     kFederalSource,
     {}},
    {"tjsp",
     "t0001.tab",
     "Débitos Judiciais São Paulo (fatores): mês, fator acumulado, moeda",
     kTjspSource,
     {}},
    {"poupanca",
     "serie-poupanca.tab",
     "Poupança: rendimento (%) do mês que começa em cada dia",
     "BCB, rentabilidade da poupança por data de início (SGS 25 até 03/05/2012, 195 desde "
     "04/05/2012)",
     {Period::Daily, false}},
    {"urv",
     "serie-urv.tab",
     "URV diária (CR$) dos dias úteis",
     "URV diária publicada pelo BCB (cópia secundária da tabela da Wikipédia em português)",
     {Period::Daily, false}},
    {"poupjuros",
     "serie-poupjuros.tab",
     "Poupança: juros (fração ao mês) da remuneração, de 05/2012 em diante",
     "Juros da poupança pela Lei 12.703/2012 (0,5% ou 70% da meta Selic mensalizada): cópia de "
     "terceiros do sistema PNRJ",
     {}},
};

// A table built from one series (`build`) or from several (`buildFrom`, `series` naming them
// separated by spaces; "exemplo-…" names a sample table, see sampleInputFile). A table that may
// also hold periods no official series covers is official only when `allOfficial` (one series) or
// `hasSample` (several) says so.
struct DerivedTable {
    const char* file;
    const char* description;
    const char* series;
    bool (*build)(const Series&, StringGrid&);
    bool (*allOfficial)(const Series&, const StringGrid&) = nullptr;
    bool plainRows = false;  // rows end at their last cell, with no separator after it
    bool (*buildFrom)(const SeriesSet&, StringGrid&) = nullptr;
    bool (*hasSample)(const StringGrid&) = nullptr;
};

// The sample table that a derived table reads as the input "exemplo-…".
const char* sampleInputFile(const std::string& input) {
    if (input == "exemplo-poupanca") return kSampleSavingsMonthsFile;
    if (input == "exemplo-urv") return kSampleUrvFile;
    return kSampleJamFile;
}

std::vector<std::string> inputsOf(const DerivedTable& d) {
    std::vector<std::string> out;
    std::string word;
    for (const char* p = d.series;; ++p) {
        if (*p == ' ' || *p == '\0') {
            if (!word.empty()) out.push_back(word);
            word.clear();
            if (*p == '\0') break;
        } else {
            word += *p;
        }
    }
    return out;
}
bool usesSeries(const DerivedTable& d, const std::string& name) {
    const auto in = inputsOf(d);
    return std::find(in.begin(), in.end(), name) != in.end();
}

// A month's value as the series gives it, under "Mês" / "Índice (%)".
bool buildMonthPercent(const Series& series, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{{"Mês", "Índice (%)"}};
    for (const auto& p : series) rows.push_back({p.key, p.value});
    setRows(table, rows);
    return true;
}

const DerivedTable kDerived[] = {
    {"t0001.tab", "Débitos Judiciais São Paulo (fatores): mês, fator acumulado, moeda", "tjsp",
     buildFactorTable},
    {"tjsp.tab",
     "Débitos Judiciais São Paulo (mês a mês): razão de fatores consecutivos da Tabela Prática",
     "tjsp", buildSaoPauloMonthly},
    {"Tribunal de Justiça São Paulo (mensal).tab",
     "Tribunal de Justiça São Paulo (mensal): índice (%) de cada mês, razão de fatores "
     "consecutivos da Tabela Prática",
     "tjsp", buildSaoPauloPercentages, nullptr, true},
    {"jf.tab", "Justiça Federal (mês a mês): variação mensal de cada mês", "jf",
     buildFederalMonthly},
    {"Justiça Federal - Ações Condenatórias em Geral.tab",
     "Justiça Federal - Ações Condenatórias em Geral: índice (%) de cada mês", "jf",
     buildFederalPercentages},
    {"poupanca13.tab", "Poupança Diária: rendimento (%) por dia de aniversário", "poupanca",
     buildSavingsYields, savingsAllOfficial},
    {"INPC IBGE.tab", "INPC IBGE: índice (%) de cada mês", "inpc", buildMonthPercent, nullptr,
     true},
    {"IPCA-E.tab", "IPCA-E: IPCA-15 (%) de cada mês", "ipca15", buildMonthPercent, nullptr, true},
    {"IGP-M FGV.tab", "IGP-M FGV: índice (%) de cada mês", "igpm", buildMonthPercent, nullptr,
     true},
    {"jfcg.tab", "Justiça Federal - Ações Condenatórias em Geral: índice (%) de cada mês", "jf",
     buildFederalPercentages},
    {"fgtsdifz.tab", "Revisão do FGTS (TR × INPC) desde 01/1999", "tr inpc", nullptr, nullptr, true,
     buildRevisionInpc},
    {"fgtsdif.tab", "Revisão do FGTS (TR × INPC) desde 01/1999, para cálculos antigos", "tr inpc",
     nullptr, nullptr, true, buildRevisionInpc},
    {"fgtsdifx.tab", "Revisão do FGTS desde 01/1999: datas de crédito e de depósito", "tr inpc",
     nullptr, nullptr, true, buildRevisionInpcInputs},
    {"fgtsdifj.tab", "Revisão do FGTS (TR × INPC) desde 03/1991", "tr inpc", nullptr, nullptr, true,
     buildRevisionInpc1991},
    {"fgtsdifxj.tab", "Revisão do FGTS desde 03/1991: datas de crédito e de depósito", "tr inpc",
     nullptr, nullptr, true, buildRevisionInpc1991Inputs},
    {"ipcaez.tab", "Revisão do FGTS (TR × IPCA-E) desde 01/1999", "tr ipca15", nullptr, nullptr,
     true, buildRevisionIpcae},
    {"abre.tab", "Revisão do FGTS: inícios de cálculo oferecidos (sem valores)", "tr", nullptr,
     nullptr, true, buildRevisionStarts},
    {"fgts.tab", "FGTS: TR, JAM 3% e 6% e seus índices, mês a mês", "tr jam exemplo-jam", nullptr,
     nullptr, true, buildFgtsMonths, fgtsMonthsHaveSample},
    {"fgtsmes3.tab", "FGTS: taxa de cada crédito, contas de 3%", "tr jam exemplo-jam", nullptr,
     nullptr, true, buildFgtsCredits3, fgtsCreditsHaveSample},
    {"fgtsmes6.tab", "FGTS: taxa de cada crédito, contas de 6%", "tr jam exemplo-jam", nullptr,
     nullptr, true, buildFgtsCredits6, fgtsCreditsHaveSample},
    {"urvtab.tab", "URV: valor diário (CR$)", "urv exemplo-urv", nullptr, nullptr, true,
     buildUrvDays, urvDaysHaveSample},
    {"mes.tab", "Poupança configurada: índice de cada mês e dos extratos",
     "tr poupjuros exemplo-poupanca", nullptr, nullptr, true, buildSavingsMonths,
     savingsMonthsHaveSample},
    {"mes2.tab", "Poupança configurada com Collor I e II: índice de cada mês e dos extratos",
     "tr poupjuros exemplo-poupanca", nullptr, nullptr, true, buildSavingsMonths2,
     savingsMonthsHaveSample},
    {"mes3.tab", "Poupança configurada (01/1991): índice de cada mês e dos extratos",
     "tr poupjuros exemplo-poupanca", nullptr, nullptr, true, buildSavingsMonths3,
     savingsMonthsHaveSample},
};

// Sample tables that come with the program, for fontes.tab.
const std::pair<const char*, const char*> kSampleDescriptions[] = {
    {"tjmg.tab", "Débitos Judiciais MG - MT - MS - ES (mês a mês)"},
    {"tjpr.tab", "Débitos Judiciais PR (mês a mês)"},
    {"tjpre.tab", "Débitos Judiciais PR (mês a mês - não expurgada)"},
    {"poupanca13.tab", "Poupança Diária: rendimento (%) por dia de aniversário"},
    {kSampleJamFile, "FGTS: JAM 3% de 01/1989 a 02/1991 (valores inventados)"},
    {"urv.tab", "URV: meses de 03/1994 em diante, sem remunerações"},
    {"fgtsjuros.tab", "FGTS, juros progressivos: meses de 01/1986 a 12/1999 e taxas"},
    {kSampleUrvFile, "URV diária de 01/11/1993 a 28/02/1994 (valores inventados)"},
    {kSampleSavingsMonthsFile,
     "Poupança configurada: índice de 07/1987 a 01/1991 (exemplo: fatores do TJSP mais 0,5%)"},
};

bool isRegular(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

StringGrid loadIfPresent(const fs::path& file) {
    StringGrid g(1, 1);
    if (isRegular(file)) {
        g = StringGrid(1, 0);
        toolkit::LoadFromFile(file, g);
    } else {
        g.setRowCount(0);
    }
    return g;
}

// The stored series: columns 0 and 1 of the rows with a period.
Series seriesOf(const StringGrid& g) {
    Series s;
    for (int r = 1; r < g.rowCount(); ++r)
        if (monthIndex(g.cell(0, r)) >= 0) s.push_back({g.cell(0, r), g.cell(1, r)});
    return s;
}

// Sort order of a period: (year, month, day).
long order(const std::string& key) {
    const int m = monthIndex(key);
    const int day = key.size() == 10 ? std::stoi(key.substr(0, 2)) : 0;
    return m * 32L + day;
}

// The month of a period "mm/yyyy" or "dd/mm/yyyy", or of a month label "JAN/89" / "jan/89"; -1
// for anything else.
int periodMonth(const std::string& cell) {
    if (const int m = monthIndex(cell); m >= 0) return m;
    static const char* const names[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                        "jul", "ago", "set", "out", "nov", "dez"};
    if (cell.size() != 6 || cell[3] != '/' || !std::isdigit(static_cast<unsigned char>(cell[4])) ||
        !std::isdigit(static_cast<unsigned char>(cell[5])))
        return -1;
    std::string name = cell.substr(0, 3);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int i = 0; i < 12; ++i)
        if (name == names[i]) {
            const int yy = std::stoi(cell.substr(4));
            return (yy >= 50 ? 1900 + yy : 2000 + yy) * 12 + i;
        }
    return -1;
}

// The last period of a table (column 0 of the last row that holds one), as "mm/yyyy".
std::string lastMonth(const StringGrid& g) {
    for (int r = g.rowCount() - 1; r >= 1; --r) {
        const int m = periodMonth(g.cell(0, r));
        if (m >= 0) return monthText(m);
    }
    return "";
}

const DerivedTable* derivedOf(const std::string& file) {
    for (const auto& d : kDerived)
        if (file == d.file) return &d;
    return nullptr;
}
const SeriesInfo* storedIn(const std::string& file) {
    for (const auto& s : kSeries)
        if (file == s.file) return &s;
    return nullptr;
}

// fontes.tab for the folder as it will be after writing `pending` (file name → new grid).
StringGrid sourcesTable(const fs::path& dataDir, const std::map<std::string, StringGrid>& pending,
                        const std::map<std::string, std::string>& newEditions) {
    std::map<std::string, std::vector<std::string>> old;
    {
        const StringGrid g = loadIfPresent(dataDir / kSourcesFile);
        for (int r = 1; r < g.rowCount(); ++r)
            if (!g.cell(0, r).empty()) old[g.cell(0, r)] = g.row(r);
    }
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dataDir, ec)) {
        const std::string n = e.path().filename().string();
        if (n.size() > 4 && n.substr(n.size() - 4) == ".tab" && n != kSourcesFile &&
            isRegular(e.path()))
            names.insert(n);
    }
    for (const auto& [n, g] : pending)
        if (n != kSourcesFile) names.insert(n);

    auto grid = [&](const std::string& n) {
        auto it = pending.find(n);
        return it != pending.end() ? it->second : loadIfPresent(dataDir / n);
    };
    auto present = [&](const std::string& n) { return pending.count(n) || isRegular(dataDir / n); };
    auto edition = [&](const SeriesInfo& s) -> std::string {
        auto it = newEditions.find(s.name);
        if (it != newEditions.end()) return it->second;
        auto o = old.find(s.file);
        return o != old.end() && o->second.size() > 3 ? o->second[3] : "";
    };

    std::vector<std::vector<std::string>> rows{
        {"Tabela", "Descrição", "Fonte", "Edição", "Última competência", "Exemplo"}};
    for (const auto& n : names) {
        const StringGrid g = grid(n);
        const SeriesInfo* stored = storedIn(n);
        const DerivedTable* derived = derivedOf(n);
        // The official series a derived table comes from, when the folder holds them all.
        std::vector<const SeriesInfo*> from;
        bool allPresent = derived != nullptr;
        if (derived)
            for (const auto& in : inputsOf(*derived))
                if (const SeriesInfo* s = findSeries(in)) {
                    from.push_back(s);
                    allPresent = allPresent && present(s->file);
                }
        if (stored) {
            rows.push_back(
                {n, stored->description, stored->source, edition(*stored), lastMonth(g), "Não"});
        } else if (allPresent && !from.empty()) {
            bool official = true;
            if (derived->allOfficial)
                official = derived->allOfficial(seriesOf(grid(from.front()->file)), g);
            if (derived->hasSample) official = !derived->hasSample(g);
            std::string source, editions;
            bool sameEdition = true;
            for (const SeriesInfo* s : from) {
                source += (source.empty() ? "" : "; ") + std::string(s->source);
                sameEdition = sameEdition && edition(*s) == edition(*from.front());
            }
            // One edition when every series has the same; else one per source, in their order.
            for (const SeriesInfo* s : from)
                if (!sameEdition || editions.empty())
                    editions += (editions.empty() ? "" : "; ") + edition(*s);
            rows.push_back({n, derived->description, source, editions, lastMonth(g),
                            official ? "Não" : "Sim"});
        } else if (auto o = old.find(n); o != old.end()) {
            auto row = o->second;
            row.resize(6);
            row[4] = lastMonth(g);
            rows.push_back(row);
        } else {
            std::string description;
            for (const auto& [f, d] : kSampleDescriptions)
                if (n == f) description = d;
            // The URV calculator's other correction tables, at a sample 0,50 % a month.
            if (description.empty() &&
                (n.rfind("Tribunal de Justiça ", 0) == 0 || n == "IGP-DI FGV.tab"))
                description = n.substr(0, n.size() - 4) + ": índice (%) de cada mês";
            rows.push_back({n, description, "valores de exemplo", "", lastMonth(g), "Sim"});
        }
    }
    StringGrid out;
    setRows(out, rows);
    return out;
}

void writeSet(const fs::path& dataDir, const std::map<std::string, StringGrid>& pending,
              const std::vector<std::string>& order, std::vector<std::string>& written) {
    std::vector<toolkit::FileContents> files;
    for (const auto& n : order) {
        std::string bytes = toolkit::Contents2CSV('\t', pending.at(n));
        if (const DerivedTable* d = derivedOf(n); d && d->plainRows) {
            std::string plain;
            plain.reserve(bytes.size());
            for (size_t i = 0; i < bytes.size(); ++i)
                if (!(bytes[i] == '\t' && bytes.compare(i + 1, 2, "\r\n") == 0)) plain += bytes[i];
            bytes = std::move(plain);
        }
        files.push_back({dataDir / n, std::move(bytes)});
        written.push_back(n);
    }
    toolkit::writeFilesAtomic(files);
}

}  // namespace

const std::vector<SeriesInfo>& officialSeries() {
    return kSeries;
}

const SeriesInfo* findSeries(const std::string& name) {
    for (const auto& s : kSeries)
        if (name == s.name) return &s;
    return nullptr;
}

bool buildFactorTable(const Series& tjsp, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{{"moeda", "Fator", "Moeda"}};
    for (const auto& p : tjsp)
        rows.push_back({p.key, p.value, currencyOf(kTjspCurrencies, monthIndex(p.key))});
    setRows(table, rows);
    return true;
}

namespace {
// The TJSP month M as the ratio of the factors of M + 1 and M (the currency cut between them
// undone), in percent.
struct SaoPauloMonth {
    std::string key;
    Real percent;
    int month, divisor;
};
std::vector<SaoPauloMonth> saoPauloMonths(const Series& tjsp) {
    std::vector<SaoPauloMonth> out;
    for (size_t i = 0; i + 1 < tjsp.size(); ++i) {
        const int m = monthIndex(tjsp[i].key);
        if (monthIndex(tjsp[i + 1].key) != m + 1) continue;
        const Real f0 = number(tjsp[i].value);
        const Real f1 = number(tjsp[i + 1].value);
        if (f0 <= 0 || f1 <= 0)
            throw ImportError("O fator de " + (f0 <= 0 ? tjsp[i].key : tjsp[i + 1].key) +
                              " da série tjsp não é positivo.");
        const int divisor = divisorAfter(kTjspCurrencies, m);
        const Real ratio = f1 * (divisor > 0 ? divisor : 1) / f0;
        out.push_back({tjsp[i].key, (ratio - 1) * 100, m, divisor});
    }
    return out;
}
}  // namespace

bool buildSaoPauloMonthly(const Series& tjsp, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{monthlyHeader("MM-aa")};
    for (const auto& sp : saoPauloMonths(tjsp))
        rows.push_back(monthlyRow(sp.key, toolkit::formatfloatx("0.000000", sp.percent),
                                  currencyOf(kTjspCurrencies, sp.month), sp.divisor));
    setRows(table, rows);
    return true;
}

bool buildSaoPauloPercentages(const Series& tjsp, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{{"Mês", "Índice (%)"}};
    for (const auto& sp : saoPauloMonths(tjsp))
        rows.push_back({sp.key, toolkit::formatfloatx("0.0000", sp.percent)});
    setRows(table, rows);
    return true;
}

bool buildFederalMonthly(const Series& jf, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{monthlyHeader("MM-aa")};
    for (const auto& p : jf) {
        const int m = monthIndex(p.key);
        rows.push_back(monthlyRow(p.key, toolkit::formatfloatx("0.000000", number(p.value) * 100),
                                  currencyOf(kFederalCurrencies, m),
                                  divisorAfter(kFederalCurrencies, m)));
    }
    setRows(table, rows);
    return true;
}

bool buildFederalPercentages(const Series& jf, StringGrid& table) {
    std::vector<std::vector<std::string>> rows{{"Mês", "Índice (%)"}};
    for (const auto& p : jf)
        rows.push_back({p.key, toolkit::formatfloatx("0.0000", number(p.value) * 100)});
    setRows(table, rows);
    return true;
}

bool buildSavingsYields(const Series& poupanca, StringGrid& table) {
    std::map<int, std::vector<std::string>> months;
    std::vector<std::string> header = monthlyHeader("Mês");
    if (table.rowCount() > 0 && !table.cell(0, 0).empty()) header = table.row(0);
    for (int r = 1; r < table.rowCount(); ++r) {
        const int m = monthIndex(table.cell(0, r));
        if (m >= 0) months[m] = table.row(r);
    }
    std::set<int> touched;
    for (const auto& p : poupanca) {
        const int m = monthIndex(p.key);
        auto& row = months[m];
        if (row.empty()) {
            row = monthlyRow(monthText(m), "", currencyOf(kSavingsCurrencies, m),
                             divisorAfter(kSavingsCurrencies, m));
        }
        if (row.size() < 34) row.resize(34);
        row[std::stoi(p.key.substr(0, 2))] = p.value;
        touched.insert(m);
    }
    // A day a month does not have holds no yield.
    for (const int m : touched) {
        auto& row = months[m];
        for (int d = toolkit::daysInMonth(m / 12, m % 12 + 1) + 1; d <= 31; ++d) row[d].clear();
    }
    size_t cols = header.size();
    for (const auto& [m, row] : months) cols = std::max(cols, row.size());
    std::vector<std::vector<std::string>> rows{header};
    for (auto& [m, row] : months) rows.push_back(row);
    for (auto& r : rows) r.resize(cols);
    setRows(table, rows);
    return true;
}

ImportResult importSeries(const fs::path& dataDir, const std::string& name, const fs::path& file,
                          const PdfWordsReader& pdfWords, const ImportProgress& progress) {
    auto step = [&](int percent, const char* text) {
        if (progress) progress(percent, text);
    };
    const SeriesInfo* info = findSeries(name);
    if (!info) throw ImportError("Série desconhecida: " + quoteText(name) + ".");
    std::error_code ec;
    if (!fs::is_directory(dataDir, ec))
        throw toolkit::FileError("Pasta de dados não encontrada: " + dataDir.string());
    if (!isRegular(file)) throw toolkit::FileError::cannotOpen(file);
    const std::string fileName = file.filename().string();
    step(5, "Lendo o arquivo");
    const std::string bytes = toolkit::readFileBytes(file);

    Series incoming;
    if (bytes.rfind("%PDF", 0) == 0) {
        if (name != "tjsp")
            throw ImportError("O arquivo " + fileName +
                              " é um PDF; só a série tjsp é lida de PDF.");
        if (!pdfWords) throw ImportError("Este programa não lê arquivos PDF.");
        incoming = readTjspTable(pdfWords(file), fileName);
    } else {
        incoming = readExport(bytes, info->shape, fileName);
    }

    // Merge: the file's periods replace the same periods of the stored series.
    step(40, "Conferindo a série com a da pasta de dados");
    const StringGrid storedGrid = loadIfPresent(dataDir / info->file);
    std::map<long, SeriesPoint> merged;
    for (const auto& p : seriesOf(storedGrid)) merged[order(p.key)] = p;
    ImportResult result;
    for (const auto& p : incoming) {
        auto it = merged.find(order(p.key));
        if (it == merged.end()) {
            result.changes.push_back(p.key + ": — → " + p.value);
            merged[order(p.key)] = p;
            continue;
        }
        bool same = false;
        try {
            same = number(it->second.value) == number(p.value);
        } catch (const toolkit::ConversionError&) {
        }
        if (!same) {
            result.changes.push_back(p.key + ": " + it->second.value + " → " + p.value);
            it->second = p;
        }
    }
    // A stored table that fontes.tab does not list as official holds sample values: none of its
    // periods may stay beside the official ones.
    bool storedOfficial = false;
    for (const auto& row : readSources(dataDir))
        if (row.size() > 5 && row[0] == info->file) storedOfficial = row[5] == "Não";
    if (!storedOfficial) {
        std::set<long> fresh;
        for (const auto& p : incoming) fresh.insert(order(p.key));
        for (auto it = merged.begin(); it != merged.end();) {
            if (fresh.count(it->first)) {
                ++it;
                continue;
            }
            result.changes.push_back(it->second.key + ": " + it->second.value +
                                     " → — (exemplo retirado)");
            it = merged.erase(it);
        }
    }
    Series series;
    for (auto& [k, p] : merged) series.push_back(p);

    step(60, "Recalculando as tabelas derivadas");
    std::map<std::string, StringGrid> pending;
    std::vector<std::string> writeOrder;
    if (const DerivedTable* self = derivedOf(info->file)) {
        StringGrid g = storedGrid;
        self->build(series, g);
        pending[info->file] = g;
    } else {
        StringGrid g;
        storeSeries(series, g);
        pending[info->file] = g;
    }
    writeOrder.push_back(info->file);
    for (const auto& d : kDerived) {
        if (!usesSeries(d, name) || pending.count(d.file)) continue;
        StringGrid g = loadIfPresent(dataDir / d.file);
        bool built = false;
        if (d.buildFrom) {
            SeriesSet inputs;
            for (const auto& in : inputsOf(d)) {
                if (in == name) {
                    inputs[in] = series;
                } else {
                    const SeriesInfo* other = findSeries(in);
                    inputs[in] = seriesOf(
                        loadIfPresent(dataDir / (other ? other->file : sampleInputFile(in))));
                }
            }
            built = d.buildFrom(inputs, g);
        } else {
            built = d.build(series, g);
        }
        if (!built) continue;
        pending[d.file] = g;
        writeOrder.push_back(d.file);
    }
    const std::string edition = monthText(monthIndex(incoming.back().key));
    pending[kSourcesFile] = sourcesTable(dataDir, pending, {{name, edition}});
    writeOrder.push_back(kSourcesFile);
    step(85, "Gravando as tabelas");
    writeSet(dataDir, pending, writeOrder, result.written);
    step(100, "Concluído");
    return result;
}

std::vector<std::vector<std::string>> readSources(const fs::path& dataDir) {
    const StringGrid g = loadIfPresent(dataDir / kSourcesFile);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < g.rowCount(); ++r) rows.push_back(g.row(r));
    return rows;
}

}  // namespace corvana::tables
