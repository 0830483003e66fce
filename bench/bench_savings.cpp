// Speed of the savings calculator: a whole replay as corvana-cli does it, and each "Próximo".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/savings/replay.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

using namespace corvana;
using namespace corvana::toolkit;

namespace {

// A data folder with forty years of monthly yields (01/1987 to 12/2026), the four plans and a
// saved calculation that uses all four with interest and amortisations up to 12/2026.
struct BenchFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvana-bench-savings";
    std::filesystem::path calc = dir / "quatro-planos.e12";

    BenchFolder() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        StringGrid t(34, 1);
        t.setCell(0, 0, "Mês");
        Date d{1987, 1, 1};
        for (int n = 0; n < 480; ++n) {
            const int r = t.rowCount();
            t.setRowCount(r + 1);
            t.setCell(0, r, DateToMonth(IncMonth(d, n)));
            for (int c = 1; c <= 31; ++c) t.setCell(c, r, formatfloatx("#,##0.0000", 0.5L + (n % 17) * 0.37L + c * 0.01L));
            t.setCell(32, r, n < 25 ? "Cz$" : "R$");
            t.setCell(33, r, n == 24 ? "1000" : "");
        }
        SaveToFile(dir / "poupanca13.tab", t);
        StringGrid p(10, 5);
        p.setRow(0, {"Expurgo", "Data"});
        p.setRow(1, {"Plano Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,02", "IPC", "26,06", ""});
        p.setRow(2, {"Plano Verão", "01/1989", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$"});
        p.setRow(3, {"Plano Collor I", "04/1990", "44,80", "", "Cr$", "BTN", "0,00", "IPC", "44,80", ""});
        p.setRow(4, {"Plano Collor II", "02/1991", "14,87", "", "Cr$", "TRD", "7,00", "IPC", "21,87", ""});
        SaveToFile(dir / "planos.ini", p);

        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = dir;
        app::App program(ui, options);
        program.start();
        auto& f = *program.modelAs<savings::TForm2>("TForm2");
        program.context().reloadIndice("poupanca13.tab");
        f.show();
        for (int i = 0; i < 4; ++i) f.CPlanos.setChecked(i, true);
        f.CPlanosClick();
        f.RComjurosClick();
        f.Jmes.setRow(1, {"01/01/1988", "31/12/2020", "0,5", "Não"});
        f.STJuros.setRow(1, {"01/07/1987", "30/11/2026", "0,5"});
        f.SpeedButton2Click();
        for (int k = 1; k <= 4; ++k) f.SSaldo.setCell(4, k, "10.000,00");
        for (int r = 5; r < f.amortizacao.rowCount(); r += 40) {
            f.amortizacao.setCell(1, r, "Pagamento");
            f.amortizacao.setCell(2, r, "1,00");
        }
        while (f.page < 6) f.SpeedButton2Click();
        f.SpeedButton3Click();
        std::filesystem::copy_file(dir / "temp2.back", calc, std::filesystem::copy_options::overwrite_existing);
    }
};

const BenchFolder& folder() {
    static const BenchFolder f;
    return f;
}

// The replay corvana-cli runs once the program's models exist and started: open the file,
// "Próximo" to the last page, "Finalizar" (report and backup written to disk).
void BM_ReplayFourPlansFortyYears(benchmark::State& state) {
    const auto& f = folder();
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = f.dir;
    app::App program(ui, options);
    program.start();
    for (auto _ : state) {
        const auto result = savings::replayCalculation(program, ui, f.calc);
        if (result.status != savings::ReplayResult::Written) state.SkipWithError("replay stopped");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ReplayFourPlansFortyYears)->Unit(benchmark::kMillisecond);

// The same with the program's start-up (every window model, font.ini, the index table).
void BM_StartAndReplayFourPlansFortyYears(benchmark::State& state) {
    const auto& f = folder();
    for (auto _ : state) {
        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = f.dir;
        app::App program(ui, options);
        program.start();
        const auto result = savings::replayCalculation(program, ui, f.calc);
        if (result.status != savings::ReplayResult::Written) state.SkipWithError("replay stopped");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_StartAndReplayFourPlansFortyYears)->Unit(benchmark::kMillisecond);

// One "Próximo" from page `from` to the next, with the calculation above opened.
void BM_Proximo(benchmark::State& state) {
    const auto& f = folder();
    const int from = static_cast<int>(state.range(0));
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = f.dir;
    app::App program(ui, options);
    program.start();
    auto& form = *program.modelAs<savings::TForm2>("TForm2");
    ui.openAnswers.push_back(f.calc);
    form.SpeedButton5Click();
    while (form.page < from) form.SpeedButton2Click();
    const savings::SavingsState start = form;
    for (auto _ : state) {
        static_cast<savings::SavingsState&>(form) = start;
        form.SpeedButton2Click();
    }
    if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().c_str());
}
BENCHMARK(BM_Proximo)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
