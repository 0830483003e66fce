// Rows, month tidying and file loading shared by the plan-table and yield-override dialogs.
#include "core/savings/grid_dialog.hpp"

#include <filesystem>

#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::savings {

GridDialog::GridDialog(app::SharedContext& ctx, const char* className, const char* caption,
                       std::string file, int columns, int monthColumn)
    : app::WindowModel(className, caption),
      SPlanosini(columns, 2),
      ctx_(ctx),
      file_(std::move(file)),
      columns_(columns),
      monthColumn_(monthColumn) {}

void GridDialog::show() {
    FormShow();
    ctx_.ui->showWindow(className());
}

void GridDialog::SPlanosiniExit() {
    for (int r = 1; r < SPlanosini.rowCount(); ++r)
        if (toolkit::checkinteiro(SPlanosini.cell(monthColumn_, r)))
            SPlanosini.setCell(monthColumn_, r,
                               toolkit::validadataMA(SPlanosini.cell(monthColumn_, r)));
}

void GridDialog::NovaLinhaClick() {
    SPlanosini.setRowCount(SPlanosini.rowCount() + 1);
}

void GridDialog::ExcluirLinhaClick() {
    if (selectedRow < 1 || selectedRow >= SPlanosini.rowCount()) return;
    if (SPlanosini.rowCount() <= 2) {
        SPlanosini.clearRow(1);
        return;
    }
    toolkit::RemoveLinha(SPlanosini, selectedRow);
    if (selectedRow >= SPlanosini.rowCount()) selectedRow = SPlanosini.rowCount() - 1;
}

void GridDialog::FecharClick() {
    ctx_.ui->closeWindow(className());
}

bool GridDialog::loadFile() {
    const auto path = ctx_.file(file_);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return false;
    SPlanosini.clear();
    SPlanosini.setRowCount(2);
    toolkit::LoadFromFile(path, SPlanosini);
    if (SPlanosini.colCount() < columns_) SPlanosini.setColCount(columns_);
    writeHeaders();
    return true;
}

}  // namespace corvana::savings
