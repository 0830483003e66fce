// A user's walk through the URV calculator by its widgets: toolbar "Calcular", the six pages,
// the daily entries window, the law text, "Finalizar" to the report, save and reopen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_wizard.hpp"
#include "gui/savings/savings_gui_harness.hpp"

using corvana::testing::SavingsGuiHarness;

class UrvWalk : public QObject {
    Q_OBJECT

    static void typeInto(QLineEdit* e, const QString& keys) {
        QVERIFY(e != nullptr);
        e->setFocus();
        QTest::keyClicks(e, keys);
    }

    // Clicks a check box or radio button on its box, as a user does.
    static void tick(QAbstractButton* b) {
        QVERIFY(b != nullptr);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

  private slots:
    void walkToTheReport() {
        SavingsGuiHarness h;
        auto& m = *h.app->modelAs<corvana::urv::TFurv>("TFurv");
        auto* calcular = h.window->findChild<QPushButton*>("SpeedButton1");
        QVERIFY(calcular != nullptr);
        QTest::mouseClick(calcular, Qt::LeftButton);
        QWidget* w = h.view("TFurv");
        QTRY_VERIFY(w->isVisible());
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* pages = w->findChild<QStackedWidget*>("PageControl1");
        QCOMPARE(pages->currentIndex(), 0);
        QVERIFY(!w->findChild<QPushButton*>("SpeedButton1")->isEnabled());
        // The table of the index box and the URV days were loaded by the button.
        QVERIFY(h.app->context().Taburv.rowCount() > 100);

        // Page 0: "Próximo" without an article is refused.
        h.click("TFurv", "SpeedButton2");
        QCOMPARE(QString::fromStdString(h.script.messages.back()),
                 QString("escolha o cálculo que deseja realizar segundo o art. 19 ou art. 22 da "
                         "Lei 8.880/94 "));
        QCOMPARE(pages->currentIndex(), 0);
        tick(h.in<QRadioButton>("TFurv", "R19"));
        h.in<QPlainTextEdit>("TFurv", "Memo1")->setPlainText("Processo 123\nAutor: Maria");
        // The law text of art. 19.
        h.click("TFurv", "Button19");
        QTRY_VERIFY(h.view("TFtexto")->isVisible());
        QVERIFY(h.in<QPlainTextEdit>("TFtexto", "Memo1")->toPlainText().contains("Art. 19"));
        h.shot("TFtexto", "urv-law-text");
        h.click("TFtexto", "Button1");
        QTRY_VERIFY(!h.view("TFtexto")->isVisible());
        QApplication::setActiveWindow(w);
        const char* dates[] = {"Enov93", "Edez93", "Ejan94", "Efev94"};
        const char* typed[] = {"05111993", "06121993", "05011994", "04021994"};
        for (int i = 0; i < 4; ++i) typeInto(h.in<QLineEdit>("TFurv", dates[i]), typed[i]);
        const char* money[] = {"Enov", "Edez", "Ejan", "Efev"};
        for (auto* name : money)
            typeInto(h.in<QLineEdit>("TFurv", name), "a150000000");  // letters are refused
        typeInto(h.in<QLineEdit>("TFurv", "Esalpago"), "400000");
        QCOMPARE(h.in<QLineEdit>("TFurv", "Enov")->text(), QString("1.500.000,00"));
        QCOMPARE(QString::fromStdString(m.Esalpago), QString("4.000,00"));
        h.shot("TFurv", "urv-page0");
        h.click("TFurv", "SpeedButton2");
        QCOMPARE(QString::fromStdString(m.Efev94), QString("04/02/1994"));  // the box was left
        QCOMPARE(pages->currentIndex(), 1);
        // Page 1: the July choice, coupled lists.
        tick(h.in<QCheckBox>("TFurv", "CEscolher"));
        auto* curvx = h.in<QComboBox>("TFurv", "Curvx");
        QVERIFY(curvx->isEnabled());
        curvx->setCurrentIndex(27);
        emit curvx->activated(27);
        QCOMPARE(h.in<QComboBox>("TFurv", "Combourvx")->currentText(), QString("28/06/1994"));
        h.shot("TFurv", "urv-page1");
        h.click("TFurv", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 2);
        QCOMPARE(h.in<QLineEdit>("TFurv", "Eerroneo")->text(), QString("3,8900"));
        QVERIFY(!h.in<QLineEdit>("TFurv", "Ema")->text().isEmpty());
        h.shot("TFurv", "urv-page2");
        h.click("TFurv", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 3);
        // Page 3: a citation that prescribes before 03/1994 and a final date in the grid.
        auto* final = h.in<QLineEdit>("TFurv", "Datafinal");
        QVERIFY(final->text().contains("/"));
        final->setFocus();
        final->selectAll();
        QTest::keyClicks(final, "15121996");
        auto* cit = h.in<QLineEdit>("TFurv", "dtacitacao");
        cit->setFocus();
        cit->selectAll();
        QTest::keyClicks(cit, "10021996");
        h.in<QTableView>("TFurv", "svalores")->setFocus();
        QCOMPARE(h.in<QLineEdit>("TFurv", "Eprescricao")->text(), QString("10/02/1991"));
        // 03/1994 is grid row 1: typed salary, then "Repetir" on the next row.
        h.type("TFurv", "svalores", 0, 1, "4.000,00");
        QCOMPARE(QString::fromStdString(m.surv.cell(1, 1)), QString("4.000,00"));
        auto* sv = h.in<QTableView>("TFurv", "svalores");
        sv->setCurrentIndex(sv->model()->index(1, 1));
        h.click("TFurv", "Button6");
        QCOMPARE(QString::fromStdString(m.svalores.cell(1, 2)), QString("4.000,00"));
        h.shot("TFurv", "urv-page3");

        // The daily entries window: days from the prescription date, sums sent to the grid.
        h.click("TFurv", "Button9");
        QTRY_VERIFY(h.view("TFmanual")->isVisible());
        QVERIFY(!w->isVisible());
        auto& manual = *m.manual();
        int july10 = -1;
        for (int r = 1; r < manual.sdia.rowCount(); ++r)
            if (manual.sdia.cell(0, r) == "10/07/1994") july10 = r;
        QVERIFY(july10 > 0);
        h.type("TFmanual", "sdia", july10 - 1, 1, "800,00");
        auto* sd = h.in<QTableView>("TFmanual", "sdia");
        sd->setCurrentIndex(sd->model()->index(july10 - 1, 1));
        h.click("TFmanual", "Button2");
        h.type("TFmanual", "sdia", july10, 1, "200,00");
        h.type("TFmanual", "sdia", july10, 2, "férias");
        tick(h.in<QCheckBox>("TFmanual", "Cexibirdemo"));
        h.shot("TFmanual", "urv-daily-entries");
        h.click("TFmanual", "Button3");
        QTRY_VERIFY(w->isVisible());
        QApplication::setActiveWindow(w);
        QCOMPARE(pages->currentIndex(), 2);
        int july = -1;
        for (int r = 1; r < m.svalores.rowCount(); ++r)
            if (m.svalores.cell(0, r) == "07/1994") july = r;
        QCOMPARE(QString::fromStdString(m.svalores.cell(1, july)), QString("1.000,00"));
        h.click("TFurv", "SpeedButton2");
        h.click("TFurv", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 4);
        // Page 4: monthly interest and fees.
        tick(h.in<QCheckBox>("TFurv", "Caplijur"));
        tick(h.in<QCheckBox>("TFurv", "Jurmen"));
        tick(h.in<QCheckBox>("TFurv", "Chono"));
        h.shot("TFurv", "urv-page4");
        h.click("TFurv", "SpeedButton3");
        QTRY_VERIFY(!w->isVisible());
        const auto report = h.data.path() / "urvdif.html";
        QVERIFY(std::filesystem::exists(report));
        const std::string html = corvana::toolkit::readTextFile(report);
        QVERIFY(html.find("DEMONSTRATIVO DIÁRIO DOS LANÇAMENTOS EM CONTA") != std::string::npos);
        QVERIFY(html.find("VALOR DEVIDO EM: 12/1996") != std::string::npos);
        QVERIFY(html.find("HONORÁRIOS: (10%)") != std::string::npos);
        QVERIFY(html.find("Processo 123") != std::string::npos);
        QTest::qWait(300);
        h.shot(static_cast<QWidget*>(nullptr), "urv-report");

        // Save a copy, reopen it in the window and recompute the same report.
        h.script.saveAnswers.push_back(h.data.path() / "copia.urv");
        QTest::mouseClick(calcular, Qt::LeftButton);
        QTRY_VERIFY(w->isVisible());
        QCOMPARE(pages->currentIndex(), 0);
        h.click("TFurv", "BSalvar");
        QVERIFY(std::filesystem::exists(h.data.path() / "copia.urv"));
        m.Enov = "0,00";
        h.script.openAnswers.push_back(h.data.path() / "copia.urv");
        h.click("TFurv", "BAbrir");
        QCOMPARE(h.in<QLineEdit>("TFurv", "Enov")->text(), QString("1.500.000,00"));
        for (int i = 0; i < 4; ++i) h.click("TFurv", "SpeedButton2");
        h.click("TFurv", "SpeedButton3");
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(corvana::toolkit::readTextFile(report), html);
    }
};

QTEST_MAIN(UrvWalk)
#include "urv_walk_test.moc"
