// The savings calculator driven through its real widgets: from the main window's "Calcular"
// pop-up through the plan dialog and every page to the report shown in the main window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <memory>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/month_yield_dialog.hpp"
#include "core/savings/daily_savings.hpp"
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

class SavingsRoadTest : public QObject {
    Q_OBJECT
private slots:
    void wholeRoadEndsWithTheReportShown() {
        Harness h;
        QVERIFY(h.window->startUp());
        QCOMPARE(h.form2().CPlanos.count(), 4);  // planos.ini read at start-up

        QAction* open = nullptr;
        for (QAction* a : h.window->popupMenu(app::Place::PopupCalcular)->actions())
            if (a->text() == "Poupança Diária - com opções de configuração") open = a;
        QVERIFY(open != nullptr);
        open->trigger();
        QTRY_VERIFY(h.view("TForm2")->isVisible());
        auto* pages = h.in<QStackedWidget>("TForm2", "PageControl1");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(h.in<QLabel>("TForm2", "Label5")->text(), QString("Tabela atualizada até: 11/2026"));

        // "Adicionar Expurgo": a new plan, sorted by "Gravar" into the table and the list.
        h.click("TForm2", "Button1");
        QTRY_VERIFY(h.view("TForm3")->isVisible());
        h.click("TForm3", "Button1");  // "Nova Linha"
        h.type("TForm3", "SPlanosini", 4, 0, "Plano Extra");
        h.type("TForm3", "SPlanosini", 4, 1, "05/90");
        h.type("TForm3", "SPlanosini", 4, 2, "7,87");
        h.type("TForm3", "SPlanosini", 4, 4, "Cr$");
        h.click("TForm3", "Button3");  // "Gravar"
        QVERIFY(h.script.messages.empty());
        QVERIFY(std::filesystem::exists(h.data / "planos.ini"));
        auto* list = h.in<QListWidget>("TForm2", "CPlanos");
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->item(3)->text(), QString("Plano Extra"));
        h.click("TForm3", "Button4");  // "Fechar"
        QTRY_VERIFY(!h.view("TForm3")->isVisible());

        // Bresser and Verão, up to 12/1990.
        list->item(0)->setCheckState(Qt::Checked);
        list->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(h.form2().SPlanos.rowCount(), 4);
        h.type("TForm2", "SPlanos", 2, 1, "12/1990");
        h.shot("TForm2", "page0");
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 1);
        h.type("TForm2", "SSaldo", 0, 4, "10000");
        h.type("TForm2", "SSaldo", 1, 3, "31");
        h.type("TForm2", "SSaldo", 1, 4, "40000");
        h.click("TForm2", "SpeedButton2");  // the balance grid's leaving rule runs first
        QCOMPARE(h.form2().SSaldo.cell(3, 2), std::string("28"));
        QCOMPARE(pages->currentIndex(), 2);
        QCOMPARE(h.form2().SBase.cell(4, 1), std::string("804,00"));
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 3);
        QTest::mouseClick(h.in<QRadioButton>("TForm2", "RComjuros"), Qt::LeftButton);
        QVERIFY(h.form2().RComjuros);
        h.type("TForm2", "Jmes", 0, 0, "01/07/1987");
        h.type("TForm2", "Jmes", 0, 1, "31/12/1990");
        h.type("TForm2", "Jmes", 0, 2, "0,5");
        h.type("TForm2", "STJuros", 0, 0, "01/01/1991");
        h.type("TForm2", "STJuros", 0, 1, "01/01/1992");
        h.type("TForm2", "STJuros", 0, 2, "1");
        h.shot("TForm2", "page3");
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 4);
        QCOMPARE(h.form2().STJuros.cell(3, 2), std::string("12,00"));
        h.type("TForm2", "amortizacao", 1, 1, "Saque");
        h.type("TForm2", "amortizacao", 1, 2, "5,00");
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 5);
        QCOMPARE(h.form2().planilha.cell(11, 3), std::string("5,00"));
        h.shot("TForm2", "page5");
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 6);
        QVERIFY(h.in<QPushButton>("TForm2", "SpeedButton3")->isEnabled());
        h.click("TForm2", "SpeedButton3");  // "Finalizar"

        const auto report = h.data / "teste.html";
        QVERIFY(std::filesystem::exists(report));
        QVERIFY(std::filesystem::exists(h.data / "temp2.back"));
        QTRY_VERIFY(!h.view("TForm2")->isVisible());
        QCOMPARE(h.window->reportView()->currentFile(), report);
        QVERIFY(h.window->reportView()->toPlainText().contains("TOTAL ="));
        h.shot(h.window.get(), "report");
        QVERIFY(h.script.messages.empty());

        // "Abrir" brings a saved calculation back into the window.
        open->trigger();
        QTRY_VERIFY(h.view("TForm2")->isVisible());
        QCOMPARE(pages->currentIndex(), 0);
        h.script.openAnswers.push_back(std::filesystem::path(CORVANA_SAMPLE_DATA).parent_path() /
                                       "examples" / "exemplo-extrato-juros.e12");
        h.click("TForm2", "SpeedButton5");
        QVERIFY(h.in<QRadioButton>("TForm2", "Rtr")->isChecked());
        QVERIFY(list->item(2)->checkState() == Qt::Checked);

        // "Para Salvar o Cálculo Clique Aqui" on the last page: the interest statement is
        // written, then the fresh backup is copied to the chosen name.
        for (int i = 0; i < 6; ++i) h.click("TForm2", "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 6);
        h.script.saveAnswers.push_back(h.data / "meu calculo");
        h.click("TForm2", "SpeedButton8");
        QCOMPARE(h.script.messages,
                 std::vector<std::string>{"Cálculo salvo em " + (h.data / "meu calculo.e12").string()});
        QVERIFY(std::filesystem::exists(h.data / "teste2.html"));
        QCOMPARE(corvana::testing::readBytes(h.data / "meu calculo.e12"),
                 corvana::testing::readBytes(h.data / "temp2.back"));
        QCOMPARE(h.window->reportView()->currentFile(), h.data / "teste2.html");

        // "Abrir Backup" brings it back after another calculation was chosen.
        open->trigger();
        QTRY_VERIFY(h.view("TForm2")->isVisible());
        list->item(2)->setCheckState(Qt::Unchecked);
        list->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(h.form2().SPlanos.cell(0, 1), std::string("Plano Bresser"));
        h.click("TForm2", "SpeedButton18");
        QCOMPARE(h.form2().SPlanos.cell(0, 1), std::string("Plano Collor I"));
        QVERIFY(list->item(2)->checkState() == Qt::Checked);
        QVERIFY(list->item(0)->checkState() == Qt::Unchecked);

        // "Novo" empties the calculation and deletes the backup; the header file fills Memo1.
        h.click("TForm2", "ToolbarButton971");
        QVERIFY(!std::filesystem::exists(h.data / "temp2.back"));
        QVERIFY(list->item(2)->checkState() == Qt::Unchecked);
        QVERIFY(h.in<QPlainTextEdit>("TForm2", "Memo1")->toPlainText().startsWith("EXCELENT"));
        QCOMPARE(pages->currentIndex(), 0);
    }

    void wizardMessagesAndTheYieldDialog() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.form2().show();
        QTRY_VERIFY(h.view("TForm2")->isVisible());
        h.click("TForm2", "SpeedButton2");
        QCOMPARE(h.script.messages, std::vector<std::string>{"escolha um plano"});
        QCOMPARE(h.in<QStackedWidget>("TForm2", "PageControl1")->currentIndex(), 0);

        h.app->modelAs<savings::TForm6>("TForm6")->show();
        QTRY_VERIFY(h.view("TForm6")->isVisible());
        QTest::keyClicks(h.in<QLineEdit>("TForm6", "Edit1"), "0,00");
        QTest::keyClicks(h.in<QLineEdit>("TForm6", "Edit2"), "10,00");
        h.click("TForm6", "Button1");
        QCOMPARE(h.script.messages.back(),
                 std::string("O valor em conta no mês do expurgo é zero: não há rendimento a calcular"));
        h.in<QLineEdit>("TForm6", "Edit1")->clear();
        QTest::keyClicks(h.in<QLineEdit>("TForm6", "Edit1"), "1.000,00");
        h.in<QLineEdit>("TForm6", "Edit2")->clear();
        QTest::keyClicks(h.in<QLineEdit>("TForm6", "Edit2"), "1.260,60");
        h.click("TForm6", "Button1");
        QCOMPARE(h.in<QLineEdit>("TForm6", "Edit3")->text(), QString("26,06"));
    }
};

}  // namespace

QTEST_MAIN(SavingsRoadTest)
#include "savings_road_test.moc"
