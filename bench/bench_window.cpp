// Speed a user feels in the window (offscreen): "Finalizar" to the report shown and laid out,
// "Exportar PDF" of that report, and start-up to the shown main window.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPushButton>
#include <QTextDocument>
#include <filesystem>
#include <memory>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "gui/app/gui_ui.hpp"
#include "gui/app/main_window.hpp"
#include "gui/app/report_view.hpp"
#include "gui/app/views.hpp"

using namespace corvana;
using namespace corvana::toolkit;

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "corvana_bench_window";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Forty years of monthly yields (01/1987 to 12/2026) and the four plans, as in the savings
// benchmark; the calculation uses all four with interest and amortisations up to 11/2026.
struct Folder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvana-bench-window";
    Folder() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        StringGrid t(34, 1);
        t.setCell(0, 0, "Mês");
        const Date d{1987, 1, 1};
        for (int n = 0; n < 480; ++n) {
            const int r = t.rowCount();
            t.setRowCount(r + 1);
            t.setCell(0, r, DateToMonth(IncMonth(d, n)));
            for (int c = 1; c <= 31; ++c)
                t.setCell(c, r, formatfloatx("#,##0.0000", 0.5L + (n % 17) * 0.37L + c * 0.01L));
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
        // The first-run table: start-up asks no question.
        SaveToFile(dir / "Justiça Federal - Ações Condenatórias em Geral.tab", p);
    }
};

const Folder& folder() {
    static const Folder f;
    return f;
}

// The whole program over the folder, the main window shown, the calculation walked to its
// last page through the model.
struct Program {
    app::ScriptedUi script;
    gui::GuiUi ui{&script};
    std::unique_ptr<app::App> app;
    gui::ViewRegistry views;
    std::unique_ptr<gui::MainWindow> window;

    Program() {
        application();
        gui::registerViews(views);
        app::AppOptions options;
        options.dataDir = folder().dir;
        app = std::make_unique<app::App>(ui, options);
        window = std::make_unique<gui::MainWindow>(*app, ui, views);
        window->resize(1200, 800);
        window->show();
        window->startUp();
        QCoreApplication::processEvents();
    }
    savings::TForm2& walkToLastPage() {
        auto& f = *app->modelAs<savings::TForm2>("TForm2");
        app->context().reloadIndice("poupanca13.tab");
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
        QCoreApplication::processEvents();
        return f;
    }
};

// "Finalizar" clicked in the window until the report is shown and laid out in the view.
void BM_FinalizarToReportLaidOut(benchmark::State& state) {
    Program p;
    auto& f = p.walkToLastPage();
    const savings::SavingsState ready = f;
    QWidget* view = p.window->view("TForm2");
    auto* finalizar = view->findChild<QPushButton*>("SpeedButton3");
    for (auto _ : state) {
        state.PauseTiming();
        static_cast<savings::SavingsState&>(f) = ready;
        p.window->showView("TForm2");
        QCoreApplication::processEvents();
        finalizar->setEnabled(true);
        state.ResumeTiming();
        finalizar->click();
        QCoreApplication::processEvents();
        auto* doc = p.window->reportView()->document();
        benchmark::DoNotOptimize(doc->documentLayout()->documentSize());
        if (!p.script.messages.empty()) state.SkipWithError(p.script.messages.front().c_str());
    }
}
BENCHMARK(BM_FinalizarToReportLaidOut)->Unit(benchmark::kMillisecond);

// "Exportar PDF" of that report.
void BM_ExportPdfOfTheReport(benchmark::State& state) {
    Program p;
    auto& f = p.walkToLastPage();
    f.SpeedButton3Click();
    QCoreApplication::processEvents();
    const auto pdf = folder().dir / "relatorio.pdf";
    for (auto _ : state) {
        p.window->printToPdf(pdf);
    }
}
BENCHMARK(BM_ExportPdfOfTheReport)->Unit(benchmark::kMillisecond);

// Start-up: every window model and view created, the main window shown.
void BM_StartUpToShownMainWindow(benchmark::State& state) {
    application();
    folder();
    for (auto _ : state) {
        Program p;
        benchmark::DoNotOptimize(p.window->isVisible());
        state.PauseTiming();
        p.window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
