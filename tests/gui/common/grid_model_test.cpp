// The grid adapter: Qt's model checks, edits into the core grid, header-chosen masks.
#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QtTest>

#include "gui/common/grid_model.hpp"

using corvana::gui::GridModel;
using corvana::gui::MaskedDelegate;
using corvana::toolkit::StringGrid;

class GridModelTest : public QObject {
    Q_OBJECT
private slots:
    void passesQtModelChecksThroughResets() {
        StringGrid g(2, 3);
        g.setRow(0, {"Expurgo", "Data"});
        g.setRow(1, {"Plano Bresser", "06/1987"});
        GridModel model(&g);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Data"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QString("Plano Bresser"));

        g.setRowCount(6);
        g.setColCount(3);
        model.refresh();
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), 3);
    }

    void refreshKeepsTheCurrentCellWhenOnlyTextsChanged() {
        StringGrid g(2, 3);
        g.setRow(0, {"Nome", "Saldo"});
        GridModel model(&g);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTableView view;
        view.setModel(&model);
        view.setCurrentIndex(model.index(1, 1));
        g.setCell(1, 2, "804,00");
        model.refresh();
        QCOMPARE(view.currentIndex(), model.index(1, 1));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString("804,00"));
        g.setRowCount(5);
        model.refresh();
        QCOMPARE(model.rowCount(), 4);
    }

    void editsGoIntoTheGridAndReportTheCell() {
        StringGrid g(3, 3);
        g.setRow(0, {"Nome", "Data", "Saldo"});
        GridModel model(&g);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        int editedCol = -1, editedRow = -1;
        model.setCellEdited([&](int c, int r) { editedCol = c, editedRow = r; });
        model.setReadOnlyColumns({0});
        QVERIFY(model.setData(model.index(1, 2), "1.234,56"));
        QCOMPARE(QString::fromStdString(g.cell(2, 2)), QString("1.234,56"));
        QCOMPARE(editedCol, 2);
        QCOMPARE(editedRow, 2);
        QVERIFY(!model.setData(model.index(1, 0), "x"));
        QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsEditable));
        QCOMPARE(QString::fromStdString(g.cell(0, 2)), QString());
    }

    void maskFollowsTheHeaderText() {
        StringGrid g(2, 2);
        g.setRow(0, {"Expurgo", "Data"});
        GridModel model(&g);
        MaskedDelegate delegate;
        delegate.setMaskForHeader("Data", "00/0000; ");
        QWidget parent;
        QStyleOptionViewItem option;
        auto* dated = qobject_cast<QLineEdit*>(delegate.createEditor(&parent, option, model.index(0, 1)));
        auto* plain = qobject_cast<QLineEdit*>(delegate.createEditor(&parent, option, model.index(0, 0)));
        QVERIFY(dated && plain);
        QCOMPARE(dated->inputMask(), QString("00/0000"));  // blank is a space
        QVERIFY(plain->inputMask().isEmpty());
    }
};

QTEST_MAIN(GridModelTest)
#include "grid_model_test.moc"
