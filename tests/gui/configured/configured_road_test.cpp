// The three configured-savings windows driven through their real widgets: from the main
// window's menu entry through the pages to the report shown, saving and reopening.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "core/configured/configured_wizard.hpp"
#include "gui/app/report_view.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/savings/savings_gui_harness.hpp"

using namespace corvana;

namespace {

using Harness = corvana::testing::SavingsGuiHarness;

configured::ConfiguredWizard& model(Harness& h, const char* cls) {
    return *h.app->modelAs<configured::ConfiguredWizard>(cls);
}

// Clicks into a field and types, as the user does.
void typeInto(Harness& h, const char* cls, const char* name, const QString& keys) {
    auto* e = h.in<QLineEdit>(cls, name);
    QVERIFY2(e != nullptr, name);
    QTest::mouseClick(e, Qt::LeftButton);
    e->setFocus();
    // A date box is typed from its first position, a text box replaces what it holds.
    if (e->inputMask().isEmpty())
        e->selectAll();
    else
        e->home(false);
    QTest::keyClicks(e, keys);
}

// Clicks an option on its round mark, as the user does.
void clickOption(Harness& h, const char* cls, const char* name) {
    auto* r = h.in<QRadioButton>(cls, name);
    QVERIFY2(r != nullptr, name);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
}

void open(Harness& h, const QString& caption, const char* cls) {
    QAction* a = h.action(caption);
    QVERIFY(a != nullptr);
    QVERIFY(a->isEnabled());
    a->trigger();
    QTRY_VERIFY(h.view(cls)->isVisible());
    QApplication::setActiveWindow(h.view(cls));
}

class ConfiguredRoadTest : public QObject {
    Q_OBJECT
private slots:
    // The month table is flagged beside its date while fontes.tab does not list it as official.
    void sampleTableLabelFollowsFontes() {
        Harness h;
        // fontes.tab with the month table's row as given ("Sim" or "Não"), whatever it had.
        const auto base = toolkit::readLines(h.data / "fontes.tab");
        auto mark = [&](const std::string& exemplo) {
            std::vector<std::string> fontes;
            for (const auto& line : base)
                if (line.rfind("mes.tab\t", 0) != 0) fontes.push_back(line);
            fontes.push_back("mes.tab\tPoupança configurada\tFonte\t03/2026\t03/2026\t" + exemplo);
            toolkit::writeLines(h.data / "fontes.tab", fontes);
        };
        mark("Sim");
        QVERIFY(h.window->startUp());
        const char* w = "TForm7";
        open(h, "Poupança - configurado", w);
        auto* label = h.in<QLabel>(w, "LabelExemplo");
        QVERIFY(label != nullptr);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QString("TABELA DE EXEMPLO"));
        h.shot(w, "configurado-tabela-de-exemplo");
        h.click(w, "SpeedButton4");  // "Fechar"
        QTRY_VERIFY(!h.view(w)->isVisible());

        mark("Não");
        open(h, "Poupança - configurado", w);
        QVERIFY(!label->isVisible());
        QVERIFY(h.in<QLabel>(w, "Label47")->isVisible());
        QVERIFY(h.script.messages.empty());
    }

    void statementWindowFromMenuToReport() {
        Harness h;
        QVERIFY(h.window->startUp());
        open(h, "Poupança - configurado", "TForm7");
        const char* w = "TForm7";
        auto* pages = h.in<QStackedWidget>(w, "PageControl1");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(h.in<QLabel>(w, "Label47")->text(), QString("Tabela atualizada até: MAR/26"));
        QCOMPARE(h.in<QCheckBox>(w, "Cjc")->text(), QString("Demonstrar Juros Remuneratórios"));
        // The keyboard starts on the first field: what the user types first is the name, and a
        // Space typed in it does not press a button.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.in<QLineEdit>(w, "Enome")));

        // Without the update date nothing moves.
        h.click(w, "SpeedButton2");
        QCOMPARE(h.script.messages.back(), std::string("É necessário preencher a data para atualização do cálculo"));
        QCOMPARE(pages->currentIndex(), 0);
        typeInto(h, w, "Enome", "Maria & Filhos");
        typeInto(h, w, "Dateate", "150395");
        h.click(w, "SpeedButton2");
        QCOMPARE(model(h, w).Dateate, std::string("15/03/1995"));
        QCOMPARE(pages->currentIndex(), 1);
        h.shot(w, "conf-opcoes");

        clickOption(h, w, "Rsaldoant");
        h.in<QCheckBox>(w, "Chonorarios")->setChecked(true);
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 4);
        // Cents entry: the digits come in from the right; a letter is dropped.
        typeInto(h, w, "ESAjun87", "2000x00");
        QCOMPARE(h.in<QLineEdit>(w, "ESAjun87")->text(), QString("2.000,00"));
        h.click(w, "SpeedButton2");  // leaving the field derives its month
        QCOMPARE(model(h, w).months[0].JCM, std::string("372,21"));
        QCOMPARE(pages->currentIndex(), 8);
        h.click(w, "SpeedButton1");  // back over the skipped pages
        QCOMPARE(pages->currentIndex(), 4);
        QCOMPARE(h.in<QLineEdit>(w, "ESAjun87")->text(), QString("2.000,00"));
        h.shot(w, "conf-saldo-anterior");
        h.click(w, "SpeedButton2");
        typeInto(h, w, "Ehonvalor", "\b\b\b\b10");  // the caret goes to the end: empty the box first
        QVERIFY(!h.in<QPushButton>(w, "SpeedButton3")->isEnabled());
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 9);
        QVERIFY(h.in<QPushButton>(w, "SpeedButton3")->isEnabled());
        h.shot(w, "conf-final");

        // Saving copies the backup under the chosen name, with the window's extension.
        h.script.saveAnswers.push_back(h.data / "meu-calculo");
        h.click(w, "SpeedButton17");
        QVERIFY(std::filesystem::exists(h.data / "meu-calculo.e20"));

        h.click(w, "SpeedButton3");
        QTRY_VERIFY(!h.view(w)->isVisible());
        QCOMPARE(h.window->reportView()->currentFile(), h.data / "federal.html");
        const auto report = toolkit::readTextFile(h.data / "federal.html");
        QVERIFY(report.find("Maria &amp; Filhos") != std::string::npos);
        QVERIFY(report.find("Valor dos Honorários de 10% =") != std::string::npos);
        h.shot(static_cast<QWidget*>(nullptr), "conf-relatorio");

        // Reopen: "Novo" empties, "Abrir" brings the saved inputs back.
        open(h, "Poupança - configurado", w);
        h.click(w, "ToolbarButton971");
        QCOMPARE(h.in<QLineEdit>(w, "ESAjun87")->text(), QString("0,00"));
        h.script.openAnswers.push_back(h.data / "meu-calculo.e20");
        h.click(w, "SpeedButton5");
        QCOMPARE(h.in<QLineEdit>(w, "ESAjun87")->text(), QString("2.000,00"));
        QCOMPARE(h.in<QLineEdit>(w, "Enome")->text(), QString("Maria & Filhos"));
        QVERIFY(h.in<QRadioButton>(w, "Rsaldoant")->isChecked());
    }

    void collorWindowKeysHelpAndRecompute() {
        Harness h;
        QVERIFY(h.window->startUp());
        const char* w = "TForm_conftodos";
        open(h, "Poupança Configurada - com Plano Collor I e II", w);
        QCOMPARE(h.view(w)->windowTitle(), QString("Poupança Configurada - com os planos Collor I e II"));
        typeInto(h, w, "Edia", "\b\ba1b0");
        QCOMPARE(h.in<QLineEdit>(w, "Edia")->text(), QString("10"));
        typeInto(h, w, "Dateate", "01121995");
        h.shot(w, "conftodos-dados");
        h.click(w, "SpeedButton2");
        clickOption(h, w, "Rjcm");
        h.click(w, "SpeedButton2");
        auto* pages = h.in<QStackedWidget>(w, "PageControl1");
        QCOMPARE(pages->currentIndex(), 3);
        typeInto(h, w, "Ejcmmarco91", "7535");
        // The Delete key takes the last digit off, like Backspace; Tab leaves the box and
        // derives its month.
        auto* jcm = h.in<QLineEdit>(w, "Ejcmmarco91");
        QTest::keyClick(jcm, Qt::Key_Delete);
        QCOMPARE(jcm->text(), QString("7,53"));
        QTest::keyClicks(jcm, "5");
        QTest::keyClick(jcm, Qt::Key_Tab);
        QCOMPARE(*model(h, w).field("ESPmarco91"), std::string("1.075,35"));
        typeInto(h, w, "Ejcmabril90", "41987");
        QCOMPARE(h.in<QLineEdit>(w, "Ejcmmarco91")->text(), QString("75,35"));
        QCOMPARE(model(h, w).months[5].SA, std::string("1.000,00"));
        h.shot(w, "conftodos-jcm");
        // "Ajuda" shows the February 1989 notice.
        h.click(w, "Button2");
        QTRY_VERIFY(h.view("TForm8")->isVisible());
        h.click(w, "SpeedButton2");
        QCOMPARE(pages->currentIndex(), 9);
        QCOMPARE(model(h, w).months[2].SA, std::string("1.000,01"));
        h.click(w, "SpeedButton3");
        QTRY_VERIFY(!h.view(w)->isVisible());
        QCOMPARE(h.window->reportView()->currentFile(), h.data / "federal.html");
        QVERIFY(std::filesystem::exists(h.data / "temp_4.back"));
    }

    void collor1991WindowTakesTheAnniversaryRate() {
        Harness h;
        QVERIFY(h.window->startUp());
        const char* w = "TForm_conftodosII";
        open(h, "Poupança Configurada - com Plano Collor I e II (01/1991)", w);
        typeInto(h, w, "Edia", "\b\b13");
        typeInto(h, w, "Dateate", "01061991");
        h.click(w, "SpeedButton2");
        clickOption(h, w, "Rsaldoant");
        h.in<QCheckBox>(w, "Cjc")->setChecked(true);
        h.click(w, "SpeedButton2");
        typeInto(h, w, "ESAfev91", "100000");
        h.click(w, "SpeedButton2");
        QCOMPARE(model(h, w).months[5].JCM, std::string("161,18"));
        h.shot(w, "conftodosII-final");
        h.click(w, "SpeedButton3");
        QTRY_VERIFY(!h.view(w)->isVisible());
        QCOMPARE(h.window->reportView()->currentFile(), h.data / "federal2.html");
        const auto report = toolkit::readTextFile(h.data / "federal2.html");
        QVERIFY(report.find("<b>Índice Correto</b>") != std::string::npos);
        QVERIFY(report.find("0,1612") != std::string::npos);
    }
};

}  // namespace

QTEST_MAIN(ConfiguredRoadTest)
#include "configured_road_test.moc"
