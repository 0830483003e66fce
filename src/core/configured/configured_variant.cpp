// The statement months, rates, table rows and files of each configured-savings window.
#include "core/configured/configured_variant.hpp"

namespace corvana::configured {

namespace {

StatementMonth jul87() {
    return {"Jul/87", "ESAjun87", "Ejsijurosjul87", "Ejsisegjun87", "Ejcmjul87", "ESPjun87",
            "Junho/87:", "Julho/87:", "Julho/87:", "Julho/87:", "18,6106", "18,0205", 1};
}
StatementMonth fev89() {
    return {"Fev/89", "ESAfev89", "Ejsijurosfev89", "Ejsisegfev89", "Ejcmfev89", "ESPfev89",
            "Janeiro/89 (*)", "Fevereiro/89 (*)", "Fevereiro/89 (*)", "Fevereiro/89 (*)",
            "22,9708", "22,3591", 21};
}
StatementMonth abr90() {
    return {"Abr/90", "ESAmarco90", "Ejsijurosabril90", "Ejsisegabril90", "Ejcmabril90",
            "ESPabril90", "Março/90", "Abril/90", "Abril/90:", "Abril/90", "41,9865", "41,2801", 36};
}
StatementMonth mai90(int row) {
    return {"Mai/90", "ESAmaio90", "Ejsijurosmaio90", "Ejsisegmaio90", "Ejcmmaio90", "ESPmaio90",
            "Abril/90:", "Maio/90:", "Maio/90:", "Maio/90:", "0,5", "0", row};
}
StatementMonth jun90(int row) {
    return {"Jun/90", "ESAjun90", "Ejsijurosjun90", "Ejsisegjun90", "Ejcmjun90", "ESPjun90",
            "Maio/90", "Junho/90", "Junho/90", "Junho/90", "5,9069", "5,38", row};
}

}  // namespace

ConfiguredVariant statementVariant() {
    ConfiguredVariant v;
    v.className = "TForm7";
    v.caption = "Cálculo - Poupança Configurada";
    v.months = {jul87(), fev89(), mai90(37), jun90(39)};
    v.tableFile = "mes.tab";
    v.backupFile = "temp3.back";
    v.fileFilter = "Corvana (*.e20)|*.E20";
    v.defaultExt = "e20";
    v.reportFile = "federal.html";
    v.saveButton = "SpeedButton17";
    v.cjcCaption = "Demonstrar Juros Remuneratórios";
    v.menuCommand = "Poupança Configurado";
    return v;
}

ConfiguredVariant collorVariant() {
    ConfiguredVariant v;
    v.className = "TForm_conftodos";
    v.caption = "Poupança Configurada - com os planos Collor I e II";
    StatementMonth mar91{"Mar/91", "ESAfev91", "Ejsijurosmarco91", "Ejsisegmarco91", "Ejcmmarco91",
                         "ESPmarco91", "Fevereiro/91", "Março/91", "Março/91:", "Março/91",
                         "7,535", "7", 50};
    v.months = {jul87(), fev89(), abr90(), mai90(38), jun90(40), mar91};
    v.tableFile = "mes2.tab";
    v.backupFile = "temp_4.back";
    v.fileFilter = "Corvana (*.ex20)|*.EX20";
    v.defaultExt = "ex20";
    v.reportFile = "federal.html";
    v.saveButton = "SpeedButton6";
    v.cjcCaption = "Exibir Juros Remuneratórios";
    v.menuCommand = "Poupança Configurado";
    v.emptiesPage6 = false;
    v.ediaDigitsOnly = true;
    v.centredOnScreen = true;
    v.collorNote = true;
    v.dateVariant = toolkit::ValidadataVariant::A;
    v.reader = toolkit::RemovePontoVariant::Shared;
    return v;
}

ConfiguredVariant collor1991Variant() {
    ConfiguredVariant v = collorVariant();
    v.className = "TForm_conftodosII";
    v.caption = "Poupança Configurada - com os planos Collor I e II (01/1991)";
    auto& fev91 = v.months.back();
    fev91.caption = "Fev/91";
    fev91.saLabel = "Janeiro/91";
    fev91.spLabel = "Fevereiro/91";
    fev91.jsiLabel = "Fevereiro/91:";
    fev91.jcmLabel = "Fevereiro/91";
    fev91.T = "20,81105";  // the day-01 rates until the anniversary day sets them
    fev91.C = "20,21";
    fev91.tableRow = 49;
    v.tableFile = "mes3.tab";
    v.backupFile = "temp_5.back";
    v.fileFilter = "Corvana (*.ex21)|*.EX21";
    v.defaultExt = "ex21";
    v.reportFile = "federal2.html";
    v.collorNote = false;
    return v;
}

}  // namespace corvana::configured
