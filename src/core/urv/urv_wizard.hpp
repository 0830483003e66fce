// "Cálculo das diferenças da aplicação URV" (TFurv): the 1994 salary conversion into URV by
// art. 19 or art. 22 of Lei 8.880/94, the monthly differences with correction, prescription
// and interest, the report "urvdif.html" and the backup "temp_urv.back".
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"
#include "core/urv/daily_entries.hpp"
#include "core/urv/law_text.hpp"
#include "core/urv/report_styles.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::urv {

// The June 1994 dates and URV values of the coupled lists, at the same positions.
const std::vector<std::string>& juneDates();
const std::vector<std::string>& juneValues();
// The items of `CB1`; the first is the default. Each names its table "<item>.tab".
const std::vector<std::string>& correctionTables();

// Every input and result of one URV calculation: what the window shows.
struct UrvState {
    int page = 0;  // 0 .. 4 (5 is the hidden work page)
    bool anteriorEnabled = false, proximoEnabled = true, finalizarEnabled = false;
    bool visible = false;

    // Page 0: conversion data.
    std::vector<std::string> Memo1;  // report header lines
    bool R19 = false, R22 = false;
    bool C22dtpag = false;
    std::string Enov93 = kEmptyDate, Edez93 = kEmptyDate, Ejan94 = kEmptyDate, Efev94 = kEmptyDate;
    std::string Enov = "0,00", Edez = "0,00", Ejan = "0,00", Efev = "0,00", Esalpago = "0,00";

    // Page 1: the July 1994 choice.
    bool CEscolher = false;
    bool listsEnabled = false;  // the four June lists
    std::string Combourv = "30/06/1994", Curv = "2.750,00";
    std::string Combourvx = "30/06/1994", Curvx = "2.750,00";

    // Page 2: the conversion result.
    std::string GroupBox3 = "";  // the page's group caption
    std::string Label19 = "URV do dia do pagamento";
    std::string Enovx = "0,00", Edezx = "0,00", Ejanx = "0,00", Efevx = "0,00";
    std::string Enovurv = "0", Edezurv = "0", Ejanurv = "0", Efevurv = "0";
    std::string Enovc = "0,00", Edezc = "0,00", Ejanc = "0,00", Efevc = "0,00";
    std::string Ema = "0,00", Espago = "0,00", Eporc = "0,00", Eerroneo = "0";

    // Page 3: months and dates.
    std::string Datafinal = kEmptyDate, dtacitacao = kEmptyDate, Eprescricao = kEmptyDate;
    bool Cprescricao = true;
    bool EprescricaoEnabled = false;
    toolkit::StringGrid svalores{2, 2};
    toolkit::StringGrid surv{8, 2};
    int svaloresRow = 1;  // the month grid's current row

    // Page 4: index, fees and interest.
    std::string CB1 = "Justiça Federal - Ações Condenatórias em Geral";
    bool Chono = false;
    std::string Ehono = "10";
    bool Caplijur = false, Jurmen = false, C2002 = false;
    std::string Eq = "1,00";
    bool Csalvar = false;  // "Sempre perguntar se deseja salvar ao finalizar os cálculos"
    bool tabelaExemplo = false;  // a table loaded (CB1's or urvtab.tab) holds sample data

    // Page 5 (hidden): work fields.
    toolkit::StringGrid Sdemo{5, 8};
    toolkit::StringGrid St{8, 1, 0};
    std::string Eporcfinal = "0";
    std::string Edit1, Edit2;
    std::string averageNote;  // set when February's value replaces the average
};

class TFurv : public app::WindowModel, public UrvState, public DailyEntriesOwner {
  public:
    static constexpr const char* kClassName = "TFurv";
    static constexpr const char* kCaption = "Cálculo das diferenças da aplicação URV";
    static constexpr const char* kBackup = "temp_urv.back";
    static constexpr const char* kReport = "urvdif.html";
    static constexpr const char* kVersion = "Vers 1.2";
    static constexpr const char* kFilter = "Cálculo da URV (*.urv)|*.urv";
    static constexpr const char* kExt = "urv";

    explicit TFurv(app::SharedContext& ctx);
    // Takes the daily entries, law-text and style windows of the program.
    void wire(app::App& app) override;
    // Wired by hand (tests).
    void setWindows(TFmanual* manual, TFtexto* texto, TFcab* cab);
    TFmanual* manual() const { return manual_; }

    // Main-window commands "URV" and "Calcular": the buttons and `surv`.
    void prepareOpen() override;
    std::string indiceTable() const override { return CB1 + ".tab"; }
    // The tables a calculation uses: the correction table chosen in CB1 and the URV days.
    std::vector<std::string> usedTables() const { return {CB1 + ".tab", "urvtab.tab"}; }
    // Sets tabelaExemplo from fontes.tab for the used tables that are in the data folder.
    void checkSampleTables();
    void setPage(int p) override { page = p; }

    // Window.
    void show();
    void FormShow();  // every showing starts at page 0
    void close();
    void SpeedButton4Click();  // "Fechar"

    // Wizard.
    void SpeedButton1Click();  // "Anterior"
    void SpeedButton2Click();  // "Próximo"
    void SpeedButton3Click();  // "Finalizar"

    // Controls.
    void CEscolherClick();
    void CombourvClick(int index);
    void CurvClick(int index);
    void CombourvxClick(int index);
    void CurvxClick(int index);
    void CB1Click(const std::string& item);
    void CprescricaoClick();
    void CaplijurClick();
    void JurmenClick();
    void CsalvarClick();
    void Button19Click();  // "?" beside R19: art. 19
    void Button22Click();  // "?" beside R22: art. 22
    void Button6Click();   // "Repetir"
    void Button9Click();   // "Lançar valores diariamente"
    // The text of a box by its domain name ("Enov", "Datafinal", "Ema"); null for no such box.
    std::string* field(const std::string& name);
    // A money box changed ("Enov", "Edez", "Ejan", "Efev", "Esalpago", "Eq"): money typing.
    void moneyChanged(const std::string& box, const std::string& text);
    // A date box ("Enov93" … "Efev94", "Datafinal", "dtacitacao", "Eprescricao") left.
    void dateLeft(const std::string& box);
    // A date box entered or clicked: the empty mask is cleared.
    void dateEntered(const std::string& box);
    // The user changed a cell of `svalores`.
    void svaloresSetEditText(int col, int row, const std::string& text);

    // Files.
    void salvarx();  // writes the backup
    void Salvar();   // "Salvar": backup, then a copy under a chosen name
    void Abrir(const std::optional<std::filesystem::path>& file = std::nullopt);  // "Abrir"
    bool opensFiles() const override { return true; }
    void abrirArquivo(const std::filesystem::path& file) override { Abrir(file); }
    void AbrirBackup();                                                           // "Abrir Backup"
    std::vector<std::string> fileLines() const;
    // Reads a backup's lines (tag included) into the window; throws toolkit::Error with the
    // refusal's message, the window unchanged.
    void readLines(const std::vector<std::string>& lines);

    // Computations.
    std::string devolveindice(const std::string& date) const;
    void calcurv();
    void calcurv2();
    void recalc(int row);
    void recalc2();
    // Correction factor of the month whose first day is `firstDayText`: one per cent plus the
    // percentages of the index table's months after it and before the final month, added.
    Real devolveacumulado(const std::string& firstDayText) const;
    void prescx();
    void aplicarjuros();
    void fillSdemo();
    // The checks of the finishing step; false when one stopped it (its message shown).
    bool finishingChecks();
    void imprimir();
    std::vector<std::string> reportLines();
    // The closing figures the report states: the amount owed in the final month, the moratory
    // interest (its months and rate when simple) and the fees.
    using Owed = urv::OwedFigures;
    Owed owedFigures() const;
    urv::OwedChoices owedChoices() const;  // the interest and fee options as typed
    // The grand total the report states, "R$ 47.708,03": its "TOTAL", else the amount owed.
    std::string totalOwed() const;
    std::filesystem::path reportPath() const { return ctx_.file(kReport); }
    std::filesystem::path backupPath() const { return ctx_.file(kBackup); }
    app::SharedContext& context() { return ctx_; }

    // DailyEntriesOwner.
    toolkit::StringGrid& monthGrid() override { return svalores; }
    std::string sendUntil() const override { return Datafinal; }
    void entriesSent() override;
    void writeBackup() override { salvarx(); }
    void showOwner() override { show(); }

  private:
    // A row of the index table as the correction factor reads it.
    struct IndexRow {
        std::string month;
        Real percent;  // 0 for a month not before the final month
    };
    std::vector<IndexRow> indexRows() const;
    Real devolveacumulado(const std::string& firstDayText, const std::vector<IndexRow>& rows) const;
    void recalc(int row, const std::vector<IndexRow>& index);

    app::SharedContext& ctx_;
    TFmanual* manual_ = nullptr;
    TFtexto* texto_ = nullptr;
    TFcab* cab_ = nullptr;
    TFcab ownCab_;

    // Runs a command on the state; a toolkit::Error puts the state back and goes on up.
    void guarded(const std::function<void()>& command);
    std::string* box(const std::string& name);
    void pageReached(int p);
    void leavePage0();
    void leavePage1();
    void leavePage2();
    void defaultDates();
    void completeMonths();
    void conversion(bool lookup);
    void writeGridHeaders();
    void readSaveIni();
};

}  // namespace corvana::urv
