// "Aplicar Expurgos" (TForm4): monthly yield overrides the savings run applies, kept in indice.ini.
#pragma once

#include "core/savings/grid_dialog.hpp"

namespace corvana::savings {

class TForm4 : public GridDialog {
  public:
    explicit TForm4(app::SharedContext& ctx);

    static constexpr const char* kClassName = "TForm4";
    static constexpr const char* kCaption = "Aplicar Expurgos";
    static constexpr const char* kFile = "indice.ini";

    // SPlanosini: 0 "Data" (month), 1 "Expurgo" (yield in percent), 2 "Aplicar ao índice"
    // ("Sim"/"Não").

    // In the program: loads the overrides at start-up.
    void wire(app::App& app) override;
    // Remembers the cell; true when the cell may be edited (columns 0 and 1 of data rows).
    bool SPlanosiniSelectCell(int col, int row);
    // A click on column 2 of a data row toggles "Sim"/"Não".
    void SPlanosiniClick();
    void GravarClick() override;
    // Start-up: loads indice.ini when it exists.
    void carregar();

  private:
    void writeHeaders() override;
};

}  // namespace corvana::savings
