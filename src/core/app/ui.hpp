// The one port through which window models reach the user: messages, questions, file
// choices, the report view, menu entries, windows and programs.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvana::app {

class Ui {
public:
    virtual ~Ui() = default;

    // A message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A confirmation box with "Sim" and "Não"; true for "Sim".
    virtual bool askYesNo(const std::string& text) = 0;
    // Open and save dialogs. `filter` is in the platform form "Corvana (*.e12)|*.E12";
    // `defaultExt` ("e12") is added to a name typed without extension. The save dialog asks
    // before overwriting. Empty when the user cancels.
    virtual std::optional<std::filesystem::path> chooseOpenFile(const std::string& filter,
                                                                const std::string& defaultExt) = 0;
    virtual std::optional<std::filesystem::path> chooseSaveFile(const std::string& filter,
                                                                const std::string& defaultExt) = 0;
    // The main window's report view shows the file (and switches to the report page).
    virtual void showReport(const std::filesystem::path& file) = 0;
    // The report view's editing mode: true is "On" (editable), false is "Off".
    virtual void setEditingMode(bool on) = 0;
    // Enables or disables a menu entry or button of the main window, by its name.
    virtual void enableCommand(const std::string& name, bool enabled) = 0;
    // Shows, or closes (hides), the window of a model, by the model's class name ("TForm2").
    virtual void showWindow(const std::string& window) = 0;
    virtual void closeWindow(const std::string& window) = 0;
    // Starts a program without waiting; false when it could not be started.
    virtual bool startProgram(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments) = 0;
    // Opens an address in the user's web browser.
    virtual void openUrl(const std::string& url) = 0;
    // Ends the program.
    virtual void quit() = 0;
};

// Runs one event handler: a toolkit::Error it throws ends the command, its message is
// shown through `ui`, and false is returned; running out of memory or any other exception
// ends it the same way with a message of its own. Every entry point from the GUI, the CLI and
// the test drivers goes through here, so no exception ever leaves the core.
bool runCommand(Ui& ui, const std::function<void()>& handler);
// The message runCommand shows when memory ran out.
inline constexpr const char* kOutOfMemoryMessage = "Memória insuficiente: a operação foi interrompida";

}  // namespace corvana::app
