// "resumo" for the FGTS windows: the replays of "corvana-cli report", then the models' figures.
#include "core/fgts/fgts_recompute.hpp"

#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/fgts_replay.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/fgts/revision_replay.hpp"

namespace corvana::fgts {

namespace {

// The window's caption, and whether its replay wrote the report (else the stopping message).
template <class Form>
Form* finished(app::App& app, app::ScriptedUi& ui, const app::ReplayResult& r,
               const std::string& window, app::CaseSummary& summary) {
    auto* form = app.modelAs<Form>(window);
    if (form != nullptr) summary.calculator = form->caption();
    if (r.status != app::ReplayResult::Written || form == nullptr) {
        app::summaryStopped(ui, summary);
        return nullptr;
    }
    return form;
}

// A cell of the window's own grid without its bold markup ("<b>R$ 663,32</b>").
std::string plain(std::string text) {
    for (const char* tag : {"<b>", "</b>"})
        for (size_t at; (at = text.find(tag)) != std::string::npos;)
            text.erase(at, std::char_traits<char>::length(tag));
    return text;
}

// The purge report's total: "TOTAL GERAL" of the yield way, "Total devido em" of the balance way.
std::string purgeTotal(const TFormFGTS& form) {
    if (form.Rsaldo) {
        const auto& s = form.Sfimes;
        for (int r = s.rowCount() - 1; r >= 0; --r)
            if (s.cell(0, r).rfind("<b>Total devido em ", 0) == 0)
                return form.devolvemoeda(form.Dataini) + plain(s.cell(1, r));
        return {};
    }
    const auto& p = form.planilha;
    for (int r = p.rowCount() - 1; r >= 0; --r)
        if (p.cell(2, r) == "<b>TOTAL GERAL</b>") return plain(p.cell(6, r));
    return {};
}

}  // namespace

void recomputePurges(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                     const app::Command& command, app::CaseSummary& summary) {
    const auto r = replayPurges(app, ui, file);
    const auto* form = finished<TFormFGTS>(app, ui, r, command.window, summary);
    if (form == nullptr) return;
    summary.finalMonth = app::monthOfDate(form->Dataini);
    summary.total = purgeTotal(*form);
    summary.tableNames = form->usedTables();
    if (summary.total.empty()) summary.message = "O relatório não traz o total devido.";
}

void recomputeProgressive(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command& command, app::CaseSummary& summary) {
    const auto r = replayProgressive(app, ui, file);
    const auto* form = finished<TForm_FGTS>(app, ui, r, command.window, summary);
    if (form == nullptr) return;
    summary.finalMonth = app::monthOfLabel(form->owedMonth());
    summary.total = form->totalOwed();
    // A saved calculation carries its whole grid, indices included: "Abrir" reads no table of
    // the data folder, so none of them changes its total.
    summary.tableNames = form->usedTables();
}

void recomputeRevision(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                       const app::Command& command, app::CaseSummary& summary) {
    const auto r = replayRevision(app, ui, file);
    const auto* form = finished<TFFGTSdif>(app, ui, r, command.window, summary);
    if (form == nullptr) return;
    summary.finalMonth = form->owedMonth();
    summary.total = form->totalOwed();
    summary.tableNames = form->usedTables();
}

}  // namespace corvana::fgts
