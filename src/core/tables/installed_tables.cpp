// The installed-tables window: fontes.tab as it stands in the data folder.
#include "core/tables/installed_tables.hpp"

#include "core/tables/converter.hpp"

namespace corvana::tables {

namespace {
const char* const kHeader[] = {"Tabela", "Descrição",          "Fonte",
                               "Edição", "Última competência", "Exemplo"};
}

TFormTabelas::TFormTabelas(app::SharedContext& ctx)
    : app::WindowModel(kClassName, kCaption), ctx_(ctx) {
    for (int c = 0; c < 6; ++c) fontes.setCell(c, 0, kHeader[c]);
}

void TFormTabelas::carregar() {
    fontes = toolkit::StringGrid(6, 1);
    for (int c = 0; c < 6; ++c) fontes.setCell(c, 0, kHeader[c]);
    const auto rows = readSources(ctx_.meudir);
    int official = 0, sample = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        auto row = rows[r];
        if (row.empty() || row[0].empty()) continue;
        row.resize(6);
        fontes.setRowCount(fontes.rowCount() + 1);
        for (int c = 0; c < 6; ++c) fontes.setCell(c, fontes.rowCount() - 1, row[c]);
        (row[5] == "Não" ? official : sample) += 1;
    }
    if (rows.size() < 2)
        Label1 =
            "A pasta de dados não tem fontes.tab: nenhuma tabela tem origem registrada, "
            "todas contam como exemplo.";
    else
        Label1 = std::to_string(official) +
                 (official == 1 ? " tabela oficial, " : " tabelas oficiais, ") +
                 std::to_string(sample) + " de exemplo" +
                 " (\"Sim\" na coluna Exemplo: valores fictícios, não usar em juízo).";
}

void TFormTabelas::BotaoFecharClick() {
    ctx_.ui->closeWindow(kClassName);
}

}  // namespace corvana::tables
