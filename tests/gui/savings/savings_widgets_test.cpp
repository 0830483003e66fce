// The savings windows' widgets against their models: cells typed through the real editors,
// rows picked by keyboard, options shown as the model holds them.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include "core/savings/yield_override_dialog.hpp"
#include "core/savings/february_1989_notice.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "core/toolkit/text_file.hpp"
#include "savings_gui_harness.hpp"

using namespace corvana;

namespace {

using Harness = corvana::testing::SavingsGuiHarness;

// Opens the editor of a cell and types the keys; the editor stays open.
QLineEdit* startTyping(QTableView* view, int row, int col, const QString& keys) {
    const QModelIndex index = view->model()->index(row, col);
    view->setFocus();
    view->setCurrentIndex(index);
    view->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editor == nullptr) return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, keys);
    return editor;
}

// Types into a cell and presses Enter; returns the text the grid then holds.
QString typeInEditor(QTableView* view, int row, int col, const QString& keys) {
    QLineEdit* editor = startTyping(view, row, col, keys);
    if (editor == nullptr) return "<no editor>";
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits on the next turn of the loop
    return view->model()->data(view->model()->index(row, col)).toString();
}

class SavingsWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void windowClosesWithAnEditorOpen() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.form2().show();
        QTRY_VERIFY(h.view("TForm2")->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(h.view("TForm2")));
        h.in<QListWidget>("TForm2", "CPlanos")->item(0)->setCheckState(Qt::Checked);
        auto* splanos = h.in<QTableView>("TForm2", "SPlanos");
        QCOMPARE(typeInEditor(splanos, 1, 1, "121990"), QString("12/1990"));
        QVERIFY(startTyping(splanos, 1, 1, "011991") != nullptr);
        // The program ends here with the editor open: its text must not reach a window
        // that is being destroyed.
    }

    // "Excluir Linha" deletes the row the user moved to, by mouse or by keyboard.
    void dialogsDeleteTheRowReachedByKeyboard() {
        Harness h;
        QVERIFY(h.window->startUp());
        auto& form4 = *h.app->modelAs<savings::TForm4>("TForm4");
        form4.SPlanosini.setRowCount(4);
        form4.SPlanosini.setRow(1, {"03/1990", "0", "Não"});
        form4.SPlanosini.setRow(2, {"04/1990", "0", "Sim"});
        form4.SPlanosini.setRow(3, {"05/1990", "0", "Não"});
        form4.show();
        QTRY_VERIFY(h.view("TForm4")->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(h.view("TForm4")));
        auto* grid = h.in<QTableView>("TForm4", "SPlanosini");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(grid->currentIndex().row(), 1);
        h.click("TForm4", "Button3");  // "Excluir Linha"
        QCOMPARE(form4.SPlanosini.rowCount(), 3);
        QCOMPARE(form4.SPlanosini.cell(0, 1), std::string("03/1990"));
        QCOMPARE(form4.SPlanosini.cell(0, 2), std::string("05/1990"));
        // A click on the month (a command, after which the window is redrawn) picks the row too.
        const QPoint last = grid->visualRect(grid->model()->index(1, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, last);
        h.click("TForm4", "Button3");
        QCOMPARE(form4.SPlanosini.rowCount(), 2);
        QCOMPARE(form4.SPlanosini.cell(0, 1), std::string("03/1990"));
    }

    // Leaving the grid of "Incluir Expurgo" or "Aplicar Expurgos" tidies its months, before
    // any "Gravar": the calculator reads both grids as they stand.
    void dialogGridsTidyTheirMonthsWhenLeft() {
        struct Case {
            const char* cls;
            int col;
        };
        for (const Case c : {Case{"TForm3", 1}, Case{"TForm4", 0}}) {
            Harness h;  // a fresh program each: the offscreen platform activates one window
            QVERIFY(h.window->startUp());
            QWidget* dialog = h.view(c.cls);
            if (std::string(c.cls) == "TForm3")
                h.app->modelAs<savings::TForm3>(c.cls)->show();
            else
                h.app->modelAs<savings::TForm4>(c.cls)->show();
            QTRY_VERIFY(dialog->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto* grid = h.in<QTableView>(c.cls, "SPlanosini");
            QString committed = typeInEditor(grid, 0, c.col, "131989");
            QCOMPARE(committed, QString("13/1989"));  // still in the grid: no rule yet
            h.in<QPushButton>(c.cls, "Button4")->setFocus();  // "Fechar" takes the focus
            QCOMPARE(grid->model()->data(grid->model()->index(0, c.col)).toString(), QString("12/1989"));
            // Leaving straight from an open editor: its text is committed, then tidied.
            QVERIFY(startTyping(grid, 0, c.col, "001990") != nullptr);
            h.in<QPushButton>(c.cls, "Button4")->setFocus();
            QCoreApplication::processEvents();
            QCOMPARE(grid->model()->data(grid->model()->index(0, c.col)).toString(), QString(""));
            QVERIFY(h.script.messages.empty());
        }
    }

    // A file of the older layout has no index-basis lines: both options end up cleared, and
    // the window shows them cleared.
    void olderFileShowsBothBasisOptionsCleared() {
        Harness h;
        QVERIFY(h.window->startUp());
        auto lines = toolkit::readLines(std::filesystem::path(CORVANA_SAMPLE_DATA).parent_path() /
                                        "examples" / "exemplo-poupanca.e12");
        lines.front() = "Vers 1.2";
        lines.resize(lines.size() - 2);
        toolkit::writeLines(h.data / "antigo.e12", lines);
        h.form2().show();
        QTRY_VERIFY(h.view("TForm2")->isVisible());
        auto* rtr = h.in<QRadioButton>("TForm2", "Rtr");
        auto* rpoup = h.in<QRadioButton>("TForm2", "Rpoup");
        QTest::mouseClick(rtr, Qt::LeftButton, {}, QPoint(6, rtr->height() / 2));
        QVERIFY(rtr->isChecked());
        h.script.openAnswers.push_back(h.data / "antigo.e12");
        h.click("TForm2", "SpeedButton5");  // "Abrir"
        QVERIFY(h.script.messages.empty());
        QVERIFY(!h.form2().Rtr && !h.form2().Rpoup);
        QVERIFY(!rtr->isChecked());
        QVERIFY(!rpoup->isChecked());
        // Choosing one again works as before.
        QTest::mouseClick(rpoup, Qt::LeftButton, {}, QPoint(6, rpoup->height() / 2));
        QVERIFY(h.form2().Rpoup && !h.form2().Rtr);
        QVERIFY(rpoup->isChecked() && !rtr->isChecked());
    }

    // "Fevereiro de 1989" opens centred on the desktop, wherever the main window stands.
    void februaryNoticeOpensCentredOnTheDesktop() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.window->move(0, 0);
        h.app->modelAs<savings::TForm8>("TForm8")->show();
        QWidget* notice = h.view("TForm8");
        QTRY_VERIFY(notice->isVisible());
        const QPoint off = notice->geometry().center() - notice->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, qPrintable(QString("off by %1,%2").arg(off.x()).arg(off.y())));
    }
};

}  // namespace

QTEST_MAIN(SavingsWidgetsTest)
#include "savings_widgets_test.moc"
