// The FGTS revision window driven through its widgets: the "FGTS" pop-up command, both pages,
// a deposit typed into the input grid, "Finalizar", the report and the backup reopened.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

#include "core/fgts/fgts_revision.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/app/report_view.hpp"
#include "gui/savings/savings_gui_harness.hpp"

using namespace corvana;

class RevisionGuiTest : public QObject {
    Q_OBJECT
  private slots:
    void walkThroughTheWindow();
    void dailyEntriesReachTheInputGrid();
};

void RevisionGuiTest::walkThroughTheWindow() {
    testing::SavingsGuiHarness h;
    const char* cls = fgts::TFFGTSdif::kClassName;
    auto& m = *h.app->modelAs<fgts::TFFGTSdif>(cls);
    QAction* open = nullptr;
    for (QAction* a : h.window->popupMenu(app::Place::PopupFgts)->actions())
        if (a->text() == "Revisão TR X INPC ou IPCA-E") open = a;
    QVERIFY(open != nullptr);
    QVERIFY(open->isEnabled());
    open->trigger();
    QWidget* w = h.view(cls);
    QVERIFY(w != nullptr);
    QTRY_VERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QString("Diferenças do FGTS"));
    QVERIFY(!h.in<QPushButton>(cls, "SpeedButton3")->isEnabled());
    // The bundled data folder has abre.tab: the start choice is offered.
    QVERIFY(h.in<QRadioButton>(cls, "RJan")->isVisibleTo(w));
    // Money typing: digits enter from the right, other keys are refused, Delete is Backspace.
    auto* eq = h.in<QLineEdit>(cls, "Eq");
    eq->setFocus();
    QTest::keyClicks(eq, "2x");
    QCOMPARE(m.Eq, std::string("10,02"));
    QTest::keyClick(eq, Qt::Key_Delete);
    QCOMPARE(m.Eq, std::string("1,00"));
    QCOMPARE(eq->text(), QString("1,00"));
    auto* ehono = h.in<QLineEdit>(cls, "Ehono");
    ehono->setFocus();
    QTest::keyClick(ehono, Qt::Key_Backspace);
    QTest::keyClick(ehono, Qt::Key_Backspace);
    QTest::keyClicks(ehono, "1a5");
    QCOMPARE(m.Ehono, std::string("15"));
    h.in<QCheckBox>(cls, "Chono")->setFocus();
    QTest::keyClick(h.in<QCheckBox>(cls, "Chono"), Qt::Key_Space);
    QVERIFY(m.Chono);
    h.shot(cls, "revisao-pagina0");
    h.click(cls, "SpeedButton2");
    QCOMPARE(h.in<QStackedWidget>(cls, "PageControl1")->currentIndex(), 1);
    QCOMPARE(h.in<QComboBox>(cls, "ComboBox2")->currentText(), QString("07/12/1998"));
    QVERIFY(h.in<QComboBox>(cls, "ComboBox1")->count() > 300);
    h.type(cls, "svalores", 0, 2, "1.000,00");
    QCOMPARE(m.sfgts.cell(4, 1), std::string("1.000,00"));
    QCOMPARE(m.sfgts.cell(7, 1), std::string("1.009,92"));  // TR 0,7434 and 0,2466 a month
    h.type(cls, "svalores", 1, 2, "100,00");
    auto* grid = h.in<QTableView>(cls, "svalores");
    grid->setCurrentIndex(grid->model()->index(2, 2));
    h.click(cls, "Button5");  // "Repetir" on row 3 copies row 2
    QCOMPARE(m.svalores.cell(2, 3), std::string("100,00"));
    QCOMPARE(m.sfgts.cell(2, 3), std::string("100,00"));
    QCOMPARE(grid->currentIndex().row(), 3);
    h.shot(cls, "revisao-pagina1");
    auto* final = h.in<QComboBox>(cls, "ComboBox1");
    final->setCurrentText("10/12/1999");
    QCOMPARE(m.ComboBox1, std::string("10/12/1999"));
    h.click(cls, "SpeedButton3");
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(h.window->reportView()->currentFile(), m.reportPath());
    QVERIFY(h.window->reportView()->toPlainText().contains(
        "DEMONSTRATIVO DA DIFERENÇA ENTRE VALOR PAGO E VALOR APURADO"));
    const std::string report = toolkit::readTextFile(m.reportPath());
    QVERIFY(report.find("VALOR DEVIDO EM: 12/1999") != std::string::npos);
    QVERIFY(report.find("HONORÁRIOS: (15%)") != std::string::npos);
    h.shot(static_cast<QWidget*>(nullptr), "revisao-relatorio");
    // The backup brings the calculation back after a new one was started.
    open->trigger();
    QTRY_VERIFY(w->isVisible());
    h.click(cls, "Button1");
    QCOMPARE(m.svalores.cell(2, 1), std::string(""));
    h.click(cls, "SpeedButton18");
    QCOMPARE(m.svalores.cell(2, 1), std::string("1.000,00"));
    QCOMPARE(m.ComboBox1, std::string("10/12/1999"));
    QCOMPARE(h.in<QComboBox>(cls, "ComboBox1")->currentText(), QString("10/12/1999"));
}

void RevisionGuiTest::dailyEntriesReachTheInputGrid() {
    testing::SavingsGuiHarness h;
    const char* cls = fgts::TFFGTSdif::kClassName;
    auto& m = *h.app->modelAs<fgts::TFFGTSdif>(cls);
    for (QAction* a : h.window->popupMenu(app::Place::PopupFgts)->actions())
        if (a->text() == "Revisão TR X INPC ou IPCA-E") a->trigger();
    QWidget* w = h.view(cls);
    QTRY_VERIFY(w->isVisible());
    h.click(cls, "SpeedButton2");
    h.click(cls, "Button9");
    QWidget* daily = h.view("TFmanual");
    QVERIFY(daily != nullptr);
    QTRY_VERIFY(daily->isVisible());
    QTRY_VERIFY(!w->isVisible());
    auto* sdia = h.in<QTableView>("TFmanual", "sdia");
    QCOMPARE(sdia->model()->columnCount(), 4);
    // The view shows every day laid out (up to the last credit date of the table).
    QVERIFY(sdia->verticalHeader()->count() > 9000);
    QCOMPARE(sdia->model()->headerData(2, Qt::Horizontal).toString(), QString("Saques"));
    QCOMPARE(sdia->model()->index(0, 0).data().toString(), QString("07/12/1998"));
    h.type("TFmanual", "sdia", 0, 1, "250,00");  // 07/12/1998
    h.type("TFmanual", "sdia", 2, 2, "50,00");   // 09/12/1998, a withdrawal
    h.type("TFmanual", "sdia", 40, 1, "80,00");  // 16/01/1999
    h.shot("TFmanual", "revisao-diario");
    h.click("TFmanual", "Button3");
    QTRY_VERIFY(w->isVisible());
    QVERIFY(!daily->isVisible());
    QCOMPARE(m.svalores.cell(2, 1), std::string("250,00"));
    QCOMPARE(m.svalores.cell(3, 1), std::string("50,00"));
    QCOMPARE(m.svalores.cell(2, 2), std::string("80,00"));
    QCOMPARE(m.sfgts.cell(4, 1), std::string("200,00"));
    auto* grid = h.in<QTableView>(cls, "svalores");
    QCOMPARE(grid->model()->index(0, 2).data().toString(), QString("250,00"));
    QCOMPARE(h.in<QStackedWidget>(cls, "PageControl1")->currentIndex(), 1);
    // "Fechar" of the daily window brings this calculator back.
    h.click(cls, "Button9");
    QTRY_VERIFY(daily->isVisible());
    h.click("TFmanual", "Button4");
    QTRY_VERIFY(w->isVisible());
    QVERIFY(!daily->isVisible());
}

QTEST_MAIN(RevisionGuiTest)
#include "revision_gui_test.moc"
