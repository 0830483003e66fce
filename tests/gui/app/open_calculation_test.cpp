// A calculation given on the command line opens in its window, which shows what the file holds.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include "core/app/calculation_files.hpp"
#include "gui/savings/savings_gui_harness.hpp"

using namespace corvana;

class OpenCalculationTest : public QObject {
    Q_OBJECT
  private slots:
    void opensTheSavingsWindowFilledFromTheFile() {
        testing::SavingsGuiHarness h;
        QVERIFY(h.window->startUp());
        const std::filesystem::path example =
            std::filesystem::path(CORVANA_SAMPLE_DATA) / ".." / "examples" / "exemplo-poupanca.e12";
        h.window->openCalculation(example);
        QVERIFY(h.script.messages.empty());
        QWidget* v = h.view("TForm2");
        QTRY_VERIFY(v->isVisible());
        // The grid on screen holds the balances the file holds, not the empty grid the window
        // showed before reading it.
        const auto& saldo = h.form2().SSaldo;
        QVERIFY(saldo.rowCount() > 1);
        auto* table = h.in<QTableView>("TForm2", "SSaldo");
        QVERIFY(table != nullptr);
        QCOMPARE(table->model()->rowCount(), saldo.rowCount() - 1);
        bool sawFilled = false;
        for (int c = 0; c < saldo.colCount(); ++c) {
            const QString cell = QString::fromStdString(saldo.cell(c, 1));
            QCOMPARE(table->model()->index(0, c).data().toString(), cell);
            sawFilled = sawFilled || !cell.isEmpty();
        }
        QVERIFY(sawFilled);
    }

    // The URV and FGTS windows show the file's own values on screen once it is opened.
    void opensTheUrvAndFgtsWindowsFilledFromTheFile() {
        const std::filesystem::path cases = CORVANA_TEST_DATA;
        testing::SavingsGuiHarness h;
        QVERIFY(h.window->startUp());
        h.window->openCalculation(cases / "urv" / "art19-plain" / "calculo.urv");
        QVERIFY2(h.script.messages.empty(), h.script.messages.empty() ? "" : h.script.messages[0].c_str());
        QTRY_VERIFY(h.view("TFurv")->isVisible());
        auto* enov = h.in<QLineEdit>("TFurv", "Enov");
        QVERIFY(enov != nullptr);
        QCOMPARE(enov->text(), QString("1.200.000,00"));

        h.window->openCalculation(cases / "fgts" / "saldo-seis-por-cento" / "calculo.fg");
        QVERIFY2(h.script.messages.empty(), h.script.messages.empty() ? "" : h.script.messages[0].c_str());
        QTRY_VERIFY(h.view("TFormFGTS")->isVisible());
        auto* header = h.in<QPlainTextEdit>("TFormFGTS", "Edit1");
        QVERIFY(header != nullptr);
        QCOMPARE(header->toPlainText(), QString("Saldo da conta - taxa de 6%"));
    }

    void aFileNoWindowOpensIsAMessage() {
        testing::SavingsGuiHarness h;
        QVERIFY(h.window->startUp());
        const auto file = h.prog.path() / "carta.txt";
        testing::writeBytes(file, "Prezado cliente\r\n");
        h.window->openCalculation(file);
        QCOMPARE(h.script.messages.size(), size_t(1));
        QVERIFY(QString::fromStdString(h.script.messages[0]).startsWith(app::kNoWindowOpens));
        QVERIFY(!h.view("TForm2")->isVisible());
    }
};

QTEST_MAIN(OpenCalculationTest)
#include "open_calculation_test.moc"
