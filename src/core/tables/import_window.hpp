// "Importar série oficial" (TFormImportarSerie): the user picks an official series from the
// list, then the file exported from its source; the import shows its progress and then what
// changed, or the message that refused the file with nothing changed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/tables/converter.hpp"

namespace corvana::tables {

class TFormImportarSerie : public app::WindowModel {
  public:
    static constexpr const char* kClassName = "TFormImportarSerie";
    static constexpr const char* kCaption = "Importar série oficial";
    static constexpr const char* kFilter =
        "Séries oficiais|*.csv;*.json;*.txt;*.pdf|Todos os arquivos|*.*";
    static constexpr const char* kNothingChanged = "Nada foi alterado na pasta de dados.";

    explicit TFormImportarSerie(app::SharedContext& ctx);

    // One line per series: "inpc — INPC (% ao mês) — IBGE, INPC (…)".
    std::vector<std::string> ListaSeries;
    int serie = -1;                       // the chosen row of ListaSeries
    std::string arquivo;                  // the file of the last import
    int progresso = 0;                    // 0..100
    std::string etapa;                    // the step under way, or the outcome
    std::vector<std::string> alteracoes;  // "03/2025: 0,56 → 0,58", one per value changed
    std::string resultado;                // summary of the last import

    // The PDF reader for the TJSP table (the program sets it; unset, PDFs are refused).
    PdfWordsReader pdfWords;
    // Called on every progress step, so that the window repaints while the import runs.
    std::function<void()> progressChanged;

    // The menu command's set-up: a fresh window with nothing chosen.
    void prepareOpen() override;
    void ListaSeriesClick(int row);
    // "Importar…": asks for the file of the chosen series and imports it.
    void BotaoImportarClick();
    void BotaoFecharClick();

  private:
    app::SharedContext& ctx_;
};

}  // namespace corvana::tables
