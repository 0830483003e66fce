// "Aplicar Expurgos" (TForm4): monthly yield overrides the savings run applies, kept in indice.ini.
#pragma once

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::savings {

class TForm4 : public app::WindowModel {
public:
    explicit TForm4(app::SharedContext& ctx);

    static constexpr const char* kClassName = "TForm4";
    static constexpr const char* kCaption = "Aplicar Expurgos";
    static constexpr const char* kFile = "indice.ini";

    // 0 "Data" (month), 1 "Expurgo" (yield in percent), 2 "Aplicar ao índice" ("Sim"/"Não").
    toolkit::StringGrid SPlanosini{3, 2};
    int selectedRow = 1;
    int selectedCol = 0;

    void show();
    void shown() { FormShow(); }
    void FormShow();
    // In the program: loads the overrides at start-up.
    void wire(app::App& app) override;
    // Remembers the cell; true when the cell may be edited (columns 0 and 1 of data rows).
    bool SPlanosiniSelectCell(int col, int row);
    // A click on column 2 of a data row toggles "Sim"/"Não".
    void SPlanosiniClick();
    void SPlanosiniExit();
    void GravarClick();
    void NovaLinhaClick();
    void ExcluirLinhaClick();
    void FecharClick();
    // Start-up: loads indice.ini when it exists.
    void carregar();

private:
    app::SharedContext& ctx_;
    void writeHeaders();
};

}  // namespace corvana::savings
