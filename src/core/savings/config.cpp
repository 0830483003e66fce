// The yield-override dialog: months whose savings yield replaces the index table's.
#include "core/savings/config.hpp"

#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::savings {

TForm4::TForm4(app::SharedContext& ctx) : app::WindowModel(kClassName, kCaption), ctx_(ctx) {
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

void TForm4::show() {
    FormShow();
    ctx_.ui->showWindow(kClassName);
}

void TForm4::FormShow() { writeHeaders(); }

bool TForm4::SPlanosiniSelectCell(int col, int row) {
    selectedCol = col;
    selectedRow = row;
    return row >= 1 && (col == 0 || col == 1);
}

void TForm4::SPlanosiniClick() {
    if (selectedCol != 2 || selectedRow < 1 || selectedRow >= SPlanosini.rowCount()) return;
    SPlanosini.setCell(2, selectedRow, SPlanosini.cell(2, selectedRow) == "Não" ? "Sim" : "Não");
}

void TForm4::SPlanosiniExit() {
    for (int r = 1; r < SPlanosini.rowCount(); ++r)
        if (toolkit::checkinteiro(SPlanosini.cell(0, r)))
            SPlanosini.setCell(0, r, toolkit::validadataMA(SPlanosini.cell(0, r)));
}

void TForm4::GravarClick() {
    SPlanosiniExit();
    toolkit::SaveToFile(ctx_.file(kFile), SPlanosini);
}

void TForm4::NovaLinhaClick() { SPlanosini.setRowCount(SPlanosini.rowCount() + 1); }

void TForm4::ExcluirLinhaClick() {
    if (selectedRow < 1 || selectedRow >= SPlanosini.rowCount()) return;
    if (SPlanosini.rowCount() <= 2) {
        SPlanosini.clearRow(1);
        return;
    }
    toolkit::RemoveLinha(SPlanosini, selectedRow);
    if (selectedRow >= SPlanosini.rowCount()) selectedRow = SPlanosini.rowCount() - 1;
}

void TForm4::FecharClick() { ctx_.ui->closeWindow(kClassName); }

void TForm4::carregar() {
    const auto path = ctx_.file(kFile);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return;
    SPlanosini.clear();
    SPlanosini.setRowCount(2);
    toolkit::LoadFromFile(path, SPlanosini);
    if (SPlanosini.colCount() < 3) SPlanosini.setColCount(3);
    writeHeaders();
}

}  // namespace corvana::savings
