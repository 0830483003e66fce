// "Expurgos FGTS": the Verão and Collor I purges of an FGTS account, corrected by the JAM table.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/fgts/fgts_common.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::fgts {

// Every input and result of one purge calculation, as the window shows it.
struct FgtsPurgeState {
    int page = 0;  // the wizard's step, 0 .. 5
    bool finalizarEnabled = false;
    bool visible = false;
    std::string focused;  // the date box that has the focus ("Dataini"), empty for none

    std::vector<std::string> Edit1;  // "Cabeçalho do formulário:" lines
    std::string Dataini;             // "Data de atualização"
    bool Cjuros = false, Chonorarios = false, Ccustas = false;
    bool Rsaldo = false, Rrendimento = true;  // input way: balance or credited yield
    std::string Datajuros;                    // start of default interest
    std::string Txjur = "0,00";               // annual default-interest rate, %
    std::string hono = "0,00";                // fees, %
    std::string cust = "0,00";                // costs refund amount
    bool JR3 = true, JR6 = false;             // the account's remuneration rate
    bool Cverao = true, Ccollor = true;
    std::string JCsaldos = "0,00";  // Verão: credited yield of 03/1989, or balance of 12/1988
    std::string JCollor = "0,00";   // Collor I: credited yield of 05/1990, or balance of 04/1990
    std::string JCsaldosLabel, JCollorLabel;

    toolkit::StringGrid planilha{7, 2};   // yield-way result
    toolkit::StringGrid mes{7, 2};        // FGTS month table, balance way
    std::string mesTabela;                // the table mes was loaded from ("fgtsmes3.tab")
    // The table the report's figures come from: the month table of the balance way, else the
    // JAM table the command loads.
    std::vector<std::string> usedTables() const {
        if (Rsaldo) return {mesTabela};
        return {"fgts.tab"};
    }
    bool tabelaExemplo = false;           // fgts.tab or the month table holds sample data
    toolkit::StringGrid Sfimes{2, 8, 0};  // balance-way totals: label, amount
};

class TFormFGTS : public app::WindowModel, public FgtsPurgeState {
  public:
    explicit TFormFGTS(app::SharedContext& ctx);

    void setPage(int p) override { page = p; }

    // Window.
    void shown();   // the window became visible
    void hidden();  // closed by its frame
    void FormShow();

    // Buttons.
    void AnteriorClick();
    void ProximoClick();
    void FecharClick();
    void BfimClick();          // "Finalizar"
    void SpeedButton3Click();  // "Salvar o cálculo"
    void SabrirClick();        // "Abrir"
    bool opensFiles() const override { return true; }
    void abrirArquivo(const std::filesystem::path& file) override { abrir(file); }
    void SpeedButton8Click();  // "Abrir Backup"
    void NovoClick();          // "Novo"

    // Fields.
    void setText(std::string& field, const std::string& text);  // a money box changed
    void DatainiExit();
    void DatajurosExit();
    void takeFocusOff();

    // Computations.
    Real devolvevalor(const toolkit::Date& date) const;       // JAM index for a date; 0 when none
    std::string devolvemoeda(const std::string& date) const;  // currency name + " "
    int monthsOfInterest() const;
    void calcularPlanilha();  // the yield way
    void mesx();              // the balance way
    void salvarx();
    void imp();
    void impmes();
    void setLabels();
    // Loads the month table of the chosen rate afresh and runs the balance way on it.
    void loadMonthTable();
    // Sets tabelaExemplo from fontes.tab for the tables the window has loaded.
    void checkSampleTables();

    // The file's lines, as salvarx writes them; reading them into the window (all or nothing).
    std::vector<std::string> fileLines() const;
    void readFile(const std::filesystem::path& file);
    void readLines(const std::vector<std::string>& lines);
    void abrir(const std::optional<std::filesystem::path>& file);

    std::filesystem::path backupPath() const { return ctx_.file("fgts.back"); }
    std::filesystem::path reportPath() const { return ctx_.file("fgt.html"); }
    app::SharedContext& context() { return ctx_; }

    static const char* const kFilterOpen;
    static const char* const kFilterSave;

  private:
    app::SharedContext& ctx_;
    // Correction factor from a plan month to the update date, refusing months without index.
    Real jamFactor(const toolkit::Date& planMonth, const std::string& planText) const;
    void purgeRow(int row, const char* month, const std::string& value, Real factor3, Real factor6,
                  const toolkit::Date& planMonth, const std::string& planText, int months);
    void writeHeaders();
    void reportHead(ReportPieces& re) const;
    std::string tableOpening() const;
    void reportGrid(ReportPieces& re, const toolkit::StringGrid& g) const;
};

}  // namespace corvana::fgts
