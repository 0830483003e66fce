// "Importar série oficial" and "Tabelas instaladas" driven through their widgets from the
// "Atualizações do Software" tab: an import lists what changed and rewrites the tables, a
// refused file changes nothing, and the installed tables show fontes.tab read-only.
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <map>

#include "core/tables/import_window.hpp"
#include "core/tables/installed_tables.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "gui/savings/savings_gui_harness.hpp"
#include "test_support.hpp"

using namespace corvana;
using Harness = corvana::testing::SavingsGuiHarness;

namespace {

std::map<std::string, std::string> snapshot(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.is_regular_file()) files[e.path().filename().string()] = testing::readBytes(e.path());
    return files;
}

toolkit::StringGrid load(const std::filesystem::path& file) {
    toolkit::StringGrid g(1, 0);
    toolkit::LoadFromFile(file, g);
    return g;
}

QPushButton* mainButton(Harness& h, const char* name) {
    return h.window->findChild<QPushButton*>(name);
}

void chooseRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace

class TablesWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void bothCommandsAreInTheTabAndInThePopup() {
        Harness h;
        QVERIFY(h.window->startUp());
        QStringList popup;
        for (QAction* a : h.window->popupMenu(app::Place::PopupAtualizar)->actions())
            if (a->isVisible() && a->isEnabled()) popup << a->text();
        QVERIFY(popup.contains(QString::fromUtf8("Importar série oficial…")));
        QVERIFY(popup.contains("Tabelas instaladas"));
        for (const char* name : {"BotaoImportarSerie", "BotaoTabelasInstaladas"}) {
            QPushButton* b = mainButton(h, name);
            QVERIFY2(b != nullptr && b->isEnabled(), name);
            QCOMPARE(b->parentWidget()->objectName(), QString("TabAtualizacoes"));
        }
    }

    void importListsWhatChangedAndRefusedFileChangesNothing() {
        Harness h;
        QVERIFY(h.window->startUp());
        const char* w = tables::TFormImportarSerie::kClassName;
        QTest::mouseClick(mainButton(h, "BotaoImportarSerie"), Qt::LeftButton);
        QTRY_VERIFY(h.view(w)->isVisible());
        auto* list = h.in<QListWidget>(w, "ListaSeries");
        QCOMPARE(list->count(), static_cast<int>(tables::officialSeries().size()));
        QVERIFY(list->item(0)->text().contains("IBGE"));  // each series with its source

        // Nothing chosen yet: the window asks for the series.
        h.click(w, "BotaoImportar");
        QCOMPARE(h.script.messages.size(), size_t(1));
        QVERIFY(h.script.messages.back().find("Escolha na lista") != std::string::npos);

        int inpc = -1;
        for (int r = 0; r < list->count(); ++r)
            if (list->item(r)->text().startsWith("inpc ")) inpc = r;
        QVERIFY(inpc >= 0);
        chooseRow(list, inpc);
        QTRY_COMPARE(h.app->modelAs<tables::TFormImportarSerie>(w)->serie, inpc);

        // A BCB export that revises the last stored month and adds the next one.
        const auto stored = load(h.data / "serie-inpc.tab");
        const std::string last = stored.cell(0, stored.rowCount() - 1);
        const std::string oldValue = stored.cell(1, stored.rowCount() - 1);
        const int month = std::stoi(last.substr(0, 2)), year = std::stoi(last.substr(3));
        char next[24];
        std::snprintf(next, sizeof next, "%02d/%04d", month % 12 + 1, year + (month == 12));
        testing::TempDir in;
        testing::writeBytes(in / "inpc.csv", "\"data\";\"valor\"\r\n\"01/" + last +
                                                 "\";\"1,23\"\r\n\"01/" + next + "\";\"0,45\"\r\n");
        h.script.openAnswers.push_back(in / "inpc.csv");
        h.click(w, "BotaoImportar");
        auto* changes = h.in<QListWidget>(w, "ListaAlteracoes");
        QTRY_COMPARE(changes->count(), 2);
        QCOMPARE(changes->item(0)->text().toStdString(), last + ": " + oldValue + " → 1,23");
        QCOMPARE(changes->item(1)->text().toStdString(), std::string(next) + ": — → 0,45");
        QCOMPARE(h.in<QProgressBar>(w, "ProgressoImportacao")->value(), 100);
        QVERIFY(h.in<QLabel>(w, "Resultado")->text().startsWith("2 valores alterados"));
        QCOMPARE(h.script.messages.size(), size_t(1));
        const auto after = load(h.data / "serie-inpc.tab");
        QCOMPARE(after.cell(0, after.rowCount() - 1), std::string(next));
        h.shot(w, "importar-serie");

        // A file that is not an export: its message, and the data folder as it was.
        const auto before = snapshot(h.data.path());
        testing::writeBytes(in / "ruim.csv",
                            "\"data\";\"valor\"\r\n\"01/" + std::string(next) + "\";\"abc\"\r\n");
        h.script.openAnswers.push_back(in / "ruim.csv");
        h.click(w, "BotaoImportar");
        QTRY_COMPARE(h.script.messages.size(), size_t(2));
        QVERIFY(h.script.messages.back().find(tables::TFormImportarSerie::kNothingChanged) !=
                std::string::npos);
        QCOMPARE(changes->count(), 0);
        QCOMPARE(h.in<QLabel>(w, "Resultado")->text().toStdString(),
                 std::string(tables::TFormImportarSerie::kNothingChanged));
        QVERIFY(snapshot(h.data.path()) == before);
        h.click(w, "BotaoFechar");
        QTRY_VERIFY(!h.view(w)->isVisible());
    }

    void installedTablesShowFontesReadOnly() {
        Harness h;
        QVERIFY(h.window->startUp());
        const char* w = tables::TFormTabelas::kClassName;
        for (QAction* a : h.window->popupMenu(app::Place::PopupAtualizar)->actions())
            if (a->text() == "Tabelas instaladas") a->trigger();
        QTRY_VERIFY(h.view(w)->isVisible());
        auto* grid = h.in<QTableView>(w, "fontes");
        const auto fontes = load(h.data / "fontes.tab");
        QCOMPARE(grid->model()->rowCount(), fontes.rowCount() - 1);
        QCOMPARE(grid->model()->columnCount(), 6);
        QCOMPARE(grid->model()->headerData(5, Qt::Horizontal).toString(), QString("Exemplo"));
        bool sawSample = false, sawOfficial = false;
        for (int r = 0; r < grid->model()->rowCount(); ++r) {
            const QModelIndex table = grid->model()->index(r, 0);
            const QModelIndex flag = grid->model()->index(r, 5);
            QCOMPARE(table.data().toString().toStdString(), fontes.cell(0, r + 1));
            QVERIFY(!(grid->model()->flags(table) & Qt::ItemIsEditable));
            const bool sample = flag.data().toString() == "Sim";
            QCOMPARE(sample, tables::isSampleTable(h.data.path(), fontes.cell(0, r + 1)));
            (sample ? sawSample : sawOfficial) = true;
        }
        QVERIFY(sawSample && sawOfficial);
        QVERIFY(h.in<QLabel>(w, "Label1")->text().contains("de exemplo"));
        h.shot(w, "tabelas-instaladas");
        QVERIFY(h.script.messages.empty());
    }
};

QTEST_MAIN(TablesWindowsTest)
#include "tables_windows_test.moc"
