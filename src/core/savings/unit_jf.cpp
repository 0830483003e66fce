// The federal-court window: its table, its own backup and report files, its "Índices usados".
#include "core/savings/unit_jf.hpp"

#include "core/savings/text_helpers.hpp"

namespace corvana::savings {

SavingsVariant jfVariant() {
    SavingsVariant v = courtVariant();
    v.className = TForm_jf::kClassName;
    v.caption = TForm_jf::kCaption;
    v.tableFile = "jf.tab";
    v.backupFile = "tempjf.back";
    v.fileFilter = "Corvana (*.ejf)|*.EJF";
    v.reportFile = "jf.html";
    v.novoDeletesBackup = false;
    return v;
}

void TForm_jf::addNotesTitle(std::vector<std::string>& re) const {
    detail::addFragment(re, "<tr><td> Índices usados: Justiça Federal "
                            "(OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>\r");
}

}  // namespace corvana::savings
