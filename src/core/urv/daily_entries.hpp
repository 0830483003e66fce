// "Lançar valores diariamente" (TFmanual): amounts typed day by day, summed into the month grid
// of the calculator that opened it, and the monthly summary its report prints.
#pragma once

#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::urv {

class TFmanual;

// What the daily entries window needs from the calculator it sends to. The URV calculator is
// one; another calculator that opens the window brings its own.
class DailyEntriesOwner {
  public:
    virtual ~DailyEntriesOwner() = default;
    // The month grid filled by "Enviar p/ planilha": column 0 a month "mm/yyyy", column 1
    // the sum of that month's entries.
    virtual toolkit::StringGrid& monthGrid() = 0;
    // The last day the sums take ("dd/mm/yyyy").
    virtual std::string sendUntil() const = 0;
    // After sending: the calculator is shown again at the page that leads to its month grid.
    virtual void entriesSent() = 0;
    // "Criar Backup": the calculator writes its backup file.
    virtual void writeBackup() = 0;
    // "Fechar": the calculator's window is shown again.
    virtual void showOwner() = 0;
    // A calculator whose grids differ from the month grid above sends the days itself
    // ("Enviar p/ planilha") and builds its own summary; true when it did.
    virtual bool sendDays(TFmanual&) { return false; }
    virtual bool buildSummary(TFmanual&) { return false; }
};

// How an opener lays the grid out on first use.
struct DailyLayout {
    std::vector<std::string> sdiaHeaders;    // {"Data do Crédito", "Depósito", "Obs."}
    std::vector<std::string> sprintHeaders;  // the summary's headers until printenche runs
    std::string from;                        // first day listed, "dd/mm/yyyy"
    std::string to;                          // last day listed
};

class TFmanual : public app::WindowModel {
  public:
    static constexpr const char* kClassName = "TFmanual";
    static constexpr const char* kCaption = "Lançar valores diariamente";
    static constexpr const char* kHelp =
        "Lance o valor da remuneração, salário, 13º, férias etc. \r\nUse o campo \"Obs.\" se "
        "desejar especificar a natureza do valor adicionado. \r\nLance todos os valores, se "
        "houver mais de um valor \r\nno mesmo dia acrescente uma linha abaixo. \r\nMarque a "
        "opção: \"Exibir no formulário este demonstrativo \r\ndiário\", para juntar este "
        "formulário para impressão.";

    explicit TFmanual(app::SharedContext& ctx);

    // Opens the window for `owner`: the grid is laid out first when its header cell is blank
    // and `layoutDue` (the opener's first date reads above 0); the opener closes its own window.
    // Throws ConversionError when the layout's dates cannot be read (nothing changes then).
    void abrir(DailyEntriesOwner& owner, const DailyLayout& layout, bool layoutDue);

    void Button2Click();  // "Inserir linha abaixo"
    void Button5Click();  // "Excluir linha"
    void Button1Click();  // "?"
    void Button3Click();  // "Enviar p/ planilha"
    void Button6Click();  // "Criar Backup"
    void Button4Click();  // "Fechar"
    // The monthly summary `Sprint`: one line per entry with an amount, in the grid's order.
    void printenche();

    // Lays out `sdia` for the days from `from` to `to` with the headers (no check of the
    // header cell); throws ConversionError for a date that cannot be read.
    void layDays(const DailyLayout& layout);

    toolkit::StringGrid sdia{3, 2};
    toolkit::StringGrid Sprint{3, 2};
    bool Cexibirdemo = false;
    int row = 1;  // the grid's current row
    int Pb1 = 0;  // progress bar position, 0 to 100
    bool visible = false;

    void setOwner(DailyEntriesOwner* owner) { owner_ = owner; }
    DailyEntriesOwner* owner() const { return owner_; }

  private:
    app::SharedContext& ctx_;
    DailyEntriesOwner* owner_ = nullptr;
    void close();
};

}  // namespace corvana::urv
