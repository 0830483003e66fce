// The Ui port in Qt: Portuguese message boxes and file dialogs, and the main window's
// report view, menu entries and calculator windows.
#pragma once

#include <QString>

#include "core/app/ui.hpp"

class QWidget;

namespace corvana::gui {

class MainWindow;

// Converts a platform filter ("Arquivos htm|*.htm|Todos|*.*") into Qt's form.
QString qtFilter(const std::string& filter);

class GuiUi : public app::Ui {
  public:
    // With `dialogs`, messages, questions, file choices, programs, addresses and the end of
    // the program go there instead of to Qt (the tests' scripted answers); the window
    // effects always reach the real main window.
    explicit GuiUi(app::Ui* dialogs = nullptr) : dialogs_(dialogs) {}
    void attach(MainWindow* window) { window_ = window; }

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<std::filesystem::path> chooseOpenFile(const std::string& filter,
                                                        const std::string& defaultExt) override;
    std::optional<std::filesystem::path> chooseSaveFile(const std::string& filter,
                                                        const std::string& defaultExt) override;
    void showReport(const std::filesystem::path& file) override;
    void setEditingMode(bool on) override;
    void enableCommand(const std::string& name, bool enabled) override;
    void showWindow(const std::string& window) override;
    void closeWindow(const std::string& window) override;
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override;
    void openUrl(const std::string& url) override;
    void quit() override;

    // The folder the file dialogs open in: the last folder a file was chosen in, else the
    // user's documents folder (never the data folder).
    QString startFolder() const;

  private:
    app::Ui* dialogs_;
    QString lastFolder_;
    void remember(const std::optional<std::filesystem::path>& chosen);
    MainWindow* window_ = nullptr;
    QWidget* parentWidget() const;
};

}  // namespace corvana::gui
