// Loading report files into the report view.
#include "gui/app/report_view.hpp"

#include <QFileInfo>
#include <QUrl>

#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/app/html_clean.hpp"

namespace corvana::gui {

ReportView::ReportView(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("WB");
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(true);
    setEditing(false);
}

void ReportView::setEditing(bool on) {
    setReadOnly(!on);
    // Read-only still lets the user select and copy.
    setTextInteractionFlags(on ? Qt::TextEditorInteraction
                               : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                     Qt::LinksAccessibleByMouse);
}

void ReportView::showBlank() {
    file_.clear();
    setHtml(QString());
}

void ReportView::showPage(const QString& html) {
    file_.clear();
    setHtml(html);
}

void ReportView::showFile(const std::filesystem::path& file) {
    emit progressChange(0, 100);
    const std::string bytes = toolkit::readFileBytes(file, kMaxReportBytes);
    emit progressChange(25, 100);
    const std::string html = wellFormedHtml(toolkit::decodeText(bytes));
    emit progressChange(50, 100);
    const QString dir = QFileInfo(QString::fromStdString(file.string())).absolutePath();
    setSearchPaths({dir});
    document()->setBaseUrl(QUrl::fromLocalFile(dir + "/"));
    setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    file_ = file;
    emit progressChange(100, 100);
    emit progressChange(-1, 100);  // done
}

QVariant ReportView::loadResource(int type, const QUrl& name) {
    // Only images and style sheets, only from regular files of this machine and of a sane
    // size: never the network, a device, a pipe or a socket. A refused resource is answered
    // with empty bytes, not a null value, so that the document does not go and open the
    // file itself.
    const QVariant refused = QVariant(QByteArray());
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource) return refused;
    if (!name.isRelative() && !name.isLocalFile()) return refused;
    const QString local = name.isRelative() ? name.path() : name.toLocalFile();
    if (local.isEmpty()) return refused;
    const QString dir = QFileInfo(QString::fromStdString(file_.string())).absolutePath();
    const QString path = QFileInfo(local).isAbsolute() || file_.empty() ? local : dir + "/" + local;
    std::string bytes;
    try {
        bytes = toolkit::readFileBytes(path.toStdString(), kMaxResourceBytes);
    } catch (const toolkit::Error&) {
        return refused;
    }
    if (type == QTextDocument::StyleSheetResource) {
        const std::string css = toolkit::decodeText(bytes);
        return QString::fromUtf8(css.data(), static_cast<qsizetype>(css.size()));
    }
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace corvana::gui
