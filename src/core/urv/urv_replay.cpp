// The URV replay the command-line runner and the benchmarks share.
#include "core/urv/urv_replay.hpp"

#include <algorithm>
#include <cctype>

#include "core/urv/urv_wizard.hpp"

namespace corvana::urv {

namespace {
constexpr const char* kClampNotice = "A atualização do cálculo só poderá ser para a data: ";
}

bool isUrvFile(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".urv" || file.filename() == TFurv::kBackup;
}

UrvReplayResult replayUrv(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file) {
    UrvReplayResult result;
    auto* form = app.modelAs<TFurv>(TFurv::kClassName);
    const app::Command* calcular = app::findCommand("SpeedButton1");
    if (form == nullptr || calcular == nullptr) return result;
    result.status = UrvReplayResult::Stopped;
    size_t before = ui.messages.size();
    auto step = [&](const std::function<void()>& handler) {
        return app::runCommand(ui, handler) && ui.messages.size() == before;
    };
    ui.openAnswers.clear();
    ui.openAnswers.push_back(file);
    if (!step([&] { form->Abrir(); })) return result;
    if (!app.run(*calcular) || ui.messages.size() != before) return result;
    for (int guard = 0; form->page < 4 && guard < 4; ++guard)
        if (!step([&] { form->SpeedButton2Click(); })) return result;
    if (form->page != 4) return result;
    ui.yesNoAnswers.clear();
    ui.defaultYesNo = false;
    if (!app::runCommand(ui, [&] { form->SpeedButton3Click(); })) return result;
    for (size_t i = before; i < ui.messages.size(); ++i)
        if (ui.messages[i].rfind(kClampNotice, 0) != 0) return result;
    result.report = form->reportPath();
    result.backup = form->backupPath();
    result.status = UrvReplayResult::Written;
    return result;
}

}  // namespace corvana::urv
