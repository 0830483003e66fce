// Speed of the configured-savings windows: a whole replay as corvana-cli does it, and each "Próximo".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/configured/configured_wizard.hpp"
#include "core/configured/replay.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;
using namespace corvana::toolkit;

namespace {

// A data folder with a Collor month table of 30 years of months (JUL/87 to 12/2026) and a saved
// calculation with every statement month, moratory interest, fees and the remunerative view.
struct BenchFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvana-bench-configured";
    std::filesystem::path calc = dir / "seis-extratos.ex20";

    BenchFolder() {
        static const char* const names[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                              "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const auto v = configured::collorVariant();
        StringGrid t(8, 1);
        t.setRow(0, {"Mês", "Índice", "Valor", "Índice creditado", "Valor creditado", "Diferença",
                     "Saldo", "Moeda"});
        int month = 6, year = 1987;
        size_t k = 0;
        for (int r = 1; year < 2027; ++r) {
            t.setRowCount(r + 1);
            if (k < v.months.size() && v.months[k].tableRow == r) {
                t.setRow(r, {"Extrato " + v.months[k].caption, "0,266903", "", "0,186106", "", "",
                             "", "R$"});
                ++k;
                continue;
            }
            const std::string yy = formatfloatx("00", year % 100);
            t.setRow(r, {std::string(names[month]) + "/" + yy,
                         formatfloatx("0.000000", 0.005L + (r % 13) * 0.0007L), "", "", "", "", "", "R$"});
            if (++month == 12) month = 0, ++year;
        }
        SaveToFile(dir / "mes2.tab", t);
        std::vector<std::string> l = {"Vers federal", "Nome", "Banco", "1", "2", "01", "15/12/2026",
                                      "true", "false", "false", "false", "true", "true", "true"};
        for (int i = 0; i < 20; ++i) l.push_back("1.000,00");
        for (const char* x : {"  /  /    ", "  /  /    ", "", "01/01/2000", "01/01/2026", "1,00",
                              "true", "false", "10"})
            l.push_back(x);
        for (int i = 0; i < 10; ++i) l.push_back("1.000,00");
        writeLines(calc, l);
    }
};

BenchFolder& folder() {
    static BenchFolder f;
    return f;
}

void BM_ReplayWithReport(benchmark::State& state) {
    auto& f = folder();
    for (auto _ : state) {
        app::ScriptedUi ui;
        app::AppOptions options;
        options.dataDir = f.dir;
        app::App program(ui, options);
        program.start();
        const auto r = configured::replayConfigured(program, ui, f.calc, "TForm_conftodos");
        if (r.status != configured::ReplayResult::Written) state.SkipWithError("replay stopped");
    }
}
BENCHMARK(BM_ReplayWithReport)->Unit(benchmark::kMillisecond);

// The slowest "Próximo": the one that reaches the last page, reloads the table and computes.
void BM_ProximoComputing(benchmark::State& state) {
    auto& f = folder();
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = f.dir;
    app::App program(ui, options);
    program.start();
    auto* w = program.modelAs<configured::ConfiguredWizard>("TForm_conftodos");
    w->shown();
    ui.openAnswers.push_back(f.calc);
    w->SpeedButton5Click();
    for (auto _ : state) {
        w->page = 8;
        w->SpeedButton2Click();
        if (!w->finalizarEnabled) state.SkipWithError("not computed");
    }
}
BENCHMARK(BM_ProximoComputing)->Unit(benchmark::kMillisecond);

}  // namespace
