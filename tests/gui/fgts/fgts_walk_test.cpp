// Both FGTS windows walked through their real widgets, from the "FGTS" pop-up to the report.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/savings/savings_gui_harness.hpp"

using namespace corvana;

class FgtsWalk : public QObject {
    Q_OBJECT

    QAction* fgtsAction(testing::SavingsGuiHarness& h, const QString& caption) {
        for (QAction* a : h.window->popupMenu(app::Place::PopupFgts)->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }

  private slots:
    void purgesFromTheButtonToTheReportAndBack() {
        testing::SavingsGuiHarness h;
        // A plain left click on either "FGTS" button opens the pop-up with the entries enabled.
        QMenu* popup = h.window->popupMenu(app::Place::PopupFgts);
        for (const char* b : {"SpeedButton6", "SpeedButton7"}) {
            auto* button = h.window->findChild<QPushButton*>(b);
            QVERIFY(button != nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_VERIFY(popup->isVisible());
            popup->hide();
        }
        QAction* open = fgtsAction(h, "Expurgos do FGTS");
        QVERIFY(open != nullptr);
        QVERIFY(open->isEnabled());
        QVERIFY(fgtsAction(h, "FGTS - Juros Progressivos")->isEnabled());
        open->trigger();
        QWidget* v = h.view("TFormFGTS");
        QTRY_VERIFY(v->isVisible());
        auto& m = *h.app->modelAs<fgts::TFormFGTS>("TFormFGTS");
        auto* pages = h.in<QStackedWidget>("TFormFGTS", "PageControl1");

        // Without a date "Próximo" stays with its message.
        h.click("TFormFGTS", "Proximo");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(h.script.messages.back(), std::string("Preencha a data de atualização"));

        // An empty date box that takes the focus (here after the message) starts typing at its
        // first position, not behind the blank mask where the digits are dropped.
        auto* date = h.in<QLineEdit>("TFormFGTS", "Dataini");
        date->setCursorPosition(date->text().size());
        date->clearFocus();
        date->setFocus();
        QTRY_COMPARE(date->cursorPosition(), 0);
        QTest::keyClicks(date, "150614");
        h.in<QCheckBox>("TFormFGTS", "Cjuros")->click();
        h.click("TFormFGTS", "Proximo");
        QCOMPARE(m.Dataini, std::string("15/06/2014"));  // repaired when the caret left
        QCOMPARE(pages->currentIndex(), 1);
        auto* dj = h.in<QLineEdit>("TFormFGTS", "Datajuros");
        dj->setFocus();
        dj->setCursorPosition(0);
        QTest::keyClicks(dj, "15012009");
        auto* tx = h.in<QLineEdit>("TFormFGTS", "Txjur");
        tx->setFocus();
        QTest::keyClicks(tx, "1x200");  // the key filter drops the letter
        QCOMPARE(tx->text(), QString("12,00"));
        h.click("TFormFGTS", "Proximo");
        QCOMPARE(pages->currentIndex(), 4);  // fees and costs are off
        auto* verao = h.in<QLineEdit>("TFormFGTS", "JCsaldos");
        verao->setFocus();
        QTest::keyClicks(verao, "10000");
        QTest::keyClick(verao, Qt::Key_Delete);  // Delete acts as Backspace
        QTest::keyClicks(verao, "0");
        QCOMPARE(verao->text(), QString("100,00"));
        h.in<QCheckBox>("TFormFGTS", "Ccollor")->setChecked(false);
        h.click("TFormFGTS", "Proximo");
        QCOMPARE(pages->currentIndex(), 5);
        h.shot("TFormFGTS", "fgts-purges-page5");
        h.click("TFormFGTS", "Bfim");
        QTRY_VERIFY(!v->isVisible());
        QVERIFY(std::filesystem::exists(m.reportPath()));
        const std::string html = toolkit::readTextFile(m.reportPath());
        QVERIFY(html.find("<td><div align=Right>35,57</div></td>") != std::string::npos);
        h.shot(static_cast<QWidget*>(nullptr), "fgts-purges-report");

        // "Novo" then "Abrir Backup" bring the calculation back.
        open->trigger();
        QTRY_VERIFY(v->isVisible());
        h.click("TFormFGTS", "Novo");
        QCOMPARE(verao->text(), QString("0,00"));
        h.click("TFormFGTS", "SpeedButton8");
        QCOMPARE(verao->text(), QString("100,00"));
        QCOMPARE(date->text(), QString("15/06/2014"));
        QVERIFY(h.in<QCheckBox>("TFormFGTS", "Cjuros")->isChecked());
        QVERIFY(!h.in<QPushButton>("TFormFGTS", "Bfim")->isEnabled());

        // Saving offers the extension the open dialog lists.
        h.script.saveAnswers.push_back(h.data / "meu.fg");
        h.click("TFormFGTS", "SpeedButton3");
        QVERIFY(std::filesystem::exists(h.data / "meu.fg"));
    }

    void balanceWayLabelsFollowTheInputWay() {
        testing::SavingsGuiHarness h;
        fgtsAction(h, "Expurgos do FGTS")->trigger();
        QTRY_VERIFY(h.view("TFormFGTS")->isVisible());
        h.in<QRadioButton>("TFormFGTS", "Rsaldo")->click();
        auto* date = h.in<QLineEdit>("TFormFGTS", "Dataini");
        date->setFocus();
        date->setCursorPosition(0);
        QTest::keyClicks(date, "01062014");
        h.click("TFormFGTS", "Proximo");
        QCOMPARE(h.in<QLabel>("TFormFGTS", "LabelJCsaldos")->text(),
                 QString("Valor - Extrato FGTS - Dezembro de 1988"));
        h.in<QRadioButton>("TFormFGTS", "JR6")->click();
        for (const char* box : {"JCsaldos", "JCollor"}) {
            auto* b = h.in<QLineEdit>("TFormFGTS", box);
            b->setFocus();
            QTest::keyClicks(b, "100000");
        }
        h.click("TFormFGTS", "Proximo");
        h.click("TFormFGTS", "Bfim");
        auto& m = *h.app->modelAs<fgts::TFormFGTS>("TFormFGTS");
        const std::string html = toolkit::readTextFile(m.reportPath());
        QVERIFY(html.find("1.000,00 x 0,4480 x 1,004867 = 450,18") != std::string::npos);
        QCOMPARE(m.mes.cell(7, 10), std::string("450,18"));
    }

    void progressiveInterestEditRepeatAndReport() {
        testing::SavingsGuiHarness h;
        QAction* open = fgtsAction(h, "FGTS - Juros Progressivos");
        QVERIFY(open != nullptr);
        open->trigger();
        QWidget* v = h.view("TForm_FGTS");
        QTRY_VERIFY(v->isVisible());
        auto& m = *h.app->modelAs<fgts::TForm_FGTS>("TForm_FGTS");
        h.click("TForm_FGTS", "Button1");
        QVERIFY(m.svalores.rowCount() > 100);
        h.type("TForm_FGTS", "svalores", 0, 1, "10,00");
        QCOMPARE(m.sfgts.cell(3, 1), std::string("4.055,15"));  // 10 / 0,002466
        auto* t = h.in<QTableView>("TForm_FGTS", "svalores");
        t->setCurrentIndex(t->model()->index(1, 1));
        h.click("TForm_FGTS", "Button6");
        h.click("TForm_FGTS", "Button6");
        QCOMPARE(m.svalores.cell(1, 3), std::string("10,00"));
        QCOMPARE(m.sfgts.cell(1, 3), std::string("10,00"));
        // With the IPC option, a value for mar/89 whose previous month has no h is refused
        // and does not stay in the cell.
        h.in<QCheckBox>("TForm_FGTS", "Cipc89_90")->click();
        QVERIFY(m.Cipc89_90);
        QCOMPARE(m.svalores.cell(0, 39), std::string("mar/89"));
        const size_t shown = h.script.messages.size();
        h.type("TForm_FGTS", "svalores", 38, 1, "5,00");
        QCOMPARE(h.script.messages.size(), shown + 1);
        QCOMPARE(m.svalores.cell(1, 39), std::string(""));
        h.in<QCheckBox>("TForm_FGTS", "Cipc89_90")->click();
        auto* combo = h.in<QComboBox>("TForm_FGTS", "ComboBox1");
        combo->setEditText("mar/86");
        h.shot("TForm_FGTS", "fgts-juros");
        h.click("TForm_FGTS", "Button4");
        QTRY_VERIFY(!v->isVisible());
        const std::string html = toolkit::readTextFile(m.reportPath());
        QVERIFY(html.find("VALOR TOTAL DEVIDO EM: mar/86 = Cz$ ") != std::string::npos);
        h.shot(static_cast<QWidget*>(nullptr), "fgts-juros-report");
    }
};

QTEST_MAIN(FgtsWalk)
#include "fgts_walk_test.moc"
