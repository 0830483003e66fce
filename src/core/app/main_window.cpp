// The main window's start-up, commands, font settings, updates and index-grid rules.
#include "core/app/main_window.hpp"

#include "core/app/app.hpp"
#include "core/app/data_folder.hpp"
#include "core/app/font_ini.hpp"
#include "core/app/installed_tables.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"

namespace corvana::app {

namespace {
bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

// Empties the grid, then 2 rows and 1 column, and loads the table when it exists.
void clearAndLoad(toolkit::StringGrid& grid, const std::filesystem::path& table) {
    grid.clear();
    grid.setRowCount(2);
    grid.setColCount(1);
    if (!table.empty() && fileExists(table)) toolkit::LoadFromFile(table, grid);
}
}  // namespace

TForm1::TForm1(App& app) : WindowModel("TForm1", kDesignCaption), app_(app) {}

SharedContext& TForm1::ctx() {
    return app_.context();
}

void TForm1::FormCreate() {
    ctx().meudirx2 = app_.options().programDir;
    ctx().meudir = app_.options().dataDir;
    setCaption(std::string(kDesignCaption) + app_.options().version);
    // The report view starts on the blank page, editable.
    setEditing(true);
}

void TForm1::FormShow() {
    for (const char* name : {"TForm2", "TForm5", "TForm_tjsp_d", "TForm_jf"}) {
        if (auto* m = app_.model(name)) m->clearPlanChecklist();
    }
    // A damaged settings file or table is reported and start-up goes on.
    runCommand(app_.ui(), [&] {
        ReportFont font{ctx().Cnomefont, ctx().Cfont};
        if (readFontIni(ctx().file("font.ini"), font)) {
            ctx().Cnomefont = font.name;
            ctx().Cfont = font.size;
        }
    });
    runCommand(app_.ui(), [&] {
        const auto table = ctx().file("poupanca13.tab");
        if (fileExists(table)) toolkit::LoadFromFile(table, ctx().indice);
    });
    // Back from the updater: what it installed, and which tables are only samples.
    const auto pending = ctx().file(kUpdatePending);
    if (fileExists(pending)) {
        std::error_code ec;
        std::filesystem::remove(pending, ec);
        if (fileExists(ctx().meudir / u8name(kFirstRunTable)))
            app_.ui().showMessage(installedTablesSummary(installedTables(ctx().meudir)));
    }
    abrirback1();
}

std::filesystem::path TForm1::updater() const {
    return app_.context().meudirx2 / updaterFileName();
}

void TForm1::startUpdater() {
    // The updater fills the data folder this program uses, then starts the program again,
    // which then tells what was installed.
    runCommand(app_.ui(), [&] { toolkit::writeLines(ctx().file(kUpdatePending), {"1"}); });
    app_.ui().startProgram(updater(), {"--data-dir", ctx().meudir.string()});
}

bool TForm1::abrirback1() {
    setEditing(false);
    if (fileExists(ctx().meudir / u8name(kFirstRunTable)) || !fileExists(updater())) return false;
    if (!app_.ui().askYesNo(std::string(kFirstRunQuestion) + "\n\n" + kFirstRunTablesNote))
        return false;
    startUpdater();
    Close();
    return true;
}

void TForm1::Close() {
    if (!FormCloseQuery()) return;
    closed_ = true;
    app_.ui().quit();
}

void TForm1::setEditing(bool on) {
    editing_ = on;
    app_.ui().setEditingMode(on);
}

void TForm1::execute(const Command& c) {
    switch (c.action) {
        case Action::OpenWindow:
            openWindow(c);
            break;
        case Action::CloseMain:
        case Action::Quit:
            Close();
            break;
        case Action::Help:
            Ajuda2Click();
            break;
        case Action::UpdateTables:
            Atualizaodosndices1Click();
            break;
        case Action::VendorPageInView:
            PginadeatualizaodosoftwarenaInternet1Click();
            break;
        case Action::VendorPageInBrowser:
            SpeedButton5Click();
            break;
        case Action::ReloadIndice:
            Button1Click();
            break;
        default:  // the report view's own operations, menus carried by buttons, nothing
            break;
    }
}

bool TForm1::openWindow(const Command& c) {
    WindowModel* w = app_.model(c.window);
    if (w == nullptr) return false;
    const auto table = c.table.empty() ? std::filesystem::path() : ctx().file(c.table);
    const bool missing = !c.missing.empty() && !fileExists(table);
    if (missing && !c.missingAfterEditing) {
        app_.ui().showMessage(c.missing);
        return false;
    }
    if (c.vi) {
        previewEnabled_ = true;
        app_.ui().enableCommand(kVisualizarImpressao, true);
    }
    if (c.editingOn) setEditing(true);
    if (missing) {
        app_.ui().showMessage(c.missing);
        return false;
    }
    if (c.prepareOpen) w->prepareOpen();
    switch (c.indice) {
        case IndiceLoad::None:
            break;
        case IndiceLoad::ClearAndLoad:
            clearAndLoad(ctx().indice, table);
            break;
        case IndiceLoad::LoadWithoutClearing:
            if (fileExists(table)) toolkit::LoadFromFile(table, ctx().indice);
            break;
        case IndiceLoad::CalculatorTable: {
            const auto name = w->indiceTable();
            clearAndLoad(ctx().indice, name.empty() ? std::filesystem::path() : ctx().file(name));
            break;
        }
    }
    if (c.loadTaburv) clearAndLoad(ctx().Taburv, ctx().file("urvtab.tab"));
    if (!c.windowCaption.empty()) w->setCaption(c.windowCaption);
    if (c.loadOwnTables) w->loadOwnTables();
    if (c.firstPage) w->setPage(0);
    app_.ui().showWindow(w->className());
    if (!c.resetPageOf.empty()) {
        if (auto* other = app_.model(c.resetPageOf)) other->setPage(0);
    }
    return true;
}

int TForm1::progressPosition(long long progress, long long maximum) {
    if (progress >= 1 && maximum > 1) return static_cast<int>(progress * 100 / maximum);
    return 0;
}

void TForm1::WBProgressChange(long long progress, long long maximum) {
    pb1_ = progressPosition(progress, maximum);
}

void TForm1::gravarFonte() {
    writeFontIni(ctx().file("font.ini"), ReportFont{ctx().Cnomefont, ctx().Cfont});
}

void TForm1::Atualizaodosndices1Click() {
    if (!fileExists(updater())) {
        app_.ui().showMessage(kNoUpdater);
        return;
    }
    // "Não" keeps the program, and the calculation in progress, open.
    if (!app_.ui().askYesNo(kUpdateQuestion)) return;
    startUpdater();
    Close();
}

// There is no vendor site: both update-page commands open the help page at its section on
// updating the tables, with the official sources' addresses.
void TForm1::PginadeatualizaodosoftwarenaInternet1Click() {
    showHelp(kHelpUpdateSection);
}

void TForm1::SpeedButton5Click() {
    showHelp(kHelpUpdateSection);
}

void TForm1::Ajuda2Click() { showHelp(""); }

void TForm1::showHelp(const std::string& section) {
    const auto help = ctx().meudir / "images" / "index.htm";
    if (!fileExists(help)) {
        setEditing(false);
        app_.ui().showMessage("A página de ajuda (images/index.htm) não está na pasta de dados");
        return;
    }
    previewEnabled_ = true;
    app_.ui().enableCommand(kVisualizarImpressao, true);
    // The section travels as the address's fragment ("index.htm#atualizar").
    app_.ui().showReport(section.empty() ? help : std::filesystem::path(help.string() + "#" + section));
    setEditing(false);
}

void TForm1::Button1Click() {
    const char* table = ctx().indice.cell(0, 0) == "moeda" ? "t0001.tab" : "poupanca13.tab";
    toolkit::LoadFromFile(ctx().file(table), ctx().indice);
}

void TForm1::indiceSelectCell(int col, int row) {
    auto& indice = ctx().indice;
    if (col != 0 || row != indice.rowCount() - 1 || row < 2) return;
    const auto month = toolkit::MonthToDate(indice.cell(0, row - 1));
    indice.setCell(0, row, toolkit::DateToMonth(toolkit::IncMonth(month, 1)));
}

TAboutBox::TAboutBox(App& app) : WindowModel("TAboutBox", "Sobre"), app_(app) {
    Version = "Versão: " + app.options().version;
    ProductName = kProduct;
}

void TAboutBox::FormShow() {
    ProductName = kProduct;
    // What this build computes: the calculator commands that open a window here.
    std::string list;
    for (const auto& c : commandTable()) {
        if (c.action != Action::OpenWindow || c.hidden || !app_.available(c)) continue;
        if (c.place != Place::PopupCalcular && c.place != Place::PopupFgts) continue;
        if (list.find(c.caption) != std::string::npos) continue;
        list += (list.empty() ? "" : "; ") + c.caption;
    }
    Copyright = list.empty() ? "Nenhum cálculo disponível nesta versão."
                             : "Cálculos desta versão: " + list + ".";
}

}  // namespace corvana::app
