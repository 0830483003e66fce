// Hostile documents in the report view: deep nesting, resources that are not plain local
// files, documents far larger than a report.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <sys/stat.h>

#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/app/html_clean.hpp"
#include "gui/app/report_view.hpp"
#include "test_support.hpp"

using namespace corvana;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;

namespace {

size_t count(const std::string& text, const std::string& piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

}  // namespace

class ReportHardeningTest : public QObject {
    Q_OBJECT
  private slots:
    void deepNestingIsFlattenedAndKeepsTheText() {
        // 45 000 nested spans once overflowed the stack; 22 nested tables froze the layout.
        const std::string spans = repeat("<span>", 45000) + "fundo" + repeat("</span>", 45000);
        const std::string flat = gui::wellFormedHtml(spans);
        QVERIFY(count(flat, "<span>") <= 200);
        QVERIFY(flat.find("fundo") != std::string::npos);
        QCOMPARE(count(flat, "<span>"), count(flat, "</span>"));
        {
            gui::ReportView view;
            view.setHtml(QString::fromStdString(flat));
            QVERIFY(view.toPlainText().contains("fundo"));
        }

        const std::string tables =
            repeat("<table><tr><td>x", 22) + "centro" + repeat("</td></tr></table>", 22);
        const std::string cleaned = gui::wellFormedHtml(tables);
        QCOMPARE(count(cleaned, "<table>"), size_t(6));
        QCOMPARE(count(cleaned, "</table>"), size_t(6));
        QVERIFY(cleaned.find("centro") != std::string::npos);

        gui::ReportView view;
        view.setHtml(QString::fromStdString(cleaned));
        QVERIFY(view.toPlainText().contains("centro"));
    }

    void realReportsKeepEveryTable() {
        for (const char* name : {"savings/plain-two-plans", "savings/four-plans-amortisation-divisor",
                                 "jf/federal-collor-interest", "estado/sao-paulo-factors-compound"}) {
            const auto html = toolkit::readTextFile(std::filesystem::path(CORVANA_TEST_DATA) / name /
                                                    "esperado.html");
            const std::string cleaned = gui::wellFormedHtml(html);
            QCOMPARE(count(cleaned, "<table"), count(html, "<table"));
            QVERIFY(count(cleaned, "<td>") > 0);
        }
    }

    void resourcesComeOnlyFromSmallLocalRegularFiles() {
        TempDir dir;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(QString::fromStdString((dir / "logo.png").string())));
        QVERIFY(::mkfifo((dir / "pipe.png").c_str(), 0600) == 0);
        writeBytes(dir / "estilo.css", "td { color: red }");
        writeBytes(dir / "r.html", "<html><body><img src=\"logo.png\"><img src=\"pipe.png\">"
                                   "<img src=\"/dev/zero\"><img src=\"http://127.0.0.1:9/x.png\">"
                                   "</body></html>");
        gui::ReportView view;
        view.resize(400, 300);
        view.show();
        view.showFile(dir / "r.html");
        QTest::qWait(50);  // laid out and painted: neither the pipe nor the device is read
        const auto img = QTextDocument::ImageResource;
        auto refused = [&](const QUrl& url) {
            const QVariant v = view.loadResource(img, url);
            return !v.isNull() && v.toByteArray().isEmpty();  // empty, so nothing else opens it
        };
        QVERIFY(!view.loadResource(img, QUrl("logo.png")).toByteArray().isEmpty());
        QVERIFY(view.loadResource(QTextDocument::StyleSheetResource, QUrl("estilo.css"))
                    .toString()
                    .contains("color"));
        QVERIFY(refused(QUrl("pipe.png")));
        QVERIFY(refused(QUrl::fromLocalFile("/dev/zero")));
        QVERIFY(refused(QUrl("http://127.0.0.1:9/x.png")));
        QVERIFY(refused(QUrl("data:image/png;base64,AAAA")));
        QVERIFY(refused(QUrl::fromLocalFile(QString::fromStdString(dir.path().string()))));
    }

    void aDocumentFarLargerThanAReportIsRefused() {
        TempDir dir;
        writeBytes(dir / "small.html", "<html><body>pequeno</body></html>");
        writeBytes(dir / "huge.html", "<html><body>" +
                                          std::string(gui::ReportView::kMaxReportBytes, 'x') +
                                          "</body></html>");
        gui::ReportView view;
        view.showFile(dir / "small.html");
        QVERIFY_THROWS_EXCEPTION(toolkit::FileError, view.showFile(dir / "huge.html"));
        QVERIFY(view.toPlainText().contains("pequeno"));  // the view keeps its document
    }
};

QTEST_MAIN(ReportHardeningTest)
#include "report_hardening_test.moc"
