// The court-debt windows driven through their widgets: each menu command opens its window with
// its caption and table, and a calculation in each goes from the plan list to the report shown
// in the main window.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <memory>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/savings_wizard.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "gui/app/gui_ui.hpp"
#include "gui/app/main_window.hpp"
#include "gui/app/report_view.hpp"
#include "gui/app/views.hpp"
#include "savings_gui_harness.hpp"
#include "test_support.hpp"

using namespace corvana;
using corvana::testing::TempDir;

namespace {

using Harness = corvana::testing::SavingsGuiHarness;

struct Court {
    const char* command;
    const char* window;
    const char* title;
    const char* table;
    bool sample;  // fontes.tab of the bundled folder marks the table "Sim"
};
const Court kCourts[] = {
    {"Débitos Judiciais São Paulo (mês a mês)", "TForm_tjsp_d",
     "Débitos Judiciais São Paulo (mês a mês)", "tjsp.tab", false},
    {"Débitos Judiciais MG - MT - MS - ES (mês a mês)", "TForm_tjsp_d",
     "Débitos Judiciais MG - MT - MS - ES (mês a mês)", "tjmg.tab", true},
    {"Débitos Judiciais PR (mês a mês)", "TForm_tjsp_d", "Débitos Judiciais PR (mês a mês)",
     "tjpr.tab", true},
    {"Débitos Judiciais PR (mês a mês - não expurgada)", "TForm_tjsp_d",
     "Débitos Judiciais PR (mês a mês - não expurgada)", "tjpre.tab", true},
    {"Justiça Federal", "TForm_jf", "Justiça Federal", "jf.tab", false},
    {"Débitos Judiciais São Paulo", "TForm5", "Cálculos por Estado - Débitos Judiciais São Paulo",
     "t0001.tab", false},
};

class CourtViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachCommandOpensItsWindowWithItsCaptionAndTable() {
        Harness h;
        QVERIFY(h.window->startUp());
        for (const auto& c : kCourts) {
            QAction* a = h.action(QString::fromUtf8(c.command));
            QVERIFY2(a != nullptr, c.command);
            if (a->isVisible()) {
                a->trigger();
            } else {
                // The Paraná entries are defined but hidden: the command itself still works.
                const app::Command* command = nullptr;
                for (const auto& x : app::commandTable())
                    if (x.place == app::Place::PopupCalcular && x.caption == c.command)
                        command = &x;
                QVERIFY(command != nullptr && command->hidden);
                QVERIFY(h.app->run(*command));
            }
            QTRY_VERIFY2(h.view(c.window)->isVisible(), c.command);
            QCOMPARE(h.view(c.window)->windowTitle(), QString::fromUtf8(c.title));
            toolkit::StringGrid table(1, 2);
            toolkit::LoadFromFile(h.data / c.table, table);
            QCOMPARE(h.app->context().indice, table);
            QCOMPARE(h.in<QLabel>(c.window, "Label5")->text(),
                     QString::fromStdString("Tabela atualizada até: " +
                                            table.cell(0, table.rowCount() - 1)));
            // A sample table is flagged beside the label, an official one is not.
            QCOMPARE(h.in<QLabel>(c.window, "LabelExemplo")->isVisible(), c.sample);
            if (c.sample) h.shot(c.window, "tabela-de-exemplo");
            QCOMPARE(h.in<QListWidget>(c.window, "CPlanos")->count(), 4);  // from planos.ini
            QCOMPARE(h.in<QStackedWidget>(c.window, "PageControl1")->currentIndex(), 0);
            h.click(c.window, "SpeedButton4");  // "Fechar"
            QTRY_VERIFY(!h.view(c.window)->isVisible());
        }
        QVERIFY(h.script.messages.empty());
    }

    // A court command run while the state-court window stays open gives the open window the
    // new court's caption, as its report will carry that court's "Índices usados" line.
    void courtCommandReCaptionsTheOpenWindow() {
        Harness h;
        QVERIFY(h.window->startUp());
        const char* w = "TForm_tjsp_d";
        const char* const commands[] = {"Débitos Judiciais MG - MT - MS - ES (mês a mês)",
                                        "Débitos Judiciais São Paulo (mês a mês)",
                                        "Débitos Judiciais MG - MT - MS - ES (mês a mês)"};
        for (const char* command : commands) {
            h.action(QString::fromUtf8(command))->trigger();
            QTRY_VERIFY(h.view(w)->isVisible());
            QCOMPARE(QString::fromStdString(h.model(w).caption()), QString::fromUtf8(command));
            QCOMPARE(h.view(w)->windowTitle(), QString::fromUtf8(command));
        }
        QVERIFY(h.script.messages.empty());
    }

    // The factor window: no index overrides, interest modes instead of the month-by-month group,
    // no amortisation page; compound interest; the report shown in the main window.
    void saoPauloFactorsToTheReport() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.action("Débitos Judiciais São Paulo")->trigger();
        const char* w = "TForm5";
        QTRY_VERIFY(h.view(w)->isVisible());
        auto& m = h.model(w);
        auto* pages = h.in<QStackedWidget>(w, "PageControl1");
        QCOMPARE(pages->count(), 7);  // six pages and the hidden one
        QVERIFY(!h.in<QPushButton>(w, "Button3")->isVisibleTo(h.view(w)));
        auto* list = h.in<QListWidget>(w, "CPlanos");
        list->item(0)->setCheckState(Qt::Checked);
        list->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(m.SPlanos.cell(0, 3), std::string("Data Atual"));
        h.shot(h.view(w), "sp-page0");
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 1);
        h.type(w, "SSaldo", 0, 4, "10.000,00");
        h.type(w, "SSaldo", 1, 3, "5");
        h.type(w, "SSaldo", 1, 4, "100.000,00");
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 2);
        QCOMPARE(m.SBase.cell(4, 2), std::string("44.800,00"));
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 3);
        QVERIFY(h.in<QRadioButton>(w, "Rsimples")->isChecked());
        QVERIFY(!h.in<QTableView>(w, "Jmes")->isVisibleTo(h.view(w)));
        QTest::mouseClick(h.in<QRadioButton>(w, "Rcomposto"), Qt::LeftButton);
        QVERIFY(m.Rcomposto);
        h.type(w, "STJuros", 0, 0, "15/03/1995");
        h.type(w, "STJuros", 0, 1, "15/03/2000");
        h.type(w, "STJuros", 0, 2, "1");
        h.shot(h.view(w), "sp-page3");
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 4);
        QCOMPARE(m.STJuros.cell(3, 1), std::string("79,87"));
        QCOMPARE(m.planilha.cell(4, 3), std::string("R$ 6.413,55"));
        h.shot(h.view(w), "sp-page4");
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 5);
        h.click(w, "SpeedButton3");  // "Finalizar"
        QTRY_VERIFY(!h.view(w)->isVisible());
        QVERIFY(h.script.messages.empty());
        QVERIFY(std::filesystem::exists(h.data / "tempsp.back"));
        QCOMPARE(h.window->reportView()->currentFile(), h.data / "teste.html");
        const QString text = h.window->reportView()->toPlainText();
        QVERIFY(text.contains("Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo"));
        QVERIFY(text.contains("TOTAL = R$ 6.413,55 X 79,87% = R$ 11.536,05"));
        h.shot(h.window.get(), "sp-report");
    }

    // The month-by-month windows: a plan brought up to date and the report shown.
    void monthByMonthToTheReport() {
        const std::pair<const char*, const char*> cases[] = {
            {"Débitos Judiciais São Paulo (mês a mês)", "Tribunal de Justiça de São Paulo"},
            {"Justiça Federal", "Índices usados: Justiça Federal"}};
        for (const auto& [command, indices] : cases) {
            Harness h;
            QVERIFY(h.window->startUp());
            h.action(QString::fromUtf8(command))->trigger();
            const char* w =
                QString::fromUtf8(command) == "Justiça Federal" ? "TForm_jf" : "TForm_tjsp_d";
            QTRY_VERIFY(h.view(w)->isVisible());
            QVERIFY(!h.in<QRadioButton>(w, "Rtr")->isVisibleTo(h.view(w)));
            h.click(w, "ToolbarButton971");  // "Novo": the header and footer of the data folder
            QVERIFY(!h.model(w).Memo1.empty());
            auto* pages = h.in<QStackedWidget>(w, "PageControl1");
            h.in<QListWidget>(w, "CPlanos")->item(1)->setCheckState(Qt::Checked);
            h.type(w, "SPlanos", 1, 1, "12/1995");
            h.click(w, "SpeedButton2");
            h.type(w, "SSaldo", 0, 4, "25.000,00");
            for (int page = 2; page <= 6; ++page) {
                h.click(w, "SpeedButton2");
                QCOMPARE(pages->currentIndex(), page);
            }
            h.shot(h.view(w), QString(w) + "-planilha");
            h.click(w, "SpeedButton3");
            QTRY_VERIFY(!h.view(w)->isVisible());
            QVERIFY(h.script.messages.empty());
            const auto report = h.data / (QString(w) == "TForm_jf" ? "jf.html" : "teste.html");
            QCOMPARE(h.window->reportView()->currentFile(), report);
            QVERIFY(h.window->reportView()->toPlainText().contains(QString::fromUtf8(indices)));
            QVERIFY(h.window->reportView()->toPlainText().contains("TOTAL ="));
            QVERIFY(h.window->reportView()->toPlainText().contains(
                QString::fromStdString(h.model(w).Memo1.front())));
            h.window->reportView()->verticalScrollBar()->setValue(0);
            h.shot(h.window.get(), QString(w) + "-report");
        }
    }
};

}  // namespace

QTEST_MAIN(CourtViewsTest)
#include "court_views_test.moc"
