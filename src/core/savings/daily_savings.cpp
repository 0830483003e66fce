// The daily-savings calculator's place in the family: its table, files and report forms.
#include "core/savings/daily_savings.hpp"

namespace corvana::savings {

SavingsVariant expurgosVariant() {
    SavingsVariant v;
    v.className = TForm2::kClassName;
    v.caption = TForm2::kCaption;
    v.tableFile = "poupanca13.tab";
    v.backupFile = "temp2.back";
    v.versionTag = "Vers 1.21";
    v.acceptedTags = {"Vers 1.2", "Vers 1.21"};
    v.acceptedBackupTags = {"Vers 1.2", "Vers 1.21"};
    v.fileFilter = "Corvana (*.e12)|*.E12";
    v.defaultExt = "e12";
    v.reportFile = "teste.html";
    v.statementReportFile = "teste2.html";
    v.hasBasisOptions = true;
    v.currencyFromPlanTable = true;
    v.appliesYieldOverrides = true;
    v.additionUsesPlanDivisor = true;
    v.novoDeletesBackup = true;
    v.savesBasisFlags = true;
    return v;
}

}  // namespace corvana::savings
