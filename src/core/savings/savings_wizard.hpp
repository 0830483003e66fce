// The purge-and-update wizard shared by the savings calculator and its court-table copies.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/savings/check_list.hpp"
#include "core/savings/yield_override_dialog.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/interest.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::savings {

// What tells the members of the family apart. The savings calculator TForm2 is one value;
// the court-table windows are others.
struct SavingsVariant {
    std::string className;        // "TForm2"
    std::string caption;          // window caption
    std::string tableFile;        // index table the window reloads ("poupanca13.tab")
    std::string backupFile;       // "temp2.back"
    std::string versionTag;       // first line the window writes ("Vers 1.21")
    std::vector<std::string> acceptedTags;  // first lines "Abrir" accepts
    std::vector<std::string> acceptedBackupTags;  // first lines "Abrir Backup" accepts
    std::string fileFilter;       // "Corvana (*.e12)|*.E12"
    std::string defaultExt;       // "e12"
    std::string reportFile;       // plain report ("teste.html")
    std::string statementReportFile;  // interest-statement report ("teste2.html"), if any
    bool hasBasisOptions = true;       // Rtr / Rpoup exist (lock, planilha2, two report forms)
    bool currencyFromPlanTable = true; // balance currency replaced by the plan table's "Moeda"
    bool appliesYieldOverrides = true; // TForm4 rows with "Sim" replace the table's yields
    bool additionUsesPlanDivisor = true;  // addition row divides by the plan's currency change
    bool novoDeletesBackup = true;
    bool savesBasisFlags = true;       // the two last lines (Rtr, Rpoup) of the file
    std::string targetLabel = "Atualizar até";  // label of the last SPlanos row
    std::vector<std::string> closesOnShow = {"TForm5", "TForm7"};  // windows closed on showing
    bool checksTableMonths = true;     // plan and target months must be in the index table
    bool hasAmortisation = true;       // the amortisation page and its month list
    bool storesAmortisation = true;    // the calculation file holds the amortisation grid
    bool storesInterestModes = false;  // the file keeps the real Rcomposto/Rsimples/Rmes states
    toolkit::ValidadataVariant dateVariant = toolkit::ValidadataVariant::A;  // interest dates
    int lastPage = 6;                  // "Cabeçalho/Rodapé/Notas"
    int resultPage = 5;                // the page whose computation writes the result grids
};

// Every input and result of one calculation: the state the window shows. Kept apart from
// the window's wiring so that a failed command can put it back as it found it.
struct SavingsState {
    int page = 0;  // 0 .. 6
    std::string Label5;
    bool tabelaExemplo = false;  // the loaded table is sample data: "TABELA DE EXEMPLO" beside Label5
    bool finalizarEnabled = false;
    bool visible = false;

    CheckList CPlanos;
    toolkit::StringGrid SPlanos{2, 5};
    toolkit::StringGrid SSaldo{5, 5};
    toolkit::StringGrid SBase{5, 5};
    toolkit::StringGrid STJuros{3, 5};
    toolkit::StringGrid Jmes{4, 5};
    toolkit::StringGrid amortizacao{3, 5};
    toolkit::StringGrid planilha{16, 3};
    toolkit::StringGrid planilha2{18, 3};

    bool Rtr = false;   // index basis ORTN/BTN/TR: interest-statement report, no capitalised interest
    bool Rpoup = true;  // index basis savings
    bool Rcomposto = false, Rsimples = true, Rmes = false;  // hidden interest modes
    bool Cprorata = false;
    bool RComjuros = false, Rsemjuros = true;  // capitalised month-by-month interest
    bool jurosOptionsEnabled = true;
    bool Cnotas = true;
    std::vector<std::string> Memo1;  // report header lines
    std::vector<std::string> Memo2;  // report footer lines

    int jmesCol = 0, jmesRow = 1;
    toolkit::QuarterlyState quarterly;
    std::string focusedGrid;  // the grid that has the focus ("SSaldo"), empty for none
};

class SavingsWizard : public app::WindowModel, public SavingsState {
public:
    // A window wired by hand (tests, the command-line runner).
    SavingsWizard(app::SharedContext& ctx, TForm3& form3, TForm4& form4, SavingsVariant variant);
    // A window of the program: wire() finds the plan table and the overrides.
    SavingsWizard(app::SharedContext& ctx, SavingsVariant variant);

    void wire(app::App& app) override;
    // The main window's first showing empties the plan list; it is refilled from the plan table.
    void clearPlanChecklist() override;
    void setPage(int p) override { page = p; }

    const SavingsVariant& variant() const { return variant_; }
    app::SharedContext& context() { return ctx_; }

    // Window.
    void show();   // shows the window; its showing steps run when it was hidden
    void shown();  // the window became visible (its view calls this too)
    void hidden(); // the window was closed by its own frame
    void FormShow();
    void close();

    // Buttons.
    void SpeedButton1Click();   // "Anterior"
    void SpeedButton2Click();   // "Próximo"
    virtual void SpeedButton3Click();   // "Finalizar"
    void SpeedButton4Click();   // "Fechar"
    void ToolbarButton971Click();  // "Novo"
    virtual void SpeedButton5Click();   // "Abrir"
    bool opensFiles() const override { return true; }
    void abrirArquivo(const std::filesystem::path& file) override;
    virtual void SpeedButton18Click();  // "Abrir Backup"
    virtual void SpeedButton8Click();   // "Para Salvar o Cálculo Clique Aqui"
    void Button1Click();        // "Adicionar Expurgo"
    void Button3Click();        // "Configurar Índice"
    void Button4Click();        // "Limpar" interest table
    void Button5Click();        // "Limpar" month-by-month interest
    void Button6Click();        // "Limpar" amortisations
    void Button2Click();        // "Gravar" header and footer
    void RtrClick();            // index basis ORTN/BTN/TR chosen
    void RpoupClick();          // index basis savings chosen
    void RsimplesClick();       // interest on the whole debt: simple
    void RcompostoClick();      // interest on the whole debt: compound
    void RComjurosClick();
    void RsemjurosClick();

    // Plan list and cells.
    void CPlanosClick();
    void SPlanosExit();
    void SSaldoExit();
    void SBaseExit();
    void STJurosExit();
    void JmesExit();
    void STJurosSetEditText(int col, int row, const std::string& text);
    void JmesSetEditText(int col, int row, const std::string& text);
    bool JmesSelectCell(int col, int row);
    void JmesClick();
    // Runs the leaving rule of the grid that has the focus.
    void takeFocusOff();

    // Computations the navigation runs.
    void diferenca();       // purge difference of each plan (page 2)
    void calcularjuros();   // interest table and total (page 4)
    void calcular();        // the month-by-month spreadsheet (page 5)
    void trx();             // interest-statement copy of the spreadsheet
    void impx();            // the report document and, with it, the backup file
    void salvarx();         // the backup file alone

    // The report's lines, as impx writes them.
    virtual std::vector<std::string> reportLines() const;
    // The total owed as the report's "TOTAL" line ends ("1.234,56", "R$ 170,83").
    virtual std::string totalOwed() const;
    // The index tables the calculation uses (named on the report's last line).
    std::vector<std::string> usedTables() const { return {indiceTableFile()}; }
    // The calculation file's lines, as salvarx writes them.
    virtual std::vector<std::string> fileLines() const;
    std::filesystem::path reportPath() const;
    std::filesystem::path backupPath() const { return ctx_.file(variant_.backupFile); }

    // File operations of the window's buttons.
    // Opens the file chosen in the open dialog (or `file` when given) as "Abrir" does.
    void abrir(const std::optional<std::filesystem::path>& file = std::nullopt);
    void abrirback();
    void salvar();  // copies the backup to a chosen name
    // Reads a "Vers" layout (the lines after the tag) into the window; false when refused.
    // `backup` selects the backup's refusal message; `basisFlags` reads the last two lines.
    // `basisFlagsOptional`: the file comes from the older layout without the `Rtr`/`Rpoup`
    // lines, which may then be absent. Any other line missing refuses the file.
    bool readLayout(const std::vector<std::string>& lines, bool backup, bool basisFlags,
                    bool basisFlagsOptional = false);

    // Another layout ("estados") the window hands over to its neighbour; unset: unknown.
    std::function<void(const std::filesystem::path&)> openEstados;
    // The neighbour's backup reopened when this window's backup holds that layout.
    std::function<void()> openEstadosBackup;

protected:
    // Report pieces in which the court windows differ.
    virtual void addReportHead(std::vector<std::string>& re) const;
    virtual void addNotesTitle(std::vector<std::string>& re) const;
    virtual bool writesSpanTableClose() const { return true; }
    virtual std::string tableOpening() const;
    virtual void addTableRow(std::vector<std::string>& re, const toolkit::StringGrid& t, int r,
                             int last) const;

    // The index table the window loads on "Novo" and on opening a file.
    virtual std::string indiceTableFile() const { return variant_.tableFile; }
    // Headers of the result grid.
    virtual void writeResultHeaders();
    // Column 3 of an interest-table row whose dates and rate are filled.
    virtual std::string interestOfRow(int row) const;
    // The start date the interest of a computed row ran from (the report prints this one).
    virtual std::string interestStartUsed(int row) const { return STJuros.cell(0, row); }
    // The notes lines of each chosen plan; `balanceLine` is the first line of a plan's notes.
    void addPlanNotes(std::vector<std::string>& re,
                      const std::function<std::string(int k, int planRow)>& balanceLine) const;
    // The rows of the interest table STJuros, header and "Total" row included.
    void addInterestRows(std::vector<std::string>& re) const;
    // The first steps of "Próximo" shared by the family: checks and the balance grid.
    bool leavePlanPage();
    // The computation "Próximo" runs on reaching a page; the last page enables "Finalizar".
    virtual void pageReached(int page);

    std::string fontSpan() const;
    // Runs a command on the state; a toolkit::Error puts the state back and goes on up.
    // `touchesResults`: the command may write the result grids planilha and planilha2.
    void guarded(const std::function<void()>& command, bool touchesResults = true);

    app::SharedContext& ctx_;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    SavingsVariant variant_;

private:
    bool memosLoaded_ = false;
    void writeHeaders();
    void loadMemos();
    void runRun();
};

}  // namespace corvana::savings
