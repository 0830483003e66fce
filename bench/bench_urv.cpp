// Speed of the URV calculator: a whole replay with its report over 20 years of months, as
// corvana-cli does it, and each "Próximo" of the wizard.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_replay.hpp"
#include "core/urv/urv_wizard.hpp"

using namespace corvana;
using namespace corvana::toolkit;

namespace {

// A data folder with 240 months (03/1994 to 02/2014) in the month list and the index table,
// and a saved calculation with a salary in every month, monthly interest and fees.
struct BenchFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvana-bench-urv";
    std::filesystem::path calc = dir / "vinte-anos.urv";

    BenchFolder() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        StringGrid idx(2, 1), months(2, 1), urv(2, 1);
        idx.setRow(0, {"Mês", "Índice"});
        months.setRow(0, {"Data", "Remuneração"});
        urv.setRow(0, {"Data", "URV"});
        for (int n = 0; n < 240; ++n) {
            const std::string m = DateToMonth(IncMonth(Date{1994, 3, 1}, n));
            idx.setRowCount(n + 2);
            idx.setRow(n + 1, {m, formatfloatx("#,##0.0000", 0.3L + (n % 11) * 0.07L)});
            months.setRowCount(n + 2);
            months.setRow(n + 1, {m, ""});
        }
        const char* days[] = {"05/11/1993", "06/12/1993", "05/01/1994", "04/02/1994"};
        for (int i = 0; i < 4; ++i) {
            urv.setRowCount(i + 2);
            urv.setRow(i + 1, {days[i], formatfloatx("#,##0.00", 170.0L * (i + 1))});
        }
        SaveToFile(dir / "Justiça Federal - Ações Condenatórias em Geral.tab", idx);
        SaveToFile(dir / "urv.tab", months);
        SaveToFile(dir / "urvtab.tab", urv);

        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = dir;
        app::App program(ui, options);
        program.start();
        program.run("SpeedButton1");
        auto& f = *program.modelAs<urv::TFurv>("TFurv");
        f.R19 = true;
        f.Enov93 = days[0], f.Edez93 = days[1], f.Ejan94 = days[2], f.Efev94 = days[3];
        f.Enov = f.Edez = f.Ejan = f.Efev = "1.500.000,00";
        f.Esalpago = "4.000,00";
        for (int i = 0; i < 3; ++i) app::runCommand(ui, [&] { f.SpeedButton2Click(); });
        f.Datafinal = "15/02/2014";
        f.dtacitacao = "10/06/1999";
        f.Eprescricao = "10/06/1994";
        for (int r = 1; r < f.svalores.rowCount(); ++r) f.svalores.setCell(1, r, "1.234,56");
        f.Caplijur = f.Jurmen = f.Chono = true;
        f.salvarx();
        std::filesystem::copy_file(f.backupPath(), calc,
                                   std::filesystem::copy_options::overwrite_existing);
    }
};

BenchFolder& folder() {
    static BenchFolder f;
    return f;
}

// The program started once; each iteration opens the file and runs it to the report.
void BM_UrvReplayWithReport(benchmark::State& state) {
    auto& bf = folder();
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = bf.dir;
    app::App program(ui, options);
    program.start();
    for (auto _ : state) {
        const auto r = urv::replayUrv(program, ui, bf.calc);
        if (r.status != urv::UrvReplayResult::Written) state.SkipWithError("replay stopped");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_UrvReplayWithReport)->Unit(benchmark::kMillisecond);

// The same with the program's start, as one corvana-cli run does it.
void BM_UrvStartAndReplay(benchmark::State& state) {
    auto& bf = folder();
    for (auto _ : state) {
        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = bf.dir;
        app::App program(ui, options);
        program.start();
        const auto r = urv::replayUrv(program, ui, bf.calc);
        if (r.status != urv::UrvReplayResult::Written) state.SkipWithError("replay stopped");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_UrvStartAndReplay)->Unit(benchmark::kMillisecond);

// One "Próximo" from each page (0 → 1 … 3 → 4), on a window read from the saved calculation.
void BM_UrvNext(benchmark::State& state) {
    auto& bf = folder();
    const int from = static_cast<int>(state.range(0));
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = bf.dir;
    app::App program(ui, options);
    program.start();
    program.run("SpeedButton1");
    auto& f = *program.modelAs<urv::TFurv>("TFurv");
    f.readLines(readLines(bf.calc));
    for (int i = 0; i < from; ++i) app::runCommand(ui, [&] { f.SpeedButton2Click(); });
    const urv::UrvState start = f;
    for (auto _ : state) {
        app::runCommand(ui, [&] { f.SpeedButton2Click(); });
        if (f.page != from + 1) state.SkipWithError("Próximo stopped");
        state.PauseTiming();
        static_cast<urv::UrvState&>(f) = start;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UrvNext)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
