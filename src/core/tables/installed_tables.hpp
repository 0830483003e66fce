// "Tabelas instaladas" (TFormTabelas): fontes.tab of the data folder in a read-only grid, one
// row per table with its source, edition, last month and whether it holds sample values.
#pragma once

#include <string>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::tables {

class TFormTabelas : public app::WindowModel {
  public:
    static constexpr const char* kClassName = "TFormTabelas";
    static constexpr const char* kCaption = "Tabelas instaladas";

    explicit TFormTabelas(app::SharedContext& ctx);

    toolkit::StringGrid fontes{6, 1};  // header row, then one row per table
    std::string Label1;                // how many tables are official and how many samples

    // The menu command reads fontes.tab afresh.
    void prepareOpen() override { carregar(); }
    void carregar();
    void BotaoFecharClick();

  private:
    app::SharedContext& ctx_;
};

}  // namespace corvana::tables
