// "Cálculo de Diferenças dos Juros Progressivos no FGTS": credited against progressive interest.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/fgts/fgts_common.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::fgts {

struct ProgressiveInterestState {
    bool visible = false;
    std::vector<std::string> Memo1;       // "Cabeçalho"
    std::string ComboBox1 = "ComboBox1";  // "Cálcular até:" end month label
    bool Cipc89_90 = false;               // with the IPC purges of 01/89 and 04/90
    toolkit::StringGrid sfgts{12, 2};     // month, a .. h, currency
    toolkit::StringGrid svalores{2, 5};   // month, value typed for it
    int selCol = 1, selRow = 1;           // selected cell of svalores
    int currentRow = 1;                   // current row of both grids
    bool editingValue = false;            // a cell editor of svalores is open
    // Where the grid's indices came from: fgtsjuros.tab ("Novo"), a saved calculation, or none.
    enum class Source { None, Table, File } source = Source::None;
    bool tabelaExemplo = false;           // the grid came from fgtsjuros.tab and it is sample data
};

class TForm_FGTS : public app::WindowModel, public ProgressiveInterestState {
  public:
    explicit TForm_FGTS(app::SharedContext& ctx);

    void shown() { visible = true; }
    void hidden() { visible = false; }

    void Button1Click();  // "Novo"
    void Button2Click();  // "Abrir"
    bool opensFiles() const override { return true; }
    void abrirArquivo(const std::filesystem::path& file) override { abrir(file); }
    void Button3Click();  // "Salvar"
    void Button4Click();  // "Finalizar"
    void Button5Click();  // "Fechar"
    void Button6Click();  // "Repetir"

    void svaloresSelectCell(int col, int row);
    void svaloresSetEditText(int col, int row, const std::string& text);
    void takeFocusOff() { editingValue = false; }

    void recalc();
    void salvarx();
    std::vector<std::string> fileLines() const;
    std::vector<std::string> reportPieces() const;  // what Finalizar writes, piece by piece
    // The row of `sfgts` the report ends with: the first that holds the end month, else the last.
    int lastReportRow() const;
    // What its "VALOR TOTAL DEVIDO EM" states: the month ("jul/94") and the total ("R$ 2.575,46").
    std::string owedMonth() const { return sfgts.cell(0, lastReportRow()); }
    std::string totalOwed() const;
    // The index table the grid came from: none when a saved calculation replaced it.
    std::vector<std::string> usedTables() const {
        if (source == Source::Table) return {"fgtsjuros.tab"};
        return {};
    }
    void readFile(const std::filesystem::path& file);
    void readLines(const std::vector<std::string>& lines, const std::string& name);
    void abrir(const std::optional<std::filesystem::path>& file);

    std::filesystem::path backupPath() const { return ctx_.file("temp_jfgts.back"); }
    std::filesystem::path reportPath() const { return ctx_.file("jfgts.html"); }

    static const char* const kFilter;

  private:
    app::SharedContext& ctx_;
    void recalcRow(int r);
};

}  // namespace corvana::fgts
