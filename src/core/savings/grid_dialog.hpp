// The common part of the savings settings dialogs: one table grid kept in a file of the data
// folder, rows added and removed by hand, a month column tidied when the grid is left.
#pragma once

#include <string>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::savings {

class GridDialog : public app::WindowModel {
  public:
    toolkit::StringGrid SPlanosini;
    int selectedRow = 1;
    int selectedCol = 0;

    void show();
    void shown() { FormShow(); }  // its view became visible
    void FormShow() { writeHeaders(); }
    // Leaving the grid: a month cell with a digit becomes "mm/yyyy" (validadataMA).
    void SPlanosiniExit();
    void NovaLinhaClick();
    // Deletes the selected data row; the only data row is emptied instead, so there is
    // always a row to type into.
    void ExcluirLinhaClick();
    void FecharClick();
    // Sorts or tidies the table as the dialog requires and writes its file.
    virtual void GravarClick() = 0;
    // Remembers the cell the user reached (the row "Excluir Linha" acts on).
    void selectCell(int col, int row) {
        selectedCol = col;
        selectedRow = row;
    }

  protected:
    GridDialog(app::SharedContext& ctx, const char* className, const char* caption,
               std::string file, int columns, int monthColumn);
    // Loads the dialog's file into a fresh grid when it exists; false when there is none.
    bool loadFile();
    virtual void writeHeaders() = 0;

    app::SharedContext& ctx_;

  private:
    std::string file_;
    int columns_;
    int monthColumn_;
};

}  // namespace corvana::savings
