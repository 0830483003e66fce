// Loading report files into the report view.
#include "gui/app/report_view.hpp"

#include <QFileInfo>
#include <QUrl>

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
    const std::string bytes = toolkit::readFileBytes(file);
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
    // Only files of this machine: a report never reaches the network.
    if (!name.isRelative() && !name.isLocalFile() && name.scheme() != "data") return {};
    if (name.scheme() == "data") return {};
    return QTextBrowser::loadResource(type, name);
}

}  // namespace corvana::gui
