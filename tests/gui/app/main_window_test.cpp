// The main window driven through its real widgets: captions, commands, the report view,
// printing to PDF, the editing toolbar, the font boxes and the About window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QStandardPaths>
#include <QStatusBar>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <memory>
#include <random>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "gui/app/application.hpp"
#include "gui/app/gui_ui.hpp"
#include "gui/app/html_clean.hpp"
#include "gui/app/main_window.hpp"
#include "gui/app/report_view.hpp"
#include "gui/app/views.hpp"
#include "test_support.hpp"

using namespace corvana;
using corvana::testing::readBytes;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;

namespace {

// A calculator of a later build: a model and a plain window.
class FakeCourt : public app::WindowModel {
  public:
    FakeCourt() : app::WindowModel("TForm_jf", "Justiça Federal") {}
};

struct Harness {
    TempDir data;
    TempDir prog;
    app::ScriptedUi script;
    gui::GuiUi ui{&script};
    std::unique_ptr<app::App> app;
    gui::ViewRegistry views;
    std::unique_ptr<gui::MainWindow> window;

    explicit Harness(bool withCourt = false) {
        writeBytes(data.path() / app::u8name(app::TForm1::kFirstRunTable), "x\r\n");
        app::ModelRegistry registry;
        gui::registerViews(views);
        if (withCourt) {
            registry.add("TForm_jf", [](app::App&) { return std::make_unique<FakeCourt>(); });
            views.add("TForm_jf", [](app::App&, app::WindowModel& m, QWidget* parent) -> QWidget* {
                auto* w = new QWidget(parent);
                w->setObjectName("FakeCourtView");
                w->setWindowTitle(QString::fromStdString(m.caption()));
                return w;
            });
        }
        app = std::make_unique<app::App>(ui, app::AppOptions{data.path(), prog.path(), "1.0.0.8"},
                                         registry);
        window = std::make_unique<gui::MainWindow>(*app, ui, views);
        window->resize(1200, 800);
        window->show();
    }
    template <class T>
    T* find(const char* name) {
        return window->findChild<T*>(name);
    }
    gui::ReportView* wb() { return window->reportView(); }
    void put(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories((data / name).parent_path());
        writeBytes(data / name, bytes);
    }
};

QString pdfText(const std::filesystem::path& pdf) {
    QProcess p;
    p.start(CORVANA_PDFTOTEXT, {QString::fromStdString(pdf.string()), "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The tables directly in the document body, as rows of cell texts; nested tables are
// counted in `nested`.
QList<QList<QList<QString>>> tablesOf(QTextDocument* doc, int& nested) {
    QList<QList<QList<QString>>> out;
    nested = 0;
    for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
        auto* t = qobject_cast<QTextTable*>(frame);
        if (t == nullptr) continue;
        nested += t->childFrames().size();
        QList<QList<QString>> rows;
        for (int r = 0; r < t->rows(); ++r) {
            QList<QString> row;
            for (int col = 0; col < t->columns(); ++col) {
                QTextTableCell cell = t->cellAt(r, col);
                QTextCursor a = cell.firstCursorPosition();
                a.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                row << a.selectedText().trimmed();
            }
            rows << row;
        }
        out << rows;
    }
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        gui::setUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    void buildsWithEveryVisibleCaption() {
        Harness h;
        QVERIFY(h.window->startUp());
        QCOMPARE(h.window->windowTitle(), QString("Corvana Diferenças da URV 1.0.0.8"));
        for (const auto& c : app::commandTable()) {
            const QString name = QString::fromStdString(c.name);
            const QString caption = QString::fromStdString(c.caption);
            if (auto* b = h.find<QPushButton>(name.toUtf8().constData())) {
                QCOMPARE(b->text(), caption);
                QCOMPARE(b->isHidden(), c.hidden);
                if (!c.hint.empty()) QCOMPARE(b->toolTip(), QString::fromStdString(c.hint));
                continue;
            }
            auto* a = h.find<QAction>(name.toUtf8().constData());
            QVERIFY2(a != nullptr, qPrintable(name));
            QCOMPARE(a->text(), caption);
            QCOMPARE(a->isVisible(), !c.hidden);
        }
        QStringList menus;
        for (QAction* a : h.window->menuBar()->actions())
            if (a->isVisible()) menus << a->text().remove('&');
        QCOMPARE(menus, (QStringList{"Arquivos", "Ajuda"}));
        auto* top = h.find<QTabWidget>("TabControl1");
        QCOMPARE(top->tabText(0), QString("Botões"));
        QCOMPARE(top->tabText(1), QString("Configurar Fonte"));
        QCOMPARE(top->tabText(2), QString("Atualizações do Software"));
        auto* pages = h.find<QTabWidget>("PageControl1");
        QCOMPARE(pages->tabText(0), QString("Principal"));
        QVERIFY(!pages->isTabVisible(1) && !pages->isTabVisible(2));
        QCOMPARE(h.find<QComboBox>("Cnomefont")->currentText(), QString("Arial"));
        QCOMPARE(h.find<QComboBox>("Cfont")->currentText(), QString("8"));
        QVERIFY(!h.find<QAction>(app::kVisualizarImpressao)->isEnabled());
        // Calculators this build lacks are shown disabled; "Sobre" works.
        QVERIFY(!h.find<QAction>("PoupanaDiriacomopesdeconfigurao2")->isEnabled());
        QVERIFY(h.find<QAction>("Sobre1")->isEnabled());
        QVERIFY(h.wb()->isReadOnly());  // editing "Off" after start-up
        // Until a report is shown, the start page (no file behind it).
        QVERIFY(h.wb()->toPlainText().startsWith("Bem-vindo ao Corvana"));
        QVERIFY(h.wb()->currentFile().empty());
    }

    void viCommandOpensARegisteredCalculator() {
        Harness h(true);
        h.put("jf.tab", "data\tindice\r\n01/2000\t1,5\r\n");
        QVERIFY(h.window->startUp());
        auto* jf = h.find<QAction>("JustiaFederal2");  // pop-up entry of "Calcular"
        QVERIFY(jf != nullptr && jf->isEnabled());
        jf->trigger();
        QVERIFY(h.find<QAction>(app::kVisualizarImpressao)->isEnabled());
        QTRY_VERIFY(h.window->view("TForm_jf")->isVisible());
        QVERIFY(!h.wb()->isReadOnly());
        QCOMPARE(h.app->context().indice.cell(1, 1), std::string("1,5"));
        QVERIFY(h.script.messages.empty());
    }

    void calcularWithoutUrvOpensItsPopup() {
        Harness h;
        QVERIFY(h.window->startUp());
        QTest::mouseClick(h.find<QPushButton>("SpeedButton1"), Qt::LeftButton);
        QTRY_VERIFY(h.window->popupMenu(app::Place::PopupCalcular)->isVisible());
        h.window->popupMenu(app::Place::PopupCalcular)->close();
        QTest::mouseClick(h.find<QPushButton>("SpeedButton6"), Qt::LeftButton);
        QTRY_VERIFY(h.window->popupMenu(app::Place::PopupFgts)->isVisible());
        h.window->popupMenu(app::Place::PopupFgts)->close();
    }

    void reportIsEditableOnlyInModeOn() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.put("teste.html",
              "<html><body><p>Atualiza\xe7\xe3o monet\xe1ria</p><script>document.write('X9')"
              "</script><p onclick=\"alert(1)\">Fim</p><img src=\"http://example.com/a.png\">"
              "</body></html>");
        h.ui.setEditingMode(true);
        h.ui.showReport(h.data / "teste.html");
        QVERIFY(h.wb()->toPlainText().contains("Atualização monetária"));
        QVERIFY(!h.wb()->toPlainText().contains("X9"));
        QVERIFY(!h.wb()->toHtml().contains("alert"));
        QVERIFY(h.wb()
                    ->loadResource(QTextDocument::ImageResource, QUrl("http://example.com/a.png"))
                    .toByteArray()
                    .isEmpty());
        QCOMPARE(h.find<QProgressBar>("Pb1")->value(), 0);
        // The file on disk stays as the calculator wrote it.
        QVERIFY(readBytes(h.data / "teste.html").find("X9") != std::string::npos);

        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.wb()->setFocus();
        h.wb()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(h.wb(), "Nova ");
        QVERIFY2(h.wb()->toPlainText().startsWith("Nova Atualização"),
                 qPrintable(h.wb()->toPlainText()));
        h.ui.setEditingMode(false);
        QTest::keyClicks(h.wb(), "Z");
        QVERIFY(!h.wb()->toPlainText().contains("Z"));
        QVERIFY(!h.find<QAction>("ToolButtonModoEditar")->isChecked());
        // A missing file keeps the shown document and says so.
        h.ui.showReport(h.data / "nao_existe.html");
        QVERIFY(h.wb()->toPlainText().contains("Nova"));
        QCOMPARE(h.script.messages.size(), size_t(1));
    }

    void helpPageIsShownReadOnlyAndEnablesPreview() {
        Harness h;
        h.put("images/index.htm", "<html><body><h1>Ajuda do programa</h1></body></html>");
        QVERIFY(h.window->startUp());
        h.ui.setEditingMode(true);
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QTest::keyClick(h.window.get(), Qt::Key_F1);
        QTRY_VERIFY(h.wb()->toPlainText().contains("Ajuda do programa"));
        QVERIFY(h.wb()->isReadOnly());
        QVERIFY(h.find<QAction>(app::kVisualizarImpressao)->isEnabled());
    }

    void exportPdfWritesTheReportText() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.put("teste.html",
              "<html><body><h2>Relat\xf3rio de c\xe1lculo</h2><p>Total devido: "
              "1.234,56</p></body></html>");
        h.ui.showReport(h.data / "teste.html");
        const auto pdf = h.data / "relatorio";
        h.script.saveAnswers.push_back(pdf);
        QTest::mouseClick(h.find<QPushButton>("SpeedButton10"), Qt::LeftButton);
        const auto written = h.data / "relatorio.pdf";
        QVERIFY(std::filesystem::exists(written));
        QCOMPARE(readBytes(written).substr(0, 5), std::string("%PDF-"));
        const QString text = pdfText(written);
        QVERIFY2(text.contains("Relatório de cálculo") && text.contains("1.234,56"),
                 qPrintable(text));
        QVERIFY(h.window->statusBar()->currentMessage().contains("relatorio.pdf"));
        // Cancelling writes nothing.
        std::filesystem::remove(written);
        QTest::mouseClick(h.find<QPushButton>("SpeedButton10"), Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(written));
    }

    void printedSpreadsheetRepeatsItsHeaderRow() {
        Harness h;
        QVERIFY(h.window->startUp());
        std::string html = "<html><body><p>Notas</p><table><tr><td>Cabecalho A</td><td>Mes B</td>"
                           "<td>Valor C</td></tr>";
        for (int r = 0; r < 150; ++r)
            html += "<tr><td>linha " + std::to_string(r) + "</td><td>01/1990</td><td>1,00</td></tr>";
        html += "</table></body></html>";
        h.put("teste.html", html);
        h.ui.showReport(h.data / "teste.html");
        const auto pdf = h.data / "planilha.pdf";
        h.window->printToPdf(pdf);
        const QString text = pdfText(pdf);
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 3, qPrintable(text));
        for (const QString& page : pages.mid(0, pages.size() - 1))
            QVERIFY2(page.contains("Cabecalho A") && page.contains("Valor C"), qPrintable(page));
        // The shown document and the file stay as they are.
        QCOMPARE(h.wb()->document()->toPlainText().count("Cabecalho A"), 1);
        QCOMPARE(readBytes(h.data / "teste.html"), html);
    }

    void printerPageSettingsReachThePdf() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.put("r.html", "<html><body><p>P\xe1gina</p></body></html>");
        h.ui.showReport(h.data / "r.html");
        h.window->printer().setPageOrientation(QPageLayout::Landscape);
        h.window->printToPdf(h.data / "r.pdf");
        QProcess info;
        info.start(QString(CORVANA_PDFTOTEXT).replace("pdftotext", "pdfinfo"),
                   {QString::fromStdString((h.data / "r.pdf").string())});
        info.waitForFinished(30000);
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        // A4 landscape: 842 x 595 points.
        QVERIFY2(out.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 59[45]")),
                 qPrintable(out));
    }

    void marginsOfThePageSettingsSetThePageCount() {
        Harness h;
        QVERIFY(h.window->startUp());
        std::string rows;
        for (int i = 0; i < 150; ++i) rows += "<tr><td>linha " + std::to_string(i) + "</td></tr>";
        h.put("longo.html", "<html><body><table>" + rows + "</table></body></html>");
        h.ui.showReport(h.data / "longo.html");
        auto pages = [&](double marginMm) {
            h.window->printer().setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                               QPageLayout::Millimeter);
            h.window->printToPdf(h.data / "m.pdf");
            QProcess info;
            info.start(QString(CORVANA_PDFTOTEXT).replace("pdftotext", "pdfinfo"),
                       {QString::fromStdString((h.data / "m.pdf").string())});
            info.waitForFinished(30000);
            const auto m = QRegularExpression("Pages:\\s+(\\d+)")
                               .match(QString::fromUtf8(info.readAllStandardOutput()));
            return m.captured(1).toInt();
        };
        const int narrow = pages(10);
        const int wide = pages(70);
        QVERIFY2(narrow >= 2 && wide > narrow, qPrintable(QString("%1 %2").arg(narrow).arg(wide)));
        // Every page carries its number.
        const QString text = pdfText(h.data / "m.pdf");
        QVERIFY(text.contains(QRegularExpression(QString("\\b%1\\s*\\f").arg(wide))));
    }

    void courtReportRowsLayOutAsInABrowser() {
        // Stray row starts and a totals row opened by <tr><tbody>, as the URV report writes.
        const std::string html =
            "<html><body><table border=1>\r\n"
            "<tr><td>M\xeas</td><td>Diferen\xe7"
            "a</td></tr>\r\n"
            "<tr>\r\n"
            "<tr><td>07/1994</td><td>10,00</td></tr>\r\n"
            "<tr>\r\n"
            "<tr><td>08/1994</td><td>20,00</td></tr>\r\n"
            "<tr><tbody><td>Total</td><td>30,00</td></tbody></tr>\r\n"
            "</table><p>Fim do relat\xf3rio</p></body></html>\r\n";
        Harness h;
        QVERIFY(h.window->startUp());
        h.put("urvdif.html", html);
        h.ui.showReport(h.data / "urvdif.html");
        int nested = 0;
        const auto tables = tablesOf(h.wb()->document(), nested);
        QCOMPARE(tables.size(), 1);
        QCOMPARE(nested, 0);  // no table inside a cell
        const auto& rows = tables[0];
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], (QList<QString>{"Mês", "Diferença"}));
        QCOMPARE(rows[3], (QList<QString>{"Total", "30,00"}));  // not collapsed into one cell
        QVERIFY(h.wb()->toPlainText().contains("Fim do relatório"));
    }

    void wellFormedHtmlDropsActiveContent() {
        const std::string out = gui::wellFormedHtml(
            "<p onmouseover='x()'>a & b<iframe src='http://x'></iframe>"
            "<a href=' javascript:alert(1)'>c</a><a href='f.htm'>d</a><style>p{color:red}</style>");
        QVERIFY(out.find("<html><head>") == 0);
        QVERIFY(out.find("onmouseover") == std::string::npos);
        QVERIFY(out.find("iframe") == std::string::npos);
        QVERIFY(out.find("javascript") == std::string::npos);
        QVERIFY(out.find("a &amp; b") != std::string::npos);
        QVERIFY(out.find("<a href=\"f.htm\">d</a>") != std::string::npos);
        QVERIFY(out.find("p{color:red}") != std::string::npos);
        QVERIFY(out.rfind("</body></html>") == out.size() - 14);
    }

    // The cell borders of the court reports' style block ("border-bottom: solid 1px #d8d8d8")
    // come out thin and grey, as in a browser, not as black borders of no width.
    void cellBordersOfTheReportStyleSheets() {
        struct Case {
            const char* css;
            qreal bottom, left, top;
            const char* bottomColor;
            QTextFrameFormat::BorderStyle bottomStyle;
        };
        const Case cases[] = {
            {"td\t{\n\tborder-bottom: solid 1px #d8d8d8;\n\tborder-left: solid 1px #d8d8d8;\n\t}", 1, 1,
             0, "#d8d8d8", QTextFrameFormat::BorderStyle_Solid},
            {"td {border-bottom:2px dashed slategray}", 2, 0, 0, "#708090",
             QTextFrameFormat::BorderStyle_Dashed},
            {"td {border: solid 1px rgb(216, 216, 216)}", 1, 1, 1, "#d8d8d8",
             QTextFrameFormat::BorderStyle_Solid},
            {"td {border-bottom-style: solid; border-bottom-width: 3px; border-bottom-color: red}", 3,
             0, 0, "#ff0000", QTextFrameFormat::BorderStyle_Solid},
        };
        for (const auto& c : cases) {
            const std::string html = std::string("<html><head><style>") + c.css +
                                     "</style></head><body><table border =0  span><tr><td>1,00</td>"
                                     "</tr></table></body></html>";
            QTextDocument doc;
            doc.setHtml(QString::fromStdString(gui::wellFormedHtml(html)));
            QTextTable* table = nullptr;
            for (auto it = doc.rootFrame()->begin(); !it.atEnd() && table == nullptr; ++it)
                table = qobject_cast<QTextTable*>(it.currentFrame());
            QVERIFY2(table != nullptr, c.css);
            const QTextTableCellFormat f = table->cellAt(0, 0).format().toTableCellFormat();
            QCOMPARE(f.bottomBorder(), c.bottom);
            QCOMPARE(f.leftBorder(), c.left);
            QCOMPARE(f.topBorder(), c.top);
            QCOMPARE(f.bottomBorderStyle(), c.bottomStyle);
            QCOMPARE(f.bottomBorderBrush().color().name(), QString(c.bottomColor));
        }
        // Other declarations pass untouched.
        const std::string out = gui::wellFormedHtml(
            "<style>table {border-collapse: collapse; border-top-width: 2px}</style>"
            "<p style=\"font-size:8.0pt;font-family:Arial\">x</p>");
        QVERIFY(out.find("border-collapse: collapse; border-top-width: 2px") != std::string::npos);
        QVERIFY(out.find("style=\"font-size:8.0pt;font-family:Arial\"") != std::string::npos);
    }

    void wellFormedHtmlSurvivesByteSoup() {
        // Random pieces of markup and bytes: always one well-formed document, never a crash.
        const char* pieces[] = {"<table",
                                "<tr>",
                                "<td",
                                ">",
                                "</td>",
                                "<tbody>",
                                "</table>",
                                "<script>",
                                "</script",
                                "<!--",
                                "-->",
                                "<p ",
                                "a=\"",
                                "\"",
                                "&amp",
                                "&#x",
                                "\xe7",
                                "\0",
                                "<svg><foreignObject>",
                                "<math>",
                                "<frameset>",
                                "<template>",
                                "</html>",
                                "<body onload=x>"};
        std::mt19937 rng(20260101);
        for (int i = 0; i < 3000; ++i) {
            std::string soup;
            const int n = static_cast<int>(rng() % 40);
            for (int k = 0; k < n; ++k) {
                if (rng() % 4 == 0) {
                    soup += static_cast<char>(rng() % 256);
                } else {
                    soup += pieces[rng() % std::size(pieces)];
                }
            }
            const std::string out = gui::wellFormedHtml(soup);
            QVERIFY2(out.rfind("<html>", 0) == 0, soup.c_str());
            QVERIFY2(out.size() >= 7 && out.compare(out.size() - 7, 7, "</html>") == 0,
                     soup.c_str());
            QVERIFY2(out.find("<script") == std::string::npos, out.c_str());
        }
    }

    void fileFiltersInQtForm() {
        QCOMPARE(gui::qtFilter("Arquivos htm|*.htm"), QString("Arquivos htm (*.htm)"));
        QCOMPARE(gui::qtFilter("Figuras|*.png;*.jpg|Todos|*.*"),
                 QString("Figuras (*.png *.jpg);;Todos (*.*)"));
    }

    void fontBoxesWriteFontIniOnClickAndExit() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.find<QTabWidget>("TabControl1")->setCurrentIndex(1);
        auto* size = h.find<QComboBox>("Cfont");
        auto* name = h.find<QComboBox>("Cnomefont");
        size->setCurrentIndex(1);  // "11"
        emit size->activated(1);
        QCOMPARE(readBytes(h.data / "font.ini"), std::string("Arial\r\n11\r\n"));
        size->setFocus();
        QTRY_VERIFY(size->hasFocus());
        size->lineEdit()->selectAll();
        QTest::keyClick(size->lineEdit(), Qt::Key_Delete);
        name->setFocus();  // leaving the size box with no digit in it
        QTRY_COMPARE(readBytes(h.data / "font.ini"), std::string("Arial\r\n8\r\n"));
        name->setEditText("Liberation Serif");
        size->setFocus();
        QTRY_COMPARE(readBytes(h.data / "font.ini"), std::string("Liberation Serif\r\n8\r\n"));
        QCOMPARE(h.app->context().Cnomefont, std::string("Liberation Serif"));
    }

    void fontIniOfTheDataFolderFillsTheBoxes() {
        Harness h;
        h.put("font.ini", "Liberation Mono\r\nxx\r\n");
        QVERIFY(h.window->startUp());
        QCOMPARE(h.find<QComboBox>("Cnomefont")->currentText(), QString("Liberation Mono"));
        QCOMPARE(h.find<QComboBox>("Cfont")->currentText(), QString("8"));
        QVERIFY(h.find<QComboBox>("Cnomefont")->count() > 0);  // the installed fonts
    }

    void editingToolbarFormatsAndFormsRoundTrip() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.put("f.htm", "<html><body><p>texto do formul\xe1rio</p></body></html>");
        h.script.openAnswers.push_back(h.data / "f.htm");
        h.find<QAction>("ToolButtonAbrir")->trigger();
        QVERIFY(h.wb()->toPlainText().contains("texto do formulário"));
        h.find<QAction>("ToolButtonModoEditar")->trigger();
        QVERIFY(!h.wb()->isReadOnly());
        h.find<QAction>("Selecionartudo1")->trigger();
        h.find<QAction>("ToolButtonNegrito")->trigger();
        auto* sizes = h.find<QComboBox>("combotamanho");
        sizes->setCurrentIndex(4);
        emit sizes->activated(4);  // "Grande"
        h.find<QAction>("ToolButtonCentro")->trigger();
        h.find<QAction>("ToolButtonNumeros")->trigger();
        QTextCursor c(h.wb()->document());
        c.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(c.charFormat().fontPointSize(), 18.0);
        QVERIFY(c.blockFormat().alignment() & Qt::AlignHCenter);
        QVERIFY(c.currentList() != nullptr);

        h.script.saveAnswers.push_back(h.data / "salvo");
        h.find<QAction>("ToolButtonSalvar")->trigger();
        const std::string saved = readBytes(h.data / "salvo.htm");
        QVERIFY(saved.find("formul\xe1rio") != std::string::npos);  // Windows-1252
        QVERIFY(saved.find("charset=\"windows-1252\"") != std::string::npos);
        QVERIFY(saved.find("\r\n") != std::string::npos);
        h.ui.showReport(h.data / "salvo.htm");
        QTextCursor again(h.wb()->document());
        again.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(again.charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(h.wb()->toPlainText().contains("texto do formulário"));
    }

    void boldOnAParagraphBeforeABoldHeadingMakesItBold() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.put("r.html", "<html><body><p>texto comum</p><h2>T\xedtulo</h2></body></html>");
        h.ui.setEditingMode(true);
        h.ui.showReport(h.data / "r.html");
        QTextCursor c(h.wb()->document());
        c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);  // as a triple click
        h.wb()->setTextCursor(c);
        QVERIFY(!h.find<QAction>("ToolButtonNegrito")->isChecked());
        h.find<QAction>("ToolButtonNegrito")->trigger();
        QTextCursor first(h.wb()->document());
        first.setPosition(1);
        QCOMPARE(first.charFormat().fontWeight(), int(QFont::Bold));
    }

    void fileDialogsStartInTheDocumentsFolderThenTheLastOneUsed() {
        Harness h;
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(h.ui.startFolder(), docs.isEmpty() ? QDir::homePath() : docs);
        QVERIFY(h.ui.startFolder() != QString::fromStdString(h.data.path().string()));
        TempDir elsewhere;
        h.script.saveAnswers.push_back(elsewhere / "calculo.e12");
        QVERIFY(h.ui.chooseSaveFile("Corvana (*.e12)|*.E12", "e12"));
        QCOMPARE(h.ui.startFolder(), QString::fromStdString(elsewhere.path().string()));
    }

    void aboutWindowShowsProductAndVersion() {
        Harness h;
        QVERIFY(h.window->startUp());
        h.find<QAction>("Sobre1")->trigger();
        QWidget* about = h.window->view("TAboutBox");
        QTRY_VERIFY(about->isVisible());
        QCOMPARE(about->findChild<QLabel*>("ProductName")->text(),
                 QString("Corvana Diferenças da URV"));
        QCOMPARE(about->findChild<QLabel*>("Version")->text(), QString("Versão: 1.0.0.8"));
        QVERIFY(h.window->isEnabled());  // not modal
        QTest::mouseClick(about->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        QTRY_VERIFY(!about->isVisible());
    }

    void firstRunYesStartsTheUpdaterAndCloses() {
        TempDir data;
        TempDir prog;
        writeBytes(prog / app::updaterFileName(), "#!/bin/sh\n");
        app::ScriptedUi script;
        script.yesNoAnswers = {true};
        gui::GuiUi ui(&script);
        app::App a(ui, app::AppOptions{data.path(), prog.path(), "1"}, app::ModelRegistry{});
        gui::ViewRegistry views;
        gui::MainWindow w(a, ui, views);
        w.show();
        QVERIFY(!w.startUp());
        QCOMPARE(script.questions.size(), size_t(1));
        QCOMPARE(script.programsStarted.size(), size_t(1));
        QVERIFY(!w.isVisible());
    }

    void selectingTheLastIndexRowWritesTheNextMonth() {
        Harness h;
        QVERIFY(h.window->startUp());
        auto& g = h.app->context().indice;
        g.setColCount(2);
        g.setRowCount(3);
        g.setCell(0, 0, "data");
        g.setCell(0, 1, "12/1994");
        h.window->refresh();
        auto* view = h.find<QTableView>("indice");
        view->setCurrentIndex(view->model()->index(1, 0));  // grid row 2
        QCOMPARE(g.cell(0, 2), std::string("01/1995"));
        QCOMPARE(view->model()->index(1, 0).data().toString(), QString("01/1995"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
