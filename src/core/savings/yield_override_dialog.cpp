// The yield-override dialog: months whose savings yield replaces the index table's.
#include "core/savings/yield_override_dialog.hpp"

#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::savings {

TForm4::TForm4(app::SharedContext& ctx) : GridDialog(ctx, kClassName, kCaption, kFile, 3, 0) {
    writeHeaders();
}

void TForm4::wire(app::App&) {
    app::runCommand(*ctx_.ui, [this] { carregar(); });
}

void TForm4::writeHeaders() {
    SPlanosini.setCell(0, 0, "Data");
    SPlanosini.setCell(1, 0, "Expurgo");
    SPlanosini.setCell(2, 0, "Aplicar ao índice");
}

bool TForm4::SPlanosiniSelectCell(int col, int row) {
    selectCell(col, row);
    return row >= 1 && (col == 0 || col == 1);
}

void TForm4::SPlanosiniClick() {
    if (selectedCol != 2 || selectedRow < 1 || selectedRow >= SPlanosini.rowCount()) return;
    SPlanosini.setCell(2, selectedRow, SPlanosini.cell(2, selectedRow) == "Não" ? "Sim" : "Não");
}

void TForm4::GravarClick() {
    SPlanosiniExit();
    toolkit::SaveToFile(ctx_.file(kFile), SPlanosini);
}

void TForm4::carregar() {
    loadFile();
}

}  // namespace corvana::savings
