// The configured-savings wizard shared by "Cálculo - Poupança Configurada" and its Collor copies:
// statement figures of the plan months, their purge differences carried month by month.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/configured/configured_variant.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::configured {

inline constexpr const char* kEmptyDate = "  /  /    ";

// The five fields of one statement month, as the window shows them.
struct StatementFields {
    std::string SA = "0,00";   // saldo anterior
    std::string J = "0,00";    // juros
    std::string S = "0,00";    // seguro inflação / correction
    std::string JCM = "0,00";  // juros plus correction
    std::string SP = "0,00";   // saldo posterior
};

// The two rates of a statement month, in percent.
struct MonthRates {
    toolkit::Real T = 0;  // whole rate credited
    toolkit::Real C = 0;  // correction part
};

// Every input and result of one calculation: what the window shows. Kept apart from the
// wiring so that a failed command can put the window back as it found it.
struct ConfiguredState {
    int page = 0;  // 0 .. 9
    bool finalizarEnabled = false;
    bool visible = false;
    std::string Label47;  // "Tabela atualizada até: " and the newest month of the table
    bool tabelaExemplo = false;  // the loaded table is sample data: "TABELA DE EXEMPLO" by Label47

    // Page 0.
    std::string Enome, Ebanco, Eagencia, Econta;
    std::string Edia = "01";
    std::string Dateate = kEmptyDate;
    // Page 1.
    bool Rjsi = true, Rjcm = false, Rsaldoant = false, Rsaldopost = false;
    bool Cjm = false, Chonorarios = false, Cjc = false;
    // Pages 2 to 5: one entry per statement month of the variant.
    std::vector<StatementFields> months;
    std::vector<MonthRates> rates;
    // Pages 6 to 8.
    std::string Datejurcompinicial = kEmptyDate, Datejurcompfinal = kEmptyDate;
    std::string Ejurcomp = "0,00";
    std::string Datejurmorinicial = kEmptyDate, Datejurmorfinal = kEmptyDate;
    std::string Ejurmor = "0,00";
    bool Rhonporcentagem = true, Rhonvalor = false;
    std::string Ehonvalor = "0,00";

    toolkit::StringGrid st{8, 5};   // computation grid, loaded from the month table
    toolkit::StringGrid st2{5, 5};  // statement grid of the report
    toolkit::Real juroTotal = 0;    // moratory interest of the report being written

    std::string focusedField;  // the field that has the focus, empty for none
};

// The final figures of a report.
struct FinalFigures {
    std::string V;            // updated value
    std::string unit;         // unit text of the last row
    std::string explanation;  // moratory-interest lines (empty when not produced)
    std::string V2;           // corrected value
    std::string H;            // fees (empty when off)
};

class ConfiguredWizard : public app::WindowModel, public ConfiguredState {
public:
    ConfiguredWizard(app::SharedContext& ctx, ConfiguredVariant variant);

    void wire(app::App& app) override;
    void setPage(int p) override { page = p; }

    const ConfiguredVariant& variant() const { return variant_; }
    app::SharedContext& context() { return ctx_; }

    // Window.
    void show();    // shows the window; its showing steps run when it was hidden
    void shown();   // the window became visible (its view calls this too)
    void hidden();  // the window was closed by its own frame
    void FormShow();
    void close();

    // Buttons.
    void SpeedButton1Click();     // "Anterior"
    void SpeedButton2Click();     // "Próximo"
    void SpeedButton3Click();     // "Finalizar"
    void SpeedButton4Click();     // "Fechar"
    void ToolbarButton971Click(); // "Novo"
    void SpeedButton5Click();     // "Abrir"
    // "Abrir" with the file already chosen (a double-clicked calculation).
    bool opensFiles() const override { return true; }
    void abrirArquivo(const std::filesystem::path& file) override;
    void SpeedButton18Click();    // "Abrir Backup"
    void salvar();                // "Para Salvar o Cálculo Clique Aqui"
    void AjudaClick();            // the "Ajuda" buttons: "Fevereiro de 1989"
    // Radio groups: checking one clears the others of its group.
    void checkOption(std::string_view name);

    // Fields by their control names. Null when the window has no such text field.
    std::string* field(std::string_view name);
    // The Change handler: the text the user typed (money fields re-read as cents).
    void fieldChanged(std::string_view name, std::string_view text);
    // The Exit handler of a field: statement derivation or date completion.
    void fieldExit(std::string_view name);
    // The field receives the focus; the one that had it is left first.
    void focusField(std::string_view name);
    void takeFocusOff();
    // Whether a key passes the field's key filter (ch is the character typed).
    bool keyAllowed(std::string_view name, char32_t ch) const;
    bool isMoneyField(std::string_view name) const;
    bool isDateField(std::string_view name) const;

    // Sets the rates of the statement months (the anniversary-day window looks its last
    // month up by Edia).
    virtual void encheind();

    // Computations.
    void calculo();   // fills the statement grid st2
    void calcular();  // computes st (a fresh copy of the month table with 8 columns)
    void back();      // writes the backup file
    void impx();      // writes the report document
    // Moratory interest of `cx` from dta1 to dta2 at `num` % a month; adds it to juroTotal and
    // returns the explanation (empty when none).
    std::string jur(const std::string& dta1, const std::string& dta2, const std::string& num,
                    const std::string& jurx, const std::string& cx);
    // Applies the remunerative-interest view to st.
    void jurosRemuneratorios();

    // The document impx writes (and the figures it states), without writing it.
    std::vector<std::string> reportLines();
    FinalFigures finalFigures();
    // The calculation file's lines, as back writes them.
    std::vector<std::string> fileLines() const;
    // Reads a calculation file's lines into the window; throws when the file is cut short.
    void readLines(const std::vector<std::string>& lines);

    std::filesystem::path tablePath() const { return ctx_.file(variant_.tableFile); }
    std::filesystem::path backupPath() const { return ctx_.file(variant_.backupFile); }
    std::filesystem::path reportPath() const { return ctx_.file(variant_.reportFile); }
    // The month table, freshly loaded with 8 columns; throws when it is shorter than needed.
    toolkit::StringGrid loadTable() const;

    toolkit::Real N(std::string_view text) const;

protected:
    // The credited factor G of a statement row, as the table gives it or overridden.
    virtual void statementFactor(int monthIndex, int row);
    void setFixedRates();
    void writeHeadings();
    // Runs a command on the state; a toolkit::Error puts the state back and goes on up.
    void guarded(const std::function<void()>& command);

    app::SharedContext& ctx_;
    ConfiguredVariant variant_;

private:
    app::WindowModel* form8_ = nullptr;
    void derive(int monthIndex, char kind);
    void computeStep();
    void openLines(const std::vector<std::string>& lines);
    void abrir(const std::optional<std::filesystem::path>& file);
};

}  // namespace corvana::configured
