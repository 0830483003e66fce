// The table-sources line of the reports and the sample flag of the windows, from fontes.tab.
#include <gtest/gtest.h>

#include "core/tables/provenance.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana;
using namespace corvana::tables;
using namespace corvana::testing;

namespace {

const char* const kHeader = "Tabela\tDescrição\tFonte\tEdição\tÚltima competência\tExemplo";

// A data folder with a fontes.tab of the given rows and a small court table not listed in it.
struct Folder {
    TempDir dir;
    explicit Folder(std::vector<std::string> rows) {
        if (!rows.empty()) {
            rows.insert(rows.begin(), kHeader);
            toolkit::writeLines(dir / "fontes.tab", rows);
        }
        toolkit::writeLines(dir / "tjpr.tab",
                            {"MM-aa\t1\t2", "11/2025\t0,5\t0,5", "12/2025\t0,4\t0,4"});
    }
};

const std::vector<std::string> kRows = {
    "t0001.tab\tDébitos Judiciais São Paulo (fatores)\tTabela Prática do Tribunal de Justiça de "
    "São Paulo\t01/2026\t01/2026\tNão",
    "tjmg.tab\tDébitos Judiciais MG\tvalores de exemplo\t\t11/2026\tSim",
    "odd.tab\tA <b> & c\tFonte <script>\t\t03/2020\tNão",
};

}  // namespace

TEST(Provenance, ReportLineNamesEachTableAndMarksSamples) {
    Folder f(kRows);
    struct Case {
        std::vector<std::string> tables;
        std::string line;
    } cases[] = {
        {{"t0001.tab"},
         "<p class=\"fontes\">Índices: t0001.tab — Tabela Prática do Tribunal de Justiça de São "
         "Paulo, edição 01/2026, até 01/2026.</p>"},
        {{"tjmg.tab"},
         "<p class=\"fontes\">Índices: tjmg.tab — valores de exemplo, até 11/2026 — TABELA DE "
         "EXEMPLO — valores fictícios, não usar em juízo.</p>"},
        // Not listed: not known to be official; its last month comes from the table itself.
        {{"tjpr.tab"},
         "<p class=\"fontes\">Índices: tjpr.tab — origem não registrada em fontes.tab, até 12/2025 "
         "— TABELA DE EXEMPLO — valores fictícios, não usar em juízo.</p>"},
        {{"falta.tab"},
         "<p class=\"fontes\">Índices: falta.tab — origem não registrada em fontes.tab — TABELA DE "
         "EXEMPLO — valores fictícios, não usar em juízo.</p>"},
        {{"t0001.tab", "tjmg.tab"},
         "<p class=\"fontes\">Índices: t0001.tab — Tabela Prática do Tribunal de Justiça de São "
         "Paulo, edição 01/2026, até 01/2026; tjmg.tab — valores de exemplo, até 11/2026 — TABELA "
         "DE EXEMPLO — valores fictícios, não usar em juízo.</p>"},
        // The data folder's texts are escaped.
        {{"odd.tab"},
         "<p class=\"fontes\">Índices: odd.tab — Fonte &lt;script&gt;, até 03/2020.</p>"},
    };
    for (const auto& c : cases) EXPECT_EQ(sourcesLine(f.dir.path(), c.tables), c.line);
}

TEST(Provenance, OnlyATableListedAsOfficialIsNotASample) {
    Folder listed(kRows), none({});
    EXPECT_FALSE(isSampleTable(listed.dir.path(), "t0001.tab"));
    EXPECT_TRUE(isSampleTable(listed.dir.path(), "tjmg.tab"));
    EXPECT_TRUE(isSampleTable(listed.dir.path(), "tjpr.tab"));
    EXPECT_TRUE(isSampleTable(none.dir.path(), "t0001.tab"));
}

TEST(Provenance, LineGoesDirectlyBeforeTheClosingLine) {
    Folder f(kRows);
    const std::string line = sourcesLine(f.dir.path(), {"t0001.tab"});
    std::vector<std::string> report = {"<html>", "<body>", "</body></html>", "", "fim"};
    addSourcesLine(report, f.dir.path(), {"t0001.tab"});
    EXPECT_EQ(report,
              (std::vector<std::string>{"<html>", "<body>", line, "</body></html>", "", "fim"}));
    std::vector<std::string> open = {"<html>", "texto"};
    addSourcesLine(open, f.dir.path(), {"t0001.tab"});
    EXPECT_EQ(open, (std::vector<std::string>{"<html>", "texto", line}));
}
