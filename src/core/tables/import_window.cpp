// The import window: the chosen series, its file, the progress and the list of what changed.
#include "core/tables/import_window.hpp"

#include "core/toolkit/error.hpp"

namespace corvana::tables {

TFormImportarSerie::TFormImportarSerie(app::SharedContext& ctx)
    : app::WindowModel(kClassName, kCaption), ctx_(ctx) {
    for (const auto& s : officialSeries())
        ListaSeries.push_back(std::string(s.name) + " — " + s.description + " — " + s.source);
}

void TFormImportarSerie::prepareOpen() {
    serie = -1;
    arquivo.clear();
    progresso = 0;
    etapa.clear();
    alteracoes.clear();
    resultado.clear();
}

void TFormImportarSerie::ListaSeriesClick(int row) {
    serie = row >= 0 && row < static_cast<int>(ListaSeries.size()) ? row : -1;
}

void TFormImportarSerie::BotaoImportarClick() {
    if (serie < 0) {
        ctx_.ui->showMessage("Escolha na lista a série a importar.");
        return;
    }
    const auto file = ctx_.ui->chooseOpenFile(kFilter, "csv");
    if (!file) return;
    const SeriesInfo& info = officialSeries()[static_cast<size_t>(serie)];
    arquivo = file->string();
    alteracoes.clear();
    resultado.clear();
    auto progress = [this](int percent, const std::string& step) {
        progresso = percent;
        etapa = step;
        if (progressChanged) progressChanged();
    };
    try {
        const ImportResult r = importSeries(ctx_.meudir, info.name, *file, pdfWords, progress);
        alteracoes = r.changes;
        resultado = r.changes.empty() ? std::string("Nenhum valor alterado")
                    : r.changes.size() == 1
                        ? std::string("1 valor alterado")
                        : std::to_string(r.changes.size()) + " valores alterados";
        resultado += "; tabelas gravadas:";
        for (const auto& w : r.written) resultado += " " + w + ";";
        etapa = "Concluído";
    } catch (const toolkit::Error& e) {
        progresso = 0;
        etapa = kNothingChanged;
        resultado = kNothingChanged;
        if (progressChanged) progressChanged();
        ctx_.ui->showMessage(std::string(e.what()) + "\n" + kNothingChanged);
    }
    if (progressChanged) progressChanged();
}

void TFormImportarSerie::BotaoFecharClick() {
    ctx_.ui->closeWindow(kClassName);
}

}  // namespace corvana::tables
