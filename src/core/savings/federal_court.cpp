// The federal-court window: its table, its own backup and report files, its "Índices usados".
#include "core/savings/federal_court.hpp"

#include <tuple>

#include "core/savings/text_helpers.hpp"

namespace corvana::savings {

namespace {
SavingsVariant jfVariant() {
    SavingsVariant v = courtVariant();
    v.className = TForm_jf::kClassName;
    v.caption = TForm_jf::kCaption;
    v.tableFile = "jf.tab";
    // Its own backup and report; "Novo" leaves the backup alone.
    std::tie(v.backupFile, v.reportFile) = std::pair("tempjf.back", "jf.html");
    // A save without extension gets ".ejf"; "Abrir" also lists the ".e12" files of earlier saves.
    v.fileFilter = "Corvana (*.ejf;*.e12)|*.EJF;*.E12";
    v.defaultExt = "ejf";
    v.novoDeletesBackup = false;
    return v;
}
}  // namespace

TForm_jf::TForm_jf(app::SharedContext& ctx) : CourtWizard(ctx, jfVariant()) {}

void TForm_jf::addNotesTitle(std::vector<std::string>& re) const {
    detail::addFragment(re,
                        "<tr><td> Índices usados: Justiça Federal "
                        "(OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>\r");
}

}  // namespace corvana::savings
