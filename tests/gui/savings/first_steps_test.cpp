// What a first-time user meets in the savings windows: windows kept above the main window,
// the step line, the keyboard, leaving rules, balances that follow their plan, the preview.
#include <QRegularExpression>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QWindow>
#include <set>

#include "core/app/commands.hpp"
#include "core/savings/month_yield_dialog.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/app/report_view.hpp"
#include "savings_gui_harness.hpp"

using namespace corvana;

namespace {

using Harness = corvana::testing::SavingsGuiHarness;

// Counts how often a window is raised.
struct RaiseCounter : QObject {
    int raised = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ZOrderChange) ++raised;
        return false;
    }
};

QWidget* openDaily(Harness& h) {
    QAction* open = h.action("Poupança Diária - com opções de configuração");
    if (open == nullptr) return nullptr;
    open->trigger();
    QWidget* v = h.view("TForm2");
    if (!QTest::qWaitForWindowExposed(v)) return nullptr;
    return v;
}

class FirstStepsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowStaysAboveTheMainWindow() {
        Harness h;
        QVERIFY(h.window->startUp());
        QWidget* v = openDaily(h);
        QVERIFY(v != nullptr);
        // Every view of the registry, the court windows and dialogs included.
        for (const char* cls : {"TForm2", "TForm_tjsp_d", "TForm_jf", "TForm5", "TForm3", "TForm4",
                                "TForm6", "TForm8"}) {
            QWidget* w = h.view(cls);
            QVERIFY2(w != nullptr, cls);
            QCOMPARE(w->windowType(), Qt::Dialog);
            QCOMPARE(w->parentWidget(), h.window.get());
        }
        QVERIFY(v->windowHandle() != nullptr);
        QCOMPARE(v->windowHandle()->transientParent(), h.window->windowHandle());
        // A click on the report brings the main window forward: the calculator goes back on top.
        RaiseCounter counter;
        v->installEventFilter(&counter);
        QTest::mouseClick(h.window->reportView()->viewport(), Qt::LeftButton);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(h.window.get(), &activate);
        QVERIFY(counter.raised > 0);
        QVERIFY(v->isVisible());
        // A hidden window stays hidden.
        h.click("TForm2", "SpeedButton4");
        QTRY_VERIFY(!v->isVisible());
        QApplication::sendEvent(h.window.get(), &activate);
        QVERIFY(!v->isVisible());
    }

    void stepLineKeyboardAndLeavingRules() {
        Harness h;
        QVERIFY(h.window->startUp());
        QWidget* v = openDaily(h);
        QVERIFY(v != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(v));
        auto* step = h.in<QLabel>("TForm2", "Passo");
        QVERIFY(step != nullptr);
        QCOMPARE(step->text(), QString("Passo 1 de 7 — Escolha o plano"));
        h.in<QListWidget>("TForm2", "CPlanos")->item(0)->setCheckState(Qt::Checked);
        h.in<QListWidget>("TForm2", "CPlanos")->item(1)->setCheckState(Qt::Checked);
        // Alt+P is "Próximo".
        QTest::keyClick(v, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(h.form2().page, 1);
        QCOMPARE(step->text(), QString("Passo 2 de 7 — Saldo"));

        // Leaving the balance grid for a button runs its rule: 31 becomes 28.
        h.type("TForm2", "SSaldo", 0, 3, "31");
        h.in<QPushButton>("TForm2", "SpeedButton1")->setFocus();
        QTRY_COMPARE(h.form2().SSaldo.cell(3, 1), std::string("28"));

        // Tab on the last cell leaves the grid instead of going round to the first.
        auto* saldo = h.in<QTableView>("TForm2", "SSaldo");
        saldo->setFocus();
        saldo->setCurrentIndex(saldo->model()->index(saldo->model()->rowCount() - 1,
                                                     saldo->model()->columnCount() - 1));
        QTest::keyClick(saldo, Qt::Key_Tab);
        QVERIFY(!saldo->hasFocus());
        QVERIFY(QApplication::focusWidget() != nullptr);
        QVERIFY(!saldo->isAncestorOf(QApplication::focusWidget()));

        // Enter presses the focused button ("Anterior").
        auto* anterior = h.in<QPushButton>("TForm2", "SpeedButton1");
        anterior->setFocus();
        QTest::keyClick(anterior, Qt::Key_Return);
        QTRY_COMPARE(h.form2().page, 0);
        QCOMPARE(step->text(), QString("Passo 1 de 7 — Escolha o plano"));
    }

    void spaceTogglesSimNaoAndEscapeClosesDialogs() {
        Harness h;
        QVERIFY(h.window->startUp());
        QVERIFY(openDaily(h) != nullptr);
        auto* jmes = h.in<QTableView>("TForm2", "Jmes");
        jmes->setFocus();
        jmes->setCurrentIndex(jmes->model()->index(0, 3));
        QCOMPARE(h.form2().Jmes.cell(3, 1), std::string("Não"));
        QTest::keyClick(jmes, Qt::Key_Space);
        QCOMPARE(h.form2().Jmes.cell(3, 1), std::string("Sim"));
        QTest::keyClick(jmes, Qt::Key_Space);
        QCOMPARE(h.form2().Jmes.cell(3, 1), std::string("Não"));

        h.click("TForm2", "Button1");  // "Adicionar Expurgo"
        QWidget* plans = h.view("TForm3");
        QTRY_VERIFY(plans->isVisible());
        QTest::keyClick(plans, Qt::Key_Escape);
        QTRY_VERIFY(!plans->isVisible());
    }

    void monthYieldRefusesTextEnterComputesEscapeCloses() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.app->modelAs<savings::TForm6>("TForm6")->show();
        QWidget* v = h.view("TForm6");
        QTRY_VERIFY(v->isVisible());
        auto* e1 = h.in<QLineEdit>("TForm6", "Edit1");
        auto* e2 = h.in<QLineEdit>("TForm6", "Edit2");
        auto* e3 = h.in<QLineEdit>("TForm6", "Edit3");
        QTest::keyClicks(e1, "1.000,00");
        QTest::keyClicks(e2, "1.260,60");
        QTest::keyClick(e2, Qt::Key_Return);
        QCOMPARE(e3->text(), QString("26,06"));
        e2->clear();
        QTest::keyClicks(e2, "abc");
        QTest::keyClick(e2, Qt::Key_Return);
        QCOMPARE(h.script.messages.size(), size_t(1));
        QCOMPARE(e3->text(), QString());  // the old result does not stay next to new figures
        QTest::keyClick(e2, Qt::Key_Escape);
        QTRY_VERIFY(!v->isVisible());
    }

    // The walk: Bresser (day 5, 1.111,11) and Verão (day 20, 2.222,22); back, untick
    // Bresser, forward: Verão keeps its own figures.
    void balancesFollowTheirPlanInTheWindow() {
        Harness h;
        QVERIFY(h.window->startUp());
        QVERIFY(openDaily(h) != nullptr);
        auto* list = h.in<QListWidget>("TForm2", "CPlanos");
        list->item(0)->setCheckState(Qt::Checked);
        list->item(1)->setCheckState(Qt::Checked);
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(h.form2().page, 1);
        h.type("TForm2", "SSaldo", 0, 3, "5");
        h.type("TForm2", "SSaldo", 0, 4, "1111,11");
        h.type("TForm2", "SSaldo", 1, 3, "20");
        h.type("TForm2", "SSaldo", 1, 4, "2222,22");
        h.click("TForm2", "SpeedButton1");
        list->item(0)->setCheckState(Qt::Unchecked);
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(h.form2().page, 1);
        auto* saldo = h.in<QTableView>("TForm2", "SSaldo");
        QCOMPARE(saldo->model()->rowCount(), 1);
        QCOMPARE(saldo->model()->index(0, 0).data().toString(), QString("Plano Verão"));
        QCOMPARE(saldo->model()->index(0, 3).data().toString(), QString("20"));
        QCOMPARE(saldo->model()->index(0, 4).data().toString(), QString("2.222,22"));
        QVERIFY(h.script.messages.empty());
    }

    void startPageUntilTheFirstReportAndAboutTellsTheCalculators() {
        Harness h;
        std::set<std::filesystem::path> before;
        for (const auto& e : std::filesystem::recursive_directory_iterator(h.data.path()))
            before.insert(e.path());
        QVERIFY(h.window->startUp());
        const QString start = h.window->reportView()->toPlainText();
        QVERIFY2(start.contains("Bem-vindo ao Corvana"), qPrintable(start));
        QVERIFY(start.contains("Poupança Diária - com opções de configuração"));
        QVERIFY(start.contains("URV") && start.contains("botão Calcular (clique)"));  // the URV row
        QVERIFY(start.contains("poupanca13.tab"));
        QVERIFY(start.contains("11/2026"));
        QVERIFY(start.contains("exemplo (não é índice oficial)"));
        // Only what fontes.tab lists as official is shown as official.
        QVERIFY(start.contains("t0001.tab"));
        const auto rowOf = [&](const QString& table) {
            const qsizetype at = start.indexOf(table);
            return at < 0 ? QString() : start.mid(at, start.indexOf(".tab", at + table.size()) - at);
        };
        QVERIFY2(rowOf("poupanca13.tab").contains("exemplo"), qPrintable(rowOf("poupanca13.tab")));
        QVERIFY2(!rowOf("t0001.tab").contains("exemplo"), qPrintable(rowOf("t0001.tab")));
        QVERIFY(rowOf("t0001.tab").contains("oficial"));
        QVERIFY(start.contains("F1"));
        // Built in memory: nothing written into the data folder.
        std::set<std::filesystem::path> after;
        for (const auto& e : std::filesystem::recursive_directory_iterator(h.data.path()))
            after.insert(e.path());
        QCOMPARE(after, before);
        QVERIFY(h.window->reportView()->currentFile().empty());
        // The first report takes its place.
        h.window->showReport(h.data / "images" / "index.htm");
        QVERIFY(!h.window->reportView()->toPlainText().contains("Bem-vindo ao Corvana"));

        h.window->findChild<QAction*>("Sobre1")->trigger();
        QWidget* about = h.window->view("TAboutBox");
        QTRY_VERIFY(about->isVisible());
        const QString calculators = about->findChild<QLabel*>("Copyright")->text();
        QVERIFY2(calculators.contains("Poupança Diária - com opções de configuração"),
                 qPrintable(calculators));
        QVERIFY(calculators.contains("Justiça Federal"));
    }

    void previewFollowsTheShownDocument() {
        Harness h;
        QVERIFY(h.window->startUp());
        auto* preview = h.window->findChild<QAction*>(app::kVisualizarImpressao);
        QVERIFY(preview != nullptr);
        QVERIFY(!preview->isEnabled());
        const auto form = h.data.path() / "formulario.htm";
        toolkit::writeTextFile(form, "<html><body><p>Formulário</p></body></html>");
        h.script.openAnswers.push_back(form);
        auto* abrir = h.window->findChild<QAction*>("ToolButtonAbrir");
        QVERIFY(abrir != nullptr);
        abrir->trigger();
        QCOMPARE(h.window->reportView()->currentFile(), form);
        QVERIFY(preview->isEnabled());
        h.window->refresh();
        QVERIFY(preview->isEnabled());
    }
};

}  // namespace

QTEST_MAIN(FirstStepsTest)
#include "first_steps_test.moc"
