// Qt dialogs and main-window effects behind the Ui port.
#include "gui/app/gui_ui.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "gui/app/main_window.hpp"
#include "gui/common/text_widgets.hpp"

namespace corvana::gui {

namespace {
std::filesystem::path toPath(const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
}  // namespace

QString qtFilter(const std::string& filter) {
    const QStringList parts = q(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out.join(";;");
}

QString GuiUi::startFolder() const {
    if (!lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir()) return lastFolder_;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QDir::homePath() : docs;
}

void GuiUi::remember(const std::optional<std::filesystem::path>& chosen) {
    if (!chosen) return;
    const auto u8 = chosen->parent_path().u8string();
    lastFolder_ = QString::fromUtf8(reinterpret_cast<const char*>(u8.data()), static_cast<qsizetype>(u8.size()));
}

QWidget* GuiUi::parentWidget() const {
    if (QWidget* w = QApplication::activeWindow()) return w;
    return window_;
}

void GuiUi::showMessage(const std::string& text) {
    if (dialogs_ != nullptr) return dialogs_->showMessage(text);
    QMessageBox::information(parentWidget(), QApplication::applicationName(), q(text));
}

bool GuiUi::askYesNo(const std::string& text) {
    if (dialogs_ != nullptr) return dialogs_->askYesNo(text);
    return QMessageBox::question(parentWidget(), QApplication::applicationName(), q(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::filesystem::path> GuiUi::chooseOpenFile(const std::string& filter,
                                                           const std::string& defaultExt) {
    if (dialogs_ != nullptr) {
        auto chosen = dialogs_->chooseOpenFile(filter, defaultExt);
        remember(chosen);
        return chosen;
    }
    QFileDialog d(parentWidget(), QObject::tr("Abrir"));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setNameFilter(qtFilter(filter));
    d.setDefaultSuffix(q(defaultExt));
    d.setDirectory(startFolder());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    auto chosen = std::optional(toPath(d.selectedFiles().first()));
    remember(chosen);
    return chosen;
}

std::optional<std::filesystem::path> GuiUi::chooseSaveFile(const std::string& filter,
                                                           const std::string& defaultExt) {
    if (dialogs_ != nullptr) {
        auto chosen = dialogs_->chooseSaveFile(filter, defaultExt);
        remember(chosen);
        return chosen;
    }
    QFileDialog d(parentWidget(), QObject::tr("Salvar como"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter(qtFilter(filter));
    d.setDefaultSuffix(q(defaultExt));
    d.setDirectory(startFolder());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    auto chosen = std::optional(toPath(d.selectedFiles().first()));
    remember(chosen);
    return chosen;
}

void GuiUi::showReport(const std::filesystem::path& file) {
    if (window_ != nullptr) window_->showReport(file);
}

void GuiUi::setEditingMode(bool on) {
    if (window_ != nullptr) window_->setEditingMode(on);
}

void GuiUi::enableCommand(const std::string& name, bool enabled) {
    if (window_ != nullptr) window_->enableCommand(name, enabled);
}

void GuiUi::showWindow(const std::string& window) {
    if (window_ != nullptr) window_->showView(window);
}

void GuiUi::closeWindow(const std::string& window) {
    if (window_ != nullptr) window_->closeView(window);
}

bool GuiUi::startProgram(const std::filesystem::path& program,
                         const std::vector<std::string>& arguments) {
    if (dialogs_ != nullptr) return dialogs_->startProgram(program, arguments);
    QStringList args;
    for (const auto& a : arguments) args << q(a);
    return QProcess::startDetached(q(program.string()), args);
}

void GuiUi::openUrl(const std::string& url) {
    if (dialogs_ != nullptr) return dialogs_->openUrl(url);
    QDesktopServices::openUrl(QUrl(q(url)));
}

void GuiUi::quit() {
    if (dialogs_ != nullptr) dialogs_->quit();
    if (window_ != nullptr) window_->endProgram(dialogs_ == nullptr);
}

}  // namespace corvana::gui
