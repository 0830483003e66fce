// The state-court window: its tables by caption and the "Índices usados" line of each court.
#include "core/savings/state_court.hpp"

#include "core/savings/text_helpers.hpp"

namespace corvana::savings {

namespace {

struct Court {
    const char* caption;
    const char* table;
    const char* indices;  // the notes title line
};

const Court kCourts[] = {
    {"Débitos Judiciais São Paulo (mês a mês)", "tjsp.tab",
     "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) "
     "</td></tr>\r"},
    {"Débitos Judiciais MG - MT - MS - ES (mês a mês)", "tjmg.tab",
     "<tr><td> Índices usados: OTN/IPC/BTN/IPC/INPC/IPC-r/INPC </td></tr>\r"},
    {"Débitos Judiciais PR (mês a mês)", "tjpr.tab",
     "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI </td></tr>\r"},
    {"Débitos Judiciais PR (mês a mês - não expurgada)", "tjpre.tab",
     "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI (tabela não expurgada: "
     "IPC 12/88 70,28 - IPC 01/89 42,72 - IPC 03/90 84,32 - IPC 04/90 44,80)</p></td></tr>\r"},
};

SavingsVariant tjspVariant() {
    SavingsVariant v = courtVariant();
    v.className = TForm_tjsp_d::kClassName;
    v.caption = TForm_tjsp_d::kCaption;
    v.tableFile = TForm_tjsp_d::tableForCaption(v.caption);
    // Its own backup: "Abrir Backup" in either window reopens that window's last calculation.
    v.backupFile = "temptj.back";
    return v;
}

}  // namespace

TForm_tjsp_d::TForm_tjsp_d(app::SharedContext& ctx) : CourtWizard(ctx, tjspVariant()) {}
std::string TForm_tjsp_d::tableForCaption(const std::string& caption) {
    for (const auto& court : kCourts)
        if (caption == court.caption) return court.table;
    return "tjmg.tab";
}

void TForm_tjsp_d::addNotesTitle(std::vector<std::string>& re) const {
    for (const auto& court : kCourts)
        if (caption() == court.caption) detail::addFragment(re, court.indices);
}

}  // namespace corvana::savings
