// Speed of the FGTS windows: each replay as corvana-cli does it, and the slowest "Próximo".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/fgts_replay.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;

namespace {

const std::filesystem::path kSource = CORVANA_SOURCE_DIR;

// The bundled FGTS tables (the JAM table and the month tables reach 06/2024) and two saved
// calculations that run through all of them: the balance way and the progressive interest.
struct FgtsFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvana-bench-fgts";
    std::filesystem::path balance = dir / "saldo.fg";
    std::filesystem::path yield = dir / "rendimento.fg";
    std::filesystem::path juros = dir / "juros.jfgts";

    FgtsFolder() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        for (const char* t : {"fgts.tab", "fgtsmes3.tab", "fgtsmes6.tab", "fgtsjuros.tab"})
            std::filesystem::copy_file(kSource / "data" / "tabelas" / t, dir / t);
        const auto cases = kSource / "tests" / "data" / "fgts";
        auto fg = toolkit::readLines(cases / "saldo-seis-por-cento" / "calculo.fg");
        fg[2] = "30/06/2024";  // every month of the table
        toolkit::writeLines(balance, fg);
        std::filesystem::copy_file(cases / "rendimento-juros-honorarios-custas" / "calculo.fg",
                                   yield);
        std::filesystem::copy_file(cases / "juros-ipc-ate-jul94" / "calculo.jfgts", juros);
    }
};

FgtsFolder& folder() {
    static FgtsFolder f;
    return f;
}

struct Program {
    app::ScriptedUi ui;
    app::App app{ui, app::AppOptions{folder().dir, folder().dir, "1.0.0.1"}};
    Program() { app.start(); }
};

void BM_PurgeReplayBalanceWay(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        const auto r = fgts::replayPurges(p.app, p.ui, folder().balance);
        if (r.status != fgts::FgtsReplayResult::Written) state.SkipWithError("replay stopped");
    }
}
BENCHMARK(BM_PurgeReplayBalanceWay)->Unit(benchmark::kMillisecond);

void BM_PurgeReplayYieldWay(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        const auto r = fgts::replayPurges(p.app, p.ui, folder().yield);
        if (r.status != fgts::FgtsReplayResult::Written) state.SkipWithError("replay stopped");
    }
}
BENCHMARK(BM_PurgeReplayYieldWay)->Unit(benchmark::kMillisecond);

// "Próximo" leaving page 4 in the balance way: the month table loaded and run (the slowest).
void BM_PurgeProximoLeavingPage4(benchmark::State& state) {
    Program p;
    auto& form = *p.app.modelAs<fgts::TFormFGTS>("TFormFGTS");
    p.app.run("ExpurgosdoFGTS1");
    form.abrir(folder().balance);
    for (auto _ : state) {
        form.page = 4;
        form.ProximoClick();
    }
}
BENCHMARK(BM_PurgeProximoLeavingPage4)->Unit(benchmark::kMillisecond);

void BM_ProgressiveReplay(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        const auto r = fgts::replayProgressive(p.app, p.ui, folder().juros);
        if (r.status != fgts::FgtsReplayResult::Written) state.SkipWithError("replay stopped");
    }
}
BENCHMARK(BM_ProgressiveReplay)->Unit(benchmark::kMillisecond);

// One typed value: recalc over the whole month list.
void BM_ProgressiveCellEdit(benchmark::State& state) {
    Program p;
    auto& form = *p.app.modelAs<fgts::TForm_FGTS>("TForm_FGTS");
    form.Button1Click();
    form.abrir(folder().juros);
    for (auto _ : state) form.svaloresSetEditText(1, 1, "12,34");
}
BENCHMARK(BM_ProgressiveCellEdit)->Unit(benchmark::kMillisecond);

}  // namespace
