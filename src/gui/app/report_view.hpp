// The report view `WB`: shows one report document, editable in editing mode "On", and
// fetches nothing from the network.
#pragma once

#include <QTextBrowser>
#include <filesystem>

namespace corvana::gui {

class ReportView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit ReportView(QWidget* parent = nullptr);

    // The largest report shown: some forty times the largest real report, and laid out in
    // about a second; a larger one is refused with a message rather than frozen on. Also the
    // largest image or style sheet a report may load.
    static constexpr size_t kMaxReportBytes = 2u * 1024 * 1024;
    static constexpr size_t kMaxResourceBytes = 8u * 1024 * 1024;

    // Shows the file: Windows-1252 (or a BOM's encoding) decoded, re-parsed into well-formed
    // HTML, images and style sheets taken from the file's folder. Throws toolkit::FileError
    // when the file cannot be read or is larger than kMaxReportBytes (the view then keeps its
    // document).
    void showFile(const std::filesystem::path& file);
    // The blank page.
    void showBlank();
    // A page built in memory (the start page): no file behind it, nothing written anywhere.
    void showPage(const QString& html);
    const std::filesystem::path& currentFile() const { return file_; }

    // Editing mode "On" (editable) or "Off" (read-only).
    void setEditing(bool on);
    bool editing() const { return !isReadOnly(); }

    QVariant loadResource(int type, const QUrl& name) override;

  signals:
    // Progress of showing a document: progress of maximum, as the browser reports it.
    void progressChange(long long progress, long long maximum);

  private:
    std::filesystem::path file_;
};

}  // namespace corvana::gui
