// "Diferenças do FGTS" (TFFGTSdif): the FGTS account recomputed by TR and by INPC or IPCA-E,
// the difference month by month, moratory interest and fees, its report and its files.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/string_grid.hpp"
#include "core/urv/daily_entries.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::urv {
class TFcab;
}

namespace corvana::fgts {

// Which table set the grids hold; a grid read from a file or typed over is kept by "Próximo".
enum class RevisionTables { None, InpcJan1999, InpcFeb1991, IpcaE, File };

// Every input and result of one revision: what the window shows.
struct RevisionState {
    int page = 0;  // 0 header and options, 1 the grids
    bool anteriorEnabled = false, proximoEnabled = true, finalizarEnabled = false;
    bool visible = false;
    std::string Label7 = "Cálculo baseado em INPC";  // also Label8 on page 1
    std::vector<std::string> Memo1;                  // report head lines

    // "Juros Moratórios (opcional) "
    bool Caplijur = false;
    std::string dtacitacao = "__/__/____";
    std::string Eq = "1,00";
    bool Jurmen = false;
    bool C2002 = false;
    // "Honorários (opcional) "
    bool Chono = false;
    std::string Ehono = "10";
    // "Cálculo desde: "
    bool RJan = true;
    bool Rfev = false;

    std::string Ctaxa = "3%";
    std::string ComboBox1;  // "Data final do cálculo:"
    std::string ComboBox2;  // "Data inicial do cálculo:"
    std::vector<std::string> ComboBox1Items, ComboBox2Items;

    toolkit::StringGrid svalores{4, 2};
    toolkit::StringGrid sfgts{13, 2};
    toolkit::StringGrid St{16, 1, 0};
    int sfgtsRow = 1;     // current row of the revision grid
    int svaloresRow = 1;  // current row of the input grid
    std::string Edit1, Edit2, Edit3, Edit4;
    RevisionTables tables = RevisionTables::None;
    // The data-folder tables the index columns were loaded from; empty when they were read
    // from a saved calculation (which does not record its tables) or nothing was loaded.
    std::vector<std::string> indexTables;
    bool tabelaExemplo = false;  // one of indexTables holds sample data
};

class TFFGTSdif : public app::WindowModel, public RevisionState, public urv::DailyEntriesOwner {
  public:
    static constexpr const char* kClassName = "TFFGTSdif";
    static constexpr const char* kBackup = "temp_jfgtsdif.back";
    static constexpr const char* kReport = "jfgtsdif.html";
    static constexpr const char* kFilter = "FGTSD (*.fgtsd)|*.fgtsd";
    static constexpr const char* kExt = "fgtsd";

    explicit TFFGTSdif(app::SharedContext& ctx);
    void wire(app::App& app) override;
    // A window wired by hand (tests): its daily entries window and style block.
    TFFGTSdif(app::SharedContext& ctx, urv::TFmanual& manual, urv::TFcab& cab);

    // Main-window commands: "Revisão TR X INPC ou IPCA-E" sets the buttons (prepareOpen) and
    // both it and the hidden "FGTS" load the INPC tables while no final date is chosen.
    void prepareOpen() override;
    void loadOwnTables() override;
    void setPage(int p) override { page = p; }
    // Whether the group "Cálculo desde: " is shown ("abre.tab" is in the data folder).
    bool startChoiceShown() const;

    void show();
    void close();

    // Buttons and fields.
    void Button1Click();       // "Novo INPC"
    void Button7Click();       // "Novo IPCA-E"
    void Button10Click();      // "Criar Backup"
    void SpeedButton1Click();  // "Anterior"
    void SpeedButton2Click();  // "Próximo"
    void SpeedButton3Click();  // "Finalizar"
    void SpeedButton4Click();  // "Fechar"
    void SalvarClick();        // "Salvar"
    void AbrirClick(const std::optional<std::filesystem::path>& file = std::nullopt);  // "Abrir"
    bool opensFiles() const override { return true; }
    void abrirArquivo(const std::filesystem::path& file) override { AbrirClick(file); }
    void AbrirBackupClick();  // "Abrir Backup"
    void RepetirClick();      // "Repetir"
    void DiarioClick();       // "Lançar valores diariamente"
    void CtaxaChange(const std::string& text);
    // A cell of `svalores` was edited (the view has already put the text in).
    void svaloresSetEditText(int col, int row, const std::string& text);
    void C2002Click(bool checked);
    void JurmenClick(bool checked);
    void dtacitacaoEnter();
    void dtacitacaoExit();
    void EqChange(const std::string& text);
    // Help buttons "?": 0 header, 1 interest, 2 daily entries, 3 dates.
    void HelpClick(int which);

    // Computations.
    void recalc();
    void aplicarjuros();
    // The finishing step without the window's closing (the report is written and shown).
    void finalizar();
    void salvarx();
    // The backup and the report written as one pair (the finishing step's files).
    void writeBackupAndReport();
    std::vector<std::string> fileLines() const;
    std::vector<std::string> reportLines() const;
    // The closing figures the report states: the amount owed at the final date, the moratory
    // interest (its months and rate when simple) and the fees.
    using Owed = urv::OwedFigures;
    Owed owedFigures() const;
    urv::OwedChoices owedChoices() const;  // the interest and fee options as typed
    // The grand total the report states, "R$ 1.111,94": its "TOTAL", else the amount owed.
    std::string totalOwed() const;
    // The month of the amount owed, as the report's "VALOR DEVIDO EM" names it ("12/2001").
    std::string owedMonth() const;
    // The index tables the grids came from (none for a grid read from a saved file).
    std::vector<std::string> usedTables() const;
    // Reads a calculation file's lines; `abrir` loads the old table for "Vers 1.3" and "1.4".
    // False when the version is unknown (nothing changes then).
    bool readFile(const std::vector<std::string>& lines, bool abrir);

    std::filesystem::path backupPath() const { return ctx_.file(kBackup); }
    std::filesystem::path reportPath() const { return ctx_.file(kReport); }
    urv::TFmanual& manual() { return *manual_; }

    // The daily entries window's side of this calculator.
    toolkit::StringGrid& monthGrid() override { return svalores; }
    std::string sendUntil() const override { return ComboBox1; }
    void entriesSent() override;
    void writeBackup() override;
    void showOwner() override;
    bool sendDays(urv::TFmanual& w) override;
    bool buildSummary(urv::TFmanual& w) override;

  private:
    app::SharedContext& ctx_;
    urv::TFmanual* manual_ = nullptr;
    urv::TFcab* cab_ = nullptr;

    // Loads the INPC tables of the selected start (both grids first reduced to 2 rows).
    void loadInpc();
    bool loadTables(const std::string& revision, const std::string& input, RevisionTables which);
    void fillDateLists();
    // Runs a step on the state; an error puts everything back (the daily grids too).
    void guarded(const std::function<void()>& step);
    bool typedValues() const;
};

// The monthly equivalent of a yearly rate text ("3%" gives "0,2466%").
std::string monthlyRate(const std::string& yearly);
// A date of this window's lists: "dd/mm/yyyy", or "mm/yyyy" read as its first day; empty when
// the text is neither.
std::optional<toolkit::Date> listDate(const std::string& text);

}  // namespace corvana::fgts
