// A Ui that answers from queues and records what was shown: the double of the tests, and
// the non-interactive Ui of the command-line runner.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ui.hpp"

namespace corvana::app {

class ScriptedUi : public Ui {
public:
    // Answers, taken front first. An empty Yes/No queue answers `defaultYesNo`; an empty
    // file queue answers "cancel".
    std::deque<bool> yesNoAnswers;
    bool defaultYesNo = false;
    std::deque<std::optional<std::filesystem::path>> openAnswers;
    std::deque<std::optional<std::filesystem::path>> saveAnswers;
    // Open answers are names of existing files, taken exactly as given (no default extension
    // added to a name without one).
    bool exactOpenNames = false;

    // What was shown, in order.
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::filesystem::path> reportsShown;
    std::vector<std::string> windowsShown;
    std::vector<std::string> windowsClosed;
    std::vector<std::pair<std::string, bool>> commandsEnabled;
    std::vector<std::filesystem::path> programsStarted;
    std::vector<std::vector<std::string>> programArguments;  // one list per program started
    std::vector<std::string> urlsOpened;
    std::optional<bool> editingMode;
    bool quitRequested = false;
    // Every message is also written here when set (the command-line runner's stderr).
    std::ostream* echo = nullptr;

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
};

}  // namespace corvana::app
