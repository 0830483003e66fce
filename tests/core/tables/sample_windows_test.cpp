// The sample-table flag of the URV, FGTS and configured-savings windows: set from fontes.tab for
// exactly the tables each window loaded.
#include <gtest/gtest.h>

#include <functional>

#include "core/app/scripted_ui.hpp"
#include "core/configured/collor_1991_savings.hpp"
#include "core/configured/collor_savings.hpp"
#include "core/configured/statement_savings.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_wizard.hpp"
#include "test_support.hpp"

using namespace corvana;

namespace {

struct Window {
    const char* name;
    std::vector<std::string> tables;  // the tables the window loads, all written as small grids
    // Builds the window on the context, loads its tables as the user's first step does, and
    // returns its flag.
    std::function<bool(app::SharedContext&)> flag;
};

template <class W>
bool configuredFlag(app::SharedContext& ctx) {
    W w(ctx);
    w.FormShow();
    return w.tabelaExemplo;
}

const Window kWindows[] = {
    {"TForm7", {"mes.tab"}, configuredFlag<configured::TForm7>},
    {"TForm_conftodos", {"mes2.tab"}, configuredFlag<configured::TForm_conftodos>},
    {"TForm_conftodosII", {"mes3.tab"}, configuredFlag<configured::TForm_conftodosII>},
    {"TFurv",
     {"Justiça Federal - Ações Condenatórias em Geral.tab", "urvtab.tab"},
     [](app::SharedContext& ctx) {
         urv::TFurv w(ctx);
         w.FormShow();
         return w.tabelaExemplo;
     }},
    {"TFormFGTS (rendimento)",
     {"fgts.tab"},
     [](app::SharedContext& ctx) {
         fgts::TFormFGTS w(ctx);
         w.FormShow();
         return w.tabelaExemplo;
     }},
    {"TFormFGTS (saldo)",
     {"fgts.tab", "fgtsmes3.tab"},
     [](app::SharedContext& ctx) {
         fgts::TFormFGTS w(ctx);
         w.FormShow();
         w.Dataini = "01/06/2014";
         w.Rsaldo = true;
         w.loadMonthTable();
         return w.tabelaExemplo;
     }},
    {"TForm_FGTS",
     {"fgtsjuros.tab"},
     [](app::SharedContext& ctx) {
         fgts::TForm_FGTS w(ctx);
         w.Button1Click();
         return w.tabelaExemplo;
     }},
    {"TFFGTSdif (INPC)",
     {"fgtsdifz.tab", "fgtsdifx.tab"},
     [](app::SharedContext& ctx) {
         fgts::TFFGTSdif w(ctx);
         w.Button1Click();
         return w.tabelaExemplo;
     }},
    {"TFFGTSdif (IPCA-E)",
     {"ipcaez.tab"},
     [](app::SharedContext& ctx) {
         fgts::TFFGTSdif w(ctx);
         w.Button7Click();
         return w.tabelaExemplo;
     }},
};

// `marks[i]` is the "Exemplo" column of tables[i]; an empty mark leaves the table out of
// fontes.tab (not known to be official).
bool flagWith(const Window& w, const std::vector<std::string>& marks) {
    corvana::testing::TempDir dir;
    app::ScriptedUi ui;
    app::SharedContext ctx{ui};
    ctx.meudir = dir.path();
    std::vector<std::string> fontes = {
        "Tabela\tDescrição\tFonte\tEdição\tÚltima competência\tExemplo"};
    for (size_t i = 0; i < w.tables.size(); ++i) {
        toolkit::writeLines(dir / w.tables[i],
                            {"Data\tÍndice", "01/03/1989\t0,5", "10/06/2014\t0,5"});
        if (!marks[i].empty())
            fontes.push_back(w.tables[i] + "\tÍndices\tFonte oficial\t06/2014\t06/2014\t" +
                             marks[i]);
    }
    toolkit::writeLines(dir / "fontes.tab", fontes);
    return w.flag(ctx);
}

}  // namespace

TEST(SampleTableFlag, EachWindowFlagsASampleAmongTheTablesItLoaded) {
    for (const auto& w : kWindows) {
        SCOPED_TRACE(w.name);
        const size_t n = w.tables.size();
        EXPECT_FALSE(flagWith(w, std::vector<std::string>(n, "Não")));
        EXPECT_TRUE(flagWith(w, std::vector<std::string>(n, "Sim")));
        // One sample table among official ones is enough, and so is one fontes.tab omits.
        for (size_t i = 0; i < n; ++i) {
            std::vector<std::string> marks(n, "Não");
            marks[i] = "Sim";
            EXPECT_TRUE(flagWith(w, marks)) << w.tables[i];
            marks[i] = "";
            EXPECT_TRUE(flagWith(w, marks)) << w.tables[i];
        }
    }
}

TEST(SampleTableFlag, AMissingTableIsNotCountedAsLoaded) {
    // The URV window with only its correction table: the URV days it would load are absent.
    const Window& urv = kWindows[3];
    corvana::testing::TempDir dir;
    app::ScriptedUi ui;
    app::SharedContext ctx{ui};
    ctx.meudir = dir.path();
    toolkit::writeLines(dir / urv.tables[0], {"Data\tÍndice", "01/03/1989\t0,5"});
    toolkit::writeLines(dir / "fontes.tab",
                        {"Tabela\tDescrição\tFonte\tEdição\tÚltima competência\tExemplo",
                         urv.tables[0] + "\tÍndices\tFonte oficial\t06/2014\t06/2014\tNão"});
    EXPECT_FALSE(urv.flag(ctx));
}
