// What tells the configured-savings windows apart: statement months, rates, table rows, files.
#pragma once

#include <string>
#include <vector>

#include "core/toolkit/dates.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::configured {

// One statement month: the month whose bank statement shows a plan credit, its five fields
// and the two rates the bank applied (texts, read as numbers when the window is shown).
struct StatementMonth {
    std::string caption;    // column caption of the statement table ("Jul/87")
    std::string SA;         // saldo anterior field ("ESAjun87")
    std::string J;          // juros field ("Ejsijurosjul87")
    std::string S;          // seguro inflação / correction field ("Ejsisegjun87")
    std::string JCM;        // juros plus correction field ("Ejcmjul87")
    std::string SP;         // saldo posterior field ("ESPjun87")
    std::string saLabel;    // page label of the saldo anterior ("Junho/87:")
    std::string spLabel;    // page label of the saldo posterior ("Julho/87:")
    std::string jsiLabel;   // row label on the "JSI" page
    std::string jcmLabel;   // row label on the "JCM" page
    std::string T;          // whole rate credited, in percent ("18,6106")
    std::string C;          // correction part alone, in percent ("18,0205")
    int tableRow = 0;       // the statement row of the month table
};

struct ConfiguredVariant {
    std::string className;   // "TForm7"
    std::string caption;     // window caption
    std::vector<StatementMonth> months;  // in the order of the statement table's columns
    std::string tableFile;   // "mes.tab"
    std::string backupFile;  // "temp3.back"
    std::string fileFilter;  // "Corvana (*.e20)|*.E20"
    std::string defaultExt;  // "e20"
    std::string reportFile;  // "federal.html"
    std::string saveButton;  // object name of "Para Salvar o Cálculo Clique Aqui"
    std::string cjcCaption;  // caption of the check box Cjc
    std::string menuCommand;  // the main-window command named on the last page
    bool emptiesPage6 = true;       // the forward step empties the "Juros Renumeratórios" fields
    bool ediaDigitsOnly = false;    // Edia lets through only digits and Backspace
    bool centredOnScreen = false;   // else centred on the main window
    bool collorNote = false;        // the red note about the 1991 index on the first page
    toolkit::ValidadataVariant dateVariant = toolkit::ValidadataVariant::B;
    toolkit::RemovePontoVariant reader = toolkit::RemovePontoVariant::Strict;  // amount reader

    // Rows the month table must have: its header row and every statement row.
    int minRows() const { return months.empty() ? 1 : months.back().tableRow + 1; }
};

// The three windows of the family.
ConfiguredVariant statementVariant();     // TForm7
ConfiguredVariant collorVariant();        // TForm_conftodos
ConfiguredVariant collor1991Variant();    // TForm_conftodosII

}  // namespace corvana::configured
