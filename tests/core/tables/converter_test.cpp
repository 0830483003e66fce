// The table converter: reading official exports, importing a series into the data folder (what
// changed, what is kept, a refused file changing nothing), fontes.tab, and the tables derived
// from the official TJSP and federal series.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/tables/converter.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana;
using namespace corvana::tables;
using namespace corvana::testing;

namespace {

const std::filesystem::path kOfficial =
    std::filesystem::path(CORVANA_SAMPLE_DATA).parent_path() / "oficial";

toolkit::StringGrid load(const std::filesystem::path& file) {
    toolkit::StringGrid g(1, 0);
    toolkit::LoadFromFile(file, g);
    return g;
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> snapshot(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        files[e.path().filename().string()] =
            std::filesystem::is_regular_file(e.path()) ? readBytes(e.path()) : "<pasta>";
    return files;
}

ImportResult importText(const TempDir& dir, const std::string& serie, const std::string& name,
                        const std::string& bytes) {
    writeBytes(dir / name, bytes);
    return importSeries(dir.path(), serie, dir / name, nullptr);
}

TEST(OfficialExports, TheThreeFormatsReadTheSameSeries) {
    const Series expected{{"03/2025", "0,56"}, {"04/2025", "0,43"}, {"05/2025", "-0,1"}};
    const char* const files[] = {
        "\"data\";\"valor\"\r\n\"01/03/2025\";\"0,56\"\r\n\"01/04/2025\";\"0,43\"\r\n\"01/05/"
        "2025\";\"-0,1\"\r\n",
        "[{\"data\":\"01/03/2025\",\"valor\":\"0.56\"},\n "
        "{\"data\":\"01/04/2025\",\"valor\":\"0.43\"},"
        "{\"data\":\"01/05/2025\",\"valor\":-0.1}]",
        "03/2025;0,56\n04/2025;0,43\n05/2025;-0,1\n\n",
    };
    for (const char* f : files) {
        SCOPED_TRACE(f);
        EXPECT_EQ(readExport(f, {}, "x.csv"), expected);
    }
    // Thousands points of a decimal-comma file are dropped; the digits stay the source's.
    EXPECT_EQ(readExport("10/1964;10.000,00\n", {}, "t.csv"), (Series{{"10/1964", "10000,00"}}));
    // A daily export of the TR keeps the periods that start on day 1.
    EXPECT_EQ(readExport("\"data\";\"valor\"\n\"01/03/2025\";\"0,1\"\n\"02/03/2025\";\"0,2\"\n"
                         "\"01/04/2025\";\"0,3\"\n",
                         {Period::Monthly, true}, "tr.csv"),
              (Series{{"03/2025", "0,1"}, {"04/2025", "0,3"}}));
    // Exports of series by period also carry the period's end ("datafim"); the start names it.
    EXPECT_EQ(readExport("\"data\";\"datafim\";\"valor\"\n\"01/03/2025\";\"01/04/2025\";\"0,1\"\n",
                         {Period::Monthly, true}, "tr.csv"),
              (Series{{"03/2025", "0,1"}}));
    EXPECT_EQ(readExport("[{\"data\":\"01/03/2025\",\"datafim\":\"01/04/2025\",\"valor\":\"0.1\"}]",
                         {Period::Monthly, true}, "tr.json"),
              (Series{{"03/2025", "0,1"}}));
    // A daily series keeps the day.
    EXPECT_EQ(readExport("[{\"data\":\"04/05/2012\",\"valor\":\"0.4273\"}]", {Period::Daily, false},
                         "p.json"),
              (Series{{"04/05/2012", "0,4273"}}));
}

TEST(OfficialExports, AFileThatIsNoExportIsRefusedNamingTheLine) {
    struct Case {
        const char* bytes;
        const char* message;
    };
    const Case cases[] = {
        {"", "O arquivo x.csv está vazio."},
        {"\r\n  \r\n", "O arquivo x.csv está vazio."},
        {"\"data\";\"valor\"\r\n", "O arquivo x.csv não tem nenhum valor."},
        {"03/2025;0,56\n04/2025;0,43;x\n",
         "Linha 2 de x.csv: esperadas 2 colunas (data e valor), encontradas 3."},
        {"03/2025\n", "Linha 1 de x.csv: esperadas 2 colunas (data e valor), encontradas 1."},
        {"03/2025;0,56\n04/2025;0,43\n05/2025;abc\n",
         "Linha 3 de x.csv: 'abc' não é um número válido."},
        {"03/2025;1.5\n", "Linha 1 de x.csv: '1.5' não é um número válido."},
        {"03/2025;0,56\n05/2025;0,43\n04/2025;0,1\n",
         "Linha 3 de x.csv: a data '04/2025' não vem depois da linha anterior (datas fora de ordem "
         "ou repetidas)."},
        {"03/2025;0,56\n03/2025;0,57\n",
         "Linha 2 de x.csv: a data '03/2025' não vem depois da linha anterior (datas fora de ordem "
         "ou repetidas)."},
        {"13/2025;0,56\n", "Linha 1 de x.csv: '13/2025' não é um mês mm/aaaa."},
        {"\"data\";\"valor\"\n\"15/03/2025\";\"0,56\"\n",
         "Linha 2 de x.csv: a data '15/03/2025' não é o primeiro dia do mês de uma série mensal."},
        {"\"data\";\"valor\"\n\"03/2025\";\"0,56\"\n",
         "Linha 2 de x.csv: '03/2025' não é uma data dd/mm/aaaa."},
        {"\"data\";\"taxa\"\n\"01/03/2025\";\"0,56\"\n",
         "Linha 1 de x.csv: o cabeçalho '\"data\";\"taxa\"' não é \"data\";\"valor\" de uma "
         "exportação do SGS."},
        {"[{\"data\":\"01/03/2025\",\"valor\":\"0.56\"},\n{\"data\":\"01/04/2025\"}]",
         "Linha 2 de x.csv: esperados os campos \"data\" e \"valor\" de uma exportação do SGS"},
        {"\"data\";\"datafim\";\"valor\"\n\"01/03/2025\";\"0,56\"\n",
         "Linha 2 de x.csv: esperadas 3 colunas (data, datafim e valor), encontradas 2."},
        {"[{\"data\":\"01/03/2025\",\"valor\":\"0,56\"}]",
         "Linha 1 de x.csv: '0,56' não é um número válido."},
        {"[{\"data\":\"01/03/2025\",\"valor\":\"0.56\"}",
         "Linha 1 de x.csv: esperado ']' no texto JSON"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        try {
            (void)readExport(c.bytes, {}, "x.csv");
            ADD_FAILURE() << "accepted";
        } catch (const ImportError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    // A long offending text is quoted up to 60 characters.
    try {
        (void)readExport("03/2025;" + std::string(100, 'x') + "\n", {}, "x.csv");
        ADD_FAILURE();
    } catch (const ImportError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Linha 1 de x.csv: '" + std::string(60, 'x') + "…' não é um número válido.");
    }
}

TEST(Import, NewMonthsReplaceTheSameMonthsKeepTheOthersAndAreListed) {
    TempDir dir;
    auto first = importText(dir, "inpc", "inpc.csv", "02/2025;1,48\n03/2025;0,56\n04/2025;0,48\n");
    EXPECT_EQ(first.changes, (std::vector<std::string>{"02/2025: — → 1,48", "03/2025: — → 0,56",
                                                       "04/2025: — → 0,48"}));
    // The series, every table derived from it and fontes.tab, as one set.
    EXPECT_EQ(first.written,
              (std::vector<std::string>{"serie-inpc.tab", "INPC IBGE.tab", "fontes.tab"}));
    // The BCB's JSON: 03/2025 revised, 04/2025 the same value written differently, 05/2025 new.
    auto second = importText(dir, "inpc", "bcdata.sgs.188.json",
                             "[{\"data\":\"01/03/2025\",\"valor\":\"0.58\"},{\"data\":\"01/04/"
                             "2025\",\"valor\":\"0.480\"},"
                             "{\"data\":\"01/05/2025\",\"valor\":\"0.35\"}]");
    EXPECT_EQ(second.changes,
              (std::vector<std::string>{"03/2025: 0,56 → 0,58", "05/2025: — → 0,35"}));
    const auto g = load(dir / "serie-inpc.tab");
    ASSERT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.row(0), (std::vector<std::string>{"Período", "Valor"}));
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"02/2025", "1,48"}));
    EXPECT_EQ(g.row(2), (std::vector<std::string>{"03/2025", "0,58"}));
    EXPECT_EQ(g.row(3), (std::vector<std::string>{"04/2025", "0,48"}));
    EXPECT_EQ(g.row(4), (std::vector<std::string>{"05/2025", "0,35"}));
}

TEST(Import, ASampleTableKeepsNoneOfItsMonthsBesideTheOfficialOnes) {
    TempDir dir;
    // The factor table of a data folder that still holds sample values (no fontes.tab says
    // otherwise).
    toolkit::writeLines(dir / "t0001.tab",
                        {"moeda\tFator\tMoeda", "01/1988\t1,5\tCz$", "12/2026\t9,9\tR$"});
    const auto result = importText(dir, "tjsp", "t.csv", "12/1987;522,99\n01/1988;596,94\n");
    EXPECT_EQ(result.changes,
              (std::vector<std::string>{"12/1987: — → 522,99", "01/1988: 1,5 → 596,94",
                                        "12/2026: 9,9 → — (exemplo retirado)"}));
    const auto g = load(dir / "t0001.tab");
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.row(2), (std::vector<std::string>{"01/1988", "596,94", "Cz$"}));
    // Once official, a later import keeps the months its file does not bring.
    importText(dir, "tjsp", "t2.csv", "02/1988;695,50\n");
    EXPECT_EQ(load(dir / "t0001.tab").rowCount(), 4);
}

TEST(Import, ARefusedFileOrAFailedWriteChangesNothingInTheDataFolder) {
    TempDir dir;
    importText(dir, "tjsp", "t.csv", "12/1987;522,99\n01/1988;596,94\n02/1988;695,50\n");
    toolkit::writeLines(dir / "tjmg.tab", {"MM-aa\t1", "01/1987\t1,0"});
    const auto before = snapshot(dir.path());
    struct Case {
        const char* serie;
        const char* bytes;
    };
    const Case refused[] = {
        {"tjsp", ""},
        {"tjsp", "01/1988;600,00\n02/1988;7OO,00\n"},
        {"tjsp", "02/1988;600,00\n01/1988;700,00\n"},
        {"tjsp", "01/1988;600,00;1\n"},
        {"tjsp", "01/1988;0\n"},  // a factor that is not positive cannot make the monthly table
        {"inpc", "%PDF-1.4 not a table"},
        {"ipca", "[{\"data\":\"01/03/2025\",\"valor\":\"x\"}]"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.bytes);
        writeBytes(dir / "novo.csv", c.bytes);
        EXPECT_THROW(importSeries(dir.path(), c.serie, dir / "novo.csv", nullptr), ImportError);
        std::filesystem::remove(dir / "novo.csv");
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    EXPECT_THROW(importSeries(dir.path(), "ortn", dir / "t.csv", nullptr), ImportError);
    // A derived table that cannot be replaced (a folder holds its name): the factor table written
    // just before it gets its old bytes back, and no temporary file stays behind.
    std::filesystem::remove(dir / "tjsp.tab");
    std::filesystem::create_directory(dir / "tjsp.tab");
    const auto blocked = snapshot(dir.path());
    writeBytes(dir / "novo.csv", "03/1988;820,42\n");
    EXPECT_THROW(importSeries(dir.path(), "tjsp", dir / "novo.csv", nullptr), toolkit::FileError);
    std::filesystem::remove(dir / "novo.csv");
    EXPECT_EQ(snapshot(dir.path()), blocked);
}

TEST(Import, FontesListsEveryTableWithItsProvenance) {
    TempDir dir;
    toolkit::writeLines(dir / "tjmg.tab", {"MM-aa\t1", "01/1987\t1,0", "02/1987\t1,0"});
    toolkit::writeLines(dir / "jfcg.tab", {"Mês\tx", "05/1999\t1"});
    importText(dir, "tjsp", "t.csv", "12/1987;522,99\n01/1988;596,94\n");
    importText(dir, "ipca15", "i.csv", "11/2025;0,20\n12/2025;0,25\n");
    const auto rows = readSources(dir.path());
    const std::vector<std::vector<std::string>> expected{
        {"Tabela", "Descrição", "Fonte", "Edição", "Última competência", "Exemplo"},
        {"IPCA-E.tab", "IPCA-E: IPCA-15 (%) de cada mês",
         "IBGE, IPCA-15 (SIDRA tabela 3065; BCB SGS 7478)", "12/2025", "12/2025", "Não"},
        {"Tribunal de Justiça São Paulo (mensal).tab",
         "Tribunal de Justiça São Paulo (mensal): índice (%) de cada mês, razão de fatores "
         "consecutivos da Tabela Prática",
         "Tabela Prática do Tribunal de Justiça de São Paulo", "01/1988", "12/1987", "Não"},
        // Derived from the federal series, which this folder does not hold: still a sample.
        {"jfcg.tab", "", "valores de exemplo", "", "05/1999", "Sim"},
        {"serie-ipca15.tab", "IPCA-15 = IPCA-E mensal (% ao mês)",
         "IBGE, IPCA-15 (SIDRA tabela 3065; BCB SGS 7478)", "12/2025", "12/2025", "Não"},
        {"t0001.tab", "Débitos Judiciais São Paulo (fatores): mês, fator acumulado, moeda",
         "Tabela Prática do Tribunal de Justiça de São Paulo", "01/1988", "01/1988", "Não"},
        {"tjmg.tab", "Débitos Judiciais MG - MT - MS - ES (mês a mês)", "valores de exemplo", "",
         "02/1987", "Sim"},
        {"tjsp.tab",
         "Débitos Judiciais São Paulo (mês a mês): razão de fatores consecutivos da Tabela Prática",
         "Tabela Prática do Tribunal de Justiça de São Paulo", "01/1988", "12/1987", "Não"},
    };
    EXPECT_EQ(rows, expected);
}

TEST(Import, SavingsYieldsFillTheDayColumnsOfTheSavingsTable) {
    TempDir dir;
    std::vector<std::string> header{"Mês"};
    for (int d = 1; d <= 31; ++d) header.push_back(std::to_string(d));
    header.insert(header.end(), {"Moeda", "Divisor"});
    toolkit::StringGrid sample(34, 3);
    sample.setRow(0, header);
    for (int r = 1; r <= 2; ++r) {
        sample.setCell(0, r, r == 1 ? "01/2026" : "02/2026");
        for (int d = 1; d <= 31; ++d) sample.setCell(d, r, "9,9999");  // sample values
        sample.setCell(32, r, "R$");
    }
    toolkit::SaveToFile(dir / "poupanca13.tab", sample);
    // Made-up values in the layout of the BCB's SGS 195 export (one row per start day).
    const auto result =
        importText(dir, "poupanca", "bcdata.sgs.195.csv",
                   "\"data\";\"valor\"\n\"01/02/2026\";\"0,6712\"\n\"02/02/2026\";\"0,6698\"\n"
                   "\"28/02/2026\";\"0,6650\"\n\"01/03/2026\";\"0,6601\"\n");
    EXPECT_EQ(result.changes.front(), "01/02/2026: — → 0,6712");
    EXPECT_EQ(result.written,
              (std::vector<std::string>{"serie-poupanca.tab", "poupanca13.tab", "fontes.tab"}));
    const auto g = load(dir / "poupanca13.tab");
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cell(1, 1), "9,9999");  // 01/2026 untouched
    EXPECT_EQ(g.cell(0, 2), "02/2026");
    EXPECT_EQ(g.cell(1, 2), "0,6712");
    EXPECT_EQ(g.cell(2, 2), "0,6698");
    EXPECT_EQ(g.cell(3, 2), "9,9999");  // a day the file does not give keeps its value
    EXPECT_EQ(g.cell(28, 2), "0,6650");
    EXPECT_EQ(g.cell(29, 2), "");  // February 2026 has no day 29
    EXPECT_EQ(g.cell(32, 2), "R$");
    EXPECT_EQ(g.row(3)[0], "03/2026");  // a new month, in order, with its currency
    EXPECT_EQ(g.cell(1, 3), "0,6601");
    EXPECT_EQ(g.cell(2, 3), "");
    EXPECT_EQ(g.cell(32, 3), "R$");
    // Sample values remain, so the table is still marked as holding sample values.
    for (const auto& row : readSources(dir.path())) {
        if (row[0] == "poupanca13.tab") {
            EXPECT_EQ(row[5], "Sim");
        }
    }
}

// The official series of the project, imported into a fresh folder.
struct OfficialFolder {
    TempDir dir;
    OfficialFolder() {
        importSeries(dir.path(), "tjsp", kOfficial / "tjsp_tabela_pratica_ed2026-01.csv", nullptr);
        importSeries(dir.path(), "jf",
                     kOfficial / "cjf_condenatorias_geral_ipcae_variacao_pnrj.csv", nullptr);
    }
    // Column `col` of the row of `month`.
    static std::string at(const toolkit::StringGrid& g, const std::string& month, int col) {
        for (int r = 1; r < g.rowCount(); ++r)
            if (g.cell(0, r) == month) return g.cell(col, r);
        return "<sem " + month + ">";
    }
};

TEST(DerivedTables, PlanMonthsAndCurrencyChangesFollowFromTheOfficialTables) {
    OfficialFolder f;
    const auto tjsp = load(f.dir / "tjsp.tab");
    const auto jf = load(f.dir / "jf.tab");
    const auto jfcg = load(f.dir / "Justiça Federal - Ações Condenatórias em Geral.tab");
    EXPECT_EQ(jfcg.row(0), (std::vector<std::string>{"Mês", "Índice (%)"}));
    const auto spUrv = load(f.dir / "Tribunal de Justiça São Paulo (mensal).tab");
    auto twoPlaces = [](const std::string& percent) {
        return toolkit::formatfloatx("0.00", toolkit::StrToFloat(percent));
    };
    // The month whose index is credited in the next month: the OTN change of 07/1987 and the
    // IPC of the plans.
    const std::pair<const char*, const char*> plans[] = {
        {"06/1987", "18,02"}, {"01/1989", "42,72"}, {"02/1989", "10,14"}, {"03/1990", "84,32"},
        {"04/1990", "44,80"}, {"05/1990", "7,87"},  {"02/1991", "21,87"},
    };
    for (const auto& [month, percent] : plans) {
        SCOPED_TRACE(month);
        EXPECT_EQ(twoPlaces(OfficialFolder::at(tjsp, month, 1)), percent);
        EXPECT_EQ(OfficialFolder::at(tjsp, month, 28), OfficialFolder::at(tjsp, month, 1));
        EXPECT_EQ(twoPlaces(OfficialFolder::at(jf, month, 1)), percent);
        EXPECT_EQ(twoPlaces(OfficialFolder::at(jfcg, month, 1)), percent);
        EXPECT_EQ(twoPlaces(OfficialFolder::at(spUrv, month, 1)), percent);
    }
    // Currency and divisor of the change between a month and the next.
    struct Change {
        const toolkit::StringGrid* table;
        const char* month;
        const char* currency;
        const char* divisor;
    };
    const Change changes[] = {
        {&tjsp, "01/1967", "Cr$", "1000"}, {&tjsp, "02/1986", "Cr$", "1000"},
        {&tjsp, "03/1986", "Cz$", ""},     {&tjsp, "12/1988", "Cz$", "1000"},
        {&tjsp, "01/1989", "NCz$", ""},    {&tjsp, "03/1990", "Cr$", ""},
        {&tjsp, "07/1993", "Cr$", "1000"}, {&tjsp, "06/1994", "CR$", "2750"},
        {&tjsp, "07/1994", "R$", ""},      {&jf, "01/1986", "Cr$", "1000"},
        {&jf, "02/1986", "Cz$", ""},       {&jf, "12/1988", "Cz$", "1000"},
        {&jf, "06/1994", "CR$", "2750"},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.month);
        EXPECT_EQ(OfficialFolder::at(*c.table, c.month, 32), c.currency);
        EXPECT_EQ(OfficialFolder::at(*c.table, c.month, 33), c.divisor);
    }
    EXPECT_EQ(tjsp.cell(0, tjsp.rowCount() - 1), "12/2025");  // the ratio to the last factor
    EXPECT_EQ(jf.cell(0, jf.rowCount() - 1), "03/2026");
}

TEST(DerivedTables, FederalDivisorsAreTheConversionsTheFederalFactorsEmbed) {
    OfficialFolder f;
    const auto jf = load(f.dir / "jf.tab");
    const auto factors = readExport(
        readBytes(kOfficial / "cjf_condenatorias_geral_ipcae_fator_pnrj.csv"), {}, "fator.csv");
    ASSERT_EQ(factors.size(), static_cast<size_t>(jf.rowCount()));  // one factor more than months
    for (int r = 1; r < jf.rowCount(); ++r) {
        SCOPED_TRACE(jf.cell(0, r));
        ASSERT_EQ(jf.cell(0, r), factors[r - 1].key);
        const toolkit::Real s = jf.cell(33, r).empty() ? 1 : toolkit::StrToFloat(jf.cell(33, r));
        // fator(M) = fator(M+1) × (1 + variação(M)) ÷ divisor(M)
        const toolkit::Real expected = toolkit::StrToFloat(factors[r].value) *
                                       (1 + toolkit::StrToFloat(jf.cell(1, r)) / 100) / s;
        EXPECT_NEAR(toolkit::StrToFloat(factors[r - 1].value) / expected, 1.0L, 5e-4L);
    }
}

TEST(DerivedTables, FgtsTablesFollowTheTrAndTheJamAndTakeOnlyTheirEarlyMonthsFromTheSample) {
    TempDir dir;
    importSeries(dir.path(), "tr", kOfficial / "tr_bcb_sgs226_dia1.csv", nullptr);
    // Without the sample months of 01/1989 to 02/1991 the FGTS tables cannot be made: they are
    // not written, and the series still is.
    const auto without =
        importSeries(dir.path(), "jam", kOfficial / "fgts_jam_coeficiente.csv", nullptr);
    EXPECT_EQ(without.written, (std::vector<std::string>{"serie-jam.tab", "fontes.tab"}));
    std::filesystem::copy_file(std::filesystem::path(CORVANA_SAMPLE_DATA) / "fgts-jam-exemplo.tab",
                               dir / "fgts-jam-exemplo.tab");
    importSeries(dir.path(), "jam", kOfficial / "fgts_jam_coeficiente.csv", nullptr);
    const auto fgts = load(dir / "fgts.tab");
    // TR 7 %: (1,07 × 1,0024662698 − 1) cut to 0,072638 and (1,07 × 1,004867551 − 1) to 0,075208.
    EXPECT_EQ(fgts.row(27),
              (std::vector<std::string>{"03/1991", "7,0000", "7,2638", "7,5208",
                                        "calculado da TR oficial", "calculado da TR oficial",
                                        "296,162731548", "315,921785542", "Cr$"}));
    EXPECT_EQ(OfficialFolder::at(fgts, "01/1999", 4), "oficial");  // the JAM the Caixa published
    EXPECT_EQ(OfficialFolder::at(fgts, "01/1989", 4), "exemplo");
    const auto credits = load(dir / "fgtsmes3.tab");
    // The quarterly credit of 06/1989 compounds April to June: 1,10 × 1,12 × 1,15 − 1.
    EXPECT_EQ(credits.row(2)[2], "exemplo");
    EXPECT_EQ(credits.row(2)[3], "0,416800");
    std::map<std::string, std::string> sample;
    for (const auto& row : readSources(dir.path()))
        if (row.size() > 5) sample[row[0]] = row[5];
    EXPECT_EQ(sample["fgts.tab"], "Sim");
    EXPECT_EQ(sample["fgtsmes6.tab"], "Sim");
    EXPECT_EQ(sample["fgts-jam-exemplo.tab"], "Sim");
    EXPECT_EQ(sample["serie-jam.tab"], "Não");
    // A JAM published later extends the tables by its month.
    importText(dir, "jam", "jam.csv", "07/2024;0,002900\n");
    const auto longer = load(dir / "fgts.tab");
    EXPECT_EQ(longer.rowCount(), fgts.rowCount() + 1);
    EXPECT_EQ(longer.cell(0, longer.rowCount() - 1), "07/2024");
    EXPECT_EQ(longer.cell(2, longer.rowCount() - 1), "0,2900");
    const auto credits3 = load(dir / "fgtsmes3.tab");
    EXPECT_EQ(credits3.cell(0, credits3.rowCount() - 1), "10/07/2024");
}

TEST(DerivedTables, RevisionTablesKeepTheSourceDigitsAndRefuseAValueTheyWouldRound) {
    TempDir dir;
    importText(dir, "inpc", "inpc.csv", "12/1998;0,18\n01/1999;0,7\n02/1999;1,05\n");
    const auto result = importText(dir, "tr", "tr.csv", "12/1998;0,2189\n01/1999;0,31\n");
    EXPECT_EQ(result.written, (std::vector<std::string>{
                                  "serie-tr.tab", "fgtsdifz.tab", "fgtsdif.tab", "fgtsdifx.tab",
                                  "fgtsdifj.tab", "fgtsdifxj.tab", "abre.tab", "fontes.tab"}));
    const auto z = load(dir / "fgtsdifz.tab");
    ASSERT_EQ(z.rowCount(),
              3);  // the credits of 01/1999 and 02/1999: TR and INPC of the month before
    EXPECT_EQ(z.row(1), (std::vector<std::string>{"10/01/1999", "11/1998", "", "", "", "0,2466",
                                                  "0,2189", "", "", "0,2466", "0,18", "", ""}));
    EXPECT_EQ(z.row(2)[6], "0,3100");
    EXPECT_EQ(z.row(2)[10], "0,70");
    EXPECT_EQ(load(dir / "fgtsdifx.tab").row(2),
              (std::vector<std::string>{"10/02/1999", "07/01/1999", "", ""}));
    const auto before = snapshot(dir.path());
    writeBytes(dir / "novo.csv", "02/1999;0,12345\n");
    EXPECT_THROW(importSeries(dir.path(), "tr", dir / "novo.csv", nullptr), ImportError);
    std::filesystem::remove(dir / "novo.csv");
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST(DerivedTables, SavingsMonthTablesGrowOnlyWithBothTheTrAndTheInterestOfTheMonth) {
    TempDir dir;
    std::filesystem::copy_file(
        std::filesystem::path(CORVANA_SAMPLE_DATA) / "poupanca-mensal-exemplo.tab",
        dir / "poupanca-mensal-exemplo.tab");
    importSeries(dir.path(), "tr", kOfficial / "tr_bcb_sgs226_dia1.csv", nullptr);
    importSeries(dir.path(), "poupjuros",
                 kOfficial / "poupanca_juros_remuneracao_adicional_pnrj.csv", nullptr);
    auto last = [&](const char* table) {
        const auto g = load(dir / table);
        return g.row(g.rowCount() - 1);
    };
    const auto mes = load(dir / "mes.tab");
    // The plan month's IPC plus 0,5 %: 1,4272 × 1,005 − 1, and the rate the bank credited.
    EXPECT_EQ(mes.row(21), (std::vector<std::string>{"Extrato Fev/89", "0,434336", "", "0,229708",
                                                     "", "", "", "NCz$"}));
    EXPECT_EQ(OfficialFolder::at(mes, "JUL/87", 1), "0,035658");  // a sample month
    EXPECT_EQ(last("mes2.tab")[0], "MAR/26");
    // A TR without the month's interest part does not make a row with a made-up 0,5 %.
    importText(dir, "tr", "tr.csv", "04/2026;0,1\n");
    EXPECT_EQ(last("mes3.tab")[0], "MAR/26");
    importText(dir, "poupjuros", "j.csv", "04/2026;0,004\n");
    EXPECT_EQ(last("mes3.tab"),
              (std::vector<std::string>{"ABR/26", "0,005004", "", "", "", "", "", "R$"}));
    for (const auto& row : readSources(dir.path()))
        if (row[0] == "mes.tab") {
            EXPECT_EQ(row[5], "Sim");
        }
}

TEST(DerivedTables, UrvDaysAreTheSeriesTheJuneListAndOnlyBeforeTheSeriesTheSampleDays) {
    TempDir dir;
    std::filesystem::copy_file(std::filesystem::path(CORVANA_SAMPLE_DATA) / "urv-exemplo.tab",
                               dir / "urv-exemplo.tab");
    // Made-up URVs: a sample day of the sample table, and a June day the list also has.
    importText(dir, "urv", "urv.csv", "28/02/1994;640,1\n01/03/1994;647,50\n02/06/1994;1943\n");
    const auto g = load(dir / "urvtab.tab");
    EXPECT_EQ(g.row(0), (std::vector<std::string>{"Data", "URV (11/1993 a 02/1994: EXEMPLO)"}));
    EXPECT_EQ(OfficialFolder::at(g, "27/02/1994", 1), "630,39");    // sample
    EXPECT_EQ(OfficialFolder::at(g, "28/02/1994", 1), "640,10");    // the series, not the sample
    EXPECT_EQ(OfficialFolder::at(g, "01/06/1994", 1), "1.908,68");  // the calculator's list
    EXPECT_EQ(OfficialFolder::at(g, "02/06/1994", 1), "1.943,00");  // the series
    EXPECT_EQ(g.rowCount(), 1 + 119 + 2 + 30);
}

TEST(DerivedTables, ThePublishedJamIsTheTrOfTheMonthBeforePlusThreePercentAYear) {
    // The FGTS tables compute the JAM from the TR where none was published; the published ones
    // must follow the same rule: JAM(M) = cut6((1 + TR(M - 1)) × 1,0024662698 − 1).
    const auto tr = readExport(readBytes(kOfficial / "tr_bcb_sgs226_dia1.csv"), {}, "tr.csv");
    const auto jam = readExport(readBytes(kOfficial / "fgts_jam_coeficiente.csv"), {}, "jam.csv");
    std::map<int, toolkit::Real> trOf;
    for (const auto& p : tr) trOf[monthIndex(p.key)] = toolkit::StrToFloat(p.value);
    int compared = 0, apart = 0;
    for (const auto& p : jam) {
        auto t = trOf.find(monthIndex(p.key) - 1);
        if (t == trOf.end()) continue;
        ++compared;
        const toolkit::Real computed = (1 + t->second / 100) * 1.0024662698L - 1;
        if (std::abs(computed - toolkit::StrToFloat(p.value)) > 1.5e-6L) ++apart;
    }
    EXPECT_GT(compared, 300);
    EXPECT_EQ(apart, 0);
}

}  // namespace
