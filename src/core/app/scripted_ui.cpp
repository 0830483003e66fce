// The scripted Ui: queued answers, recorded effects.
#include "core/app/scripted_ui.hpp"

#include <ostream>

namespace corvana::app {

void ScriptedUi::showMessage(const std::string& text) {
    messages.push_back(text);
    if (echo != nullptr) *echo << text << "\n";
}

bool ScriptedUi::askYesNo(const std::string& text) {
    questions.push_back(text);
    if (echo != nullptr) *echo << text << "\n";
    if (yesNoAnswers.empty()) return defaultYesNo;
    const bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

namespace {
std::optional<std::filesystem::path> take(std::deque<std::optional<std::filesystem::path>>& q,
                                          const std::string& defaultExt, bool exact = false) {
    if (q.empty()) return std::nullopt;
    auto a = q.front();
    q.pop_front();
    if (a && !exact && !a->has_extension() && !defaultExt.empty()) *a += "." + defaultExt;
    return a;
}
}  // namespace

std::optional<std::filesystem::path> ScriptedUi::chooseOpenFile(const std::string&,
                                                                const std::string& defaultExt) {
    return take(openAnswers, defaultExt, exactOpenNames);
}

std::optional<std::filesystem::path> ScriptedUi::chooseSaveFile(const std::string&,
                                                                const std::string& defaultExt) {
    return take(saveAnswers, defaultExt);
}

void ScriptedUi::showReport(const std::filesystem::path& file) { reportsShown.push_back(file); }
void ScriptedUi::setEditingMode(bool on) { editingMode = on; }
void ScriptedUi::enableCommand(const std::string& name, bool enabled) {
    commandsEnabled.emplace_back(name, enabled);
}
void ScriptedUi::showWindow(const std::string& window) { windowsShown.push_back(window); }
void ScriptedUi::closeWindow(const std::string& window) { windowsClosed.push_back(window); }
bool ScriptedUi::startProgram(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments) {
    programsStarted.push_back(program);
    programArguments.push_back(arguments);
    return true;
}
void ScriptedUi::openUrl(const std::string& url) { urlsOpened.push_back(url); }
void ScriptedUi::quit() { quitRequested = true; }

}  // namespace corvana::app
