// Speed of the FGTS revision: a revision from 02/1991 to the last month of the bundled tables,
// with month-by-month interest and fees, replayed with its report as corvana-cli does it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/fgts/revision_replay.hpp"
#include "core/toolkit/text_file.hpp"

#include <memory>

#ifndef CORVANA_SAMPLE_DIR
#define CORVANA_SAMPLE_DIR "data/tabelas"
#endif

using namespace corvana;

namespace {

// A data folder with the bundled revision tables and a saved revision over every row.
struct BenchFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvana-bench-revision";
    std::filesystem::path calc = dir / "revisao-1991.fgtsd";

    BenchFolder() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        for (const char* t : {"fgtsdifz.tab", "fgtsdifx.tab", "fgtsdifj.tab", "fgtsdifxj.tab",
                              "abre.tab", "font.ini"})
            std::filesystem::copy_file(std::filesystem::path(CORVANA_SAMPLE_DIR) / t, dir / t);
        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = dir;
        app::App program(ui, options);
        program.start();
        auto& f = *program.modelAs<fgts::TFFGTSdif>(fgts::TFFGTSdif::kClassName);
        f.RJan = false;
        f.Rfev = true;
        f.Button1Click();
        for (int r = 1; r < f.svalores.rowCount(); ++r)
            f.svalores.setCell(2, r, r == 1 ? "100.000,00" : r < 41 ? "20.000,00" : "150,00");
        f.ComboBox2 = f.svalores.cell(1, 1);
        f.Caplijur = f.Jurmen = f.Chono = true;
        f.dtacitacao = "15/06/2015";
        f.finalizar();
        std::filesystem::copy_file(f.backupPath(), calc);
    }
};

void BM_RevisionReplay(benchmark::State& state) {
    static BenchFolder folder;
    for (auto _ : state) {
        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = folder.dir;
        app::App program(ui, options);
        program.start();
        const auto r = fgts::replayRevision(program, ui, folder.calc);
        if (r.status != fgts::RevisionReplayResult::Written) state.SkipWithError("replay stopped");
    }
}
BENCHMARK(BM_RevisionReplay)->Unit(benchmark::kMillisecond);

// The finishing step alone on an open window (recalc, interest, backup and report).
void BM_RevisionFinishing(benchmark::State& state) {
    static BenchFolder folder;
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = folder.dir;
    app::App program(ui, options);
    program.start();
    auto& f = *program.modelAs<fgts::TFFGTSdif>(fgts::TFFGTSdif::kClassName);
    f.AbrirClick(folder.calc);
    for (auto _ : state) f.finalizar();
}
BENCHMARK(BM_RevisionFinishing)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The parts of the finishing step, to see where its time goes.
struct OpenWindow {
    app::ScriptedUi ui;
    std::unique_ptr<app::App> program;
    fgts::TFFGTSdif* f = nullptr;
    explicit OpenWindow(const BenchFolder& folder) {
        app::AppOptions options;
        options.dataDir = folder.dir;
        program = std::make_unique<app::App>(ui, options);
        program->start();
        f = program->modelAs<fgts::TFFGTSdif>(fgts::TFFGTSdif::kClassName);
        f->AbrirClick(folder.calc);
        f->finalizar();
    }
};

void BM_RevisionRecalc(benchmark::State& state) {
    static BenchFolder folder;
    OpenWindow w(folder);
    for (auto _ : state) w.f->recalc();
}
BENCHMARK(BM_RevisionRecalc)->Unit(benchmark::kMillisecond);

void BM_RevisionInterest(benchmark::State& state) {
    static BenchFolder folder;
    OpenWindow w(folder);
    for (auto _ : state) w.f->aplicarjuros();
}
BENCHMARK(BM_RevisionInterest)->Unit(benchmark::kMillisecond);

void BM_RevisionReportLines(benchmark::State& state) {
    static BenchFolder folder;
    OpenWindow w(folder);
    for (auto _ : state) benchmark::DoNotOptimize(w.f->reportLines());
}
BENCHMARK(BM_RevisionReportLines)->Unit(benchmark::kMillisecond);

void BM_RevisionFiles(benchmark::State& state) {
    static BenchFolder folder;
    OpenWindow w(folder);
    for (auto _ : state) w.f->writeBackupAndReport();
}
BENCHMARK(BM_RevisionFiles)->Unit(benchmark::kMillisecond);

}  // namespace
