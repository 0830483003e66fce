// The main window's command table.
#include "core/app/commands.hpp"

#include <map>
#include <tuple>

namespace corvana::app {

std::string entryName(std::string_view caption, int number) {
    std::string out;
    for (const char c : caption) {
        const bool ascii =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (ascii) out += c;
    }
    return out + std::to_string(number);
}

namespace {

const char* const kMissingTable = "tabela inexistente - faça a atualização das tabelas";

// Builds the table, naming each menu entry after its caption.
class Builder {
  public:
    std::vector<Command> rows;

    Builder() {
        // The menus themselves take the first names.
        for (const char* menu : {"Arquivos", "Calcular", "Ajuda", "Clculos OnLine"}) name(menu);
    }

    Command& add(Place place, std::string caption, Action action) {
        Command c;
        c.place = place;
        c.caption = std::move(caption);
        c.action = action;
        c.name = name(c.caption);
        rows.push_back(std::move(c));
        return rows.back();
    }

    Command& button(std::string objectName, std::string caption, Action action,
                    Place place = Place::TabBotoes) {
        Command c;
        c.place = place;
        c.caption = std::move(caption);
        c.action = action;
        c.name = std::move(objectName);
        rows.push_back(std::move(c));
        return rows.back();
    }

    // "Débitos Judiciais ... (mês a mês)": the month-by-month court calculator.
    Command& court(Place place, const std::string& caption, const std::string& table) {
        auto& c = add(place, caption, Action::OpenWindow);
        c.missing = kMissingTable;
        c.table = table;
        c.vi = true;
        c.editingOn = true;
        c.indice = IndiceLoad::ClearAndLoad;
        c.windowCaption = caption;
        c.window = "TForm_tjsp_d";
        return c;
    }

    Command& federal(Place place) {
        auto& c = add(place, "Justiça Federal", Action::OpenWindow);
        c.missing = kMissingTable;
        c.table = "jf.tab";
        c.vi = true;
        c.editingOn = true;
        c.indice = IndiceLoad::ClearAndLoad;
        c.window = "TForm_jf";
        return c;
    }

    Command& open(Place place, std::string caption, std::string window, bool vi, bool editingOn,
                  std::string table = {}) {
        auto& c = add(place, std::move(caption), Action::OpenWindow);
        c.vi = vi;
        c.editingOn = editingOn;
        c.window = std::move(window);
        if (!table.empty()) {
            c.table = std::move(table);
            c.indice = IndiceLoad::ClearAndLoad;
        }
        return c;
    }

  private:
    std::map<std::string, int> used_;

    std::string name(std::string_view caption) {
        const auto base = entryName(caption, 0);
        const auto key = base.substr(0, base.size() - 1);
        return entryName(caption, ++used_[key]);
    }
};

std::vector<Command> buildTable() {
    Builder b;
    const auto mc = Place::MenuArquivosCalcular;
    const auto pc = Place::PopupCalcular;
    const std::string poupanca = "Poupança Diária - com opções de configuração";
    const std::string configurado = "Poupança - configurado";
    const std::string collor = "Poupança Configurada - com Plano Collor I e II";
    const std::string collor91 = "Poupança Configurada - com Plano Collor I e II (01/1991)";
    const std::string saoPaulo = "Débitos Judiciais São Paulo";

    // Main menu "Arquivos" > "Calcular": all hidden but "URV".
    b.open(mc, poupanca, "TForm2", false, true, "poupanca13.tab").hidden = true;
    b.open(mc, configurado, "TForm7", false, true).hidden = true;
    b.open(mc, collor, "TForm_conftodos", false, false).hidden = true;
    b.open(mc, collor91, "TForm_conftodosII", false, false).hidden = true;
    b.open(mc, saoPaulo, "TForm5", false, true, "t0001.tab").hidden = true;
    b.court(mc, "Débitos Judiciais São Paulo (mês a mês)", "tjsp.tab").hidden = true;
    b.court(mc, "Débitos Judiciais MG - MT - MS - ES (mês a mês)", "tjmg.tab").hidden = true;
    b.federal(mc).hidden = true;
    {
        auto& c = b.open(mc, "FGTS", "TFFGTSdif", true, true);
        c.loadOwnTables = true;
        c.hidden = true;
    }
    {
        auto& c = b.open(mc, "URV", "TFurv", false, false, "jfcg.tab");
        c.prepareOpen = true;
    }

    // Main menu "Arquivos".
    const auto ma = Place::MenuArquivos;
    b.add(ma, "Selecionar tudo", Action::ReportSelectAll);
    b.add(ma, "Copiar", Action::ReportCopy);
    b.add(ma, "Configurar Impressão", Action::ReportPageSetup);
    b.add(ma, "Visualizar Impressão", Action::ReportPreview);
    b.add(ma, "Fechar", Action::CloseMain);

    // Main menu "Ajuda" and the hidden "Cálculos On-Line".
    b.add(Place::MenuAjuda, "Ajuda", Action::Help).hidden = true;
    b.open(Place::MenuAjuda, "Sobre", "TAboutBox", false, false);
    b.add(Place::MenuCalculosOnLine, "Acessar", Action::Nothing).hidden = true;

    // Pop-up menu of "Calcular".
    b.open(pc, poupanca, "TForm2", true, true, "poupanca13.tab");
    b.open(pc, configurado, "TForm7", true, true);
    b.open(pc, collor, "TForm_conftodos", true, true);
    b.open(pc, collor91, "TForm_conftodosII", true, true);
    b.open(pc, saoPaulo, "TForm5", true, true, "t0001.tab");
    b.court(pc, "Débitos Judiciais São Paulo (mês a mês)", "tjsp.tab");
    b.court(pc, "Débitos Judiciais MG - MT - MS - ES (mês a mês)", "tjmg.tab");
    b.court(pc, "Débitos Judiciais PR (mês a mês)", "tjpr.tab").hidden = true;
    b.court(pc, "Débitos Judiciais PR (mês a mês - não expurgada)", "tjpre.tab").hidden = true;
    b.federal(pc);

    // Pop-up menu of the "FGTS" buttons.
    const auto pf = Place::PopupFgts;
    {
        auto& c = b.open(pf, "Expurgos do FGTS", "TFormFGTS", true, true);
        c.table = "fgts.tab";
        c.missing = "A tabela não foi encontrada, atualize os índices";
        c.missingAfterEditing = true;
        c.indice = IndiceLoad::LoadWithoutClearing;
        c.firstPage = true;
        c.resetPageOf = "TForm_jf";
    }
    b.open(pf, "FGTS - Juros Progressivos", "TForm_FGTS", true, true);
    {
        auto& c = b.open(pf, "Revisão TR X INPC ou IPCA-E", "TFFGTSdif", true, false);
        c.prepareOpen = true;
        c.loadOwnTables = true;
        c.firstPage = true;
    }

    // Pop-up menu of "Atualizar".
    b.add(Place::PopupAtualizar, "Atualização dos índices", Action::UpdateTables);
    b.add(Place::PopupAtualizar, "Página de atualização do software na Internet",
          Action::VendorPageInView);
    // Official series imported by the user, and the provenance of the installed tables.
    b.open(Place::PopupAtualizar, "Importar série oficial…", "TFormImportarSerie", false, false)
        .prepareOpen = true;
    b.open(Place::PopupAtualizar, "Tabelas instaladas", "TFormTabelas", false, false).prepareOpen =
        true;

    // Buttons of the tab "Botões".
    {
        auto& c = b.button("SpeedButton1", "Calcular", Action::OpenWindow);
        c.window = "TFurv";
        c.prepareOpen = true;
        c.indice = IndiceLoad::CalculatorTable;
        c.loadTaburv = true;
    }
    b.button("SpeedButton2", "Imprimir", Action::ReportPrint);
    b.button("SpeedButton10", "Exportar PDF", Action::ReportExportPdf).hint =
        "Salvar o relatório em PDF";
    b.button("SpeedButton3", "Atualizar", Action::CarryMenu).menu = Place::PopupAtualizar;
    b.button("SpeedButton4", "Fechar", Action::Quit);
    b.button("SpeedButton6", "FGTS", Action::CarryMenu).menu = Place::PopupFgts;
    b.button("SpeedButton7", "FGTS", Action::CarryMenu).menu = Place::PopupFgts;
    {
        auto& c = b.button("SpeedButton8", "Rendimento", Action::OpenWindow);
        c.window = "TForm6";
        c.hint = "Calcule o valor do índice usado no mês do expurgo";
    }

    // Buttons of the tab "Atualizações do Software".
    b.button("SpeedButton5", "Buscar Atualizações do Software no Site", Action::VendorPageInBrowser,
             Place::TabAtualizacoes);
    b.button("SpeedButton9", "Atualizar Tabelas", Action::UpdateTables, Place::TabAtualizacoes)
        .hint = "Atualizar Tabelas";
    for (const auto& [name, caption, window] :
         {std::tuple{"BotaoImportarSerie", "Importar série oficial…", "TFormImportarSerie"},
          std::tuple{"BotaoTabelasInstaladas", "Tabelas instaladas", "TFormTabelas"}}) {
        auto& c = b.button(name, caption, Action::OpenWindow, Place::TabAtualizacoes);
        c.window = window;
        c.prepareOpen = true;
    }

    // The hidden tab "Índice".
    b.button("Button1", "Gravar", Action::ReloadIndice, Place::TabIndice).hidden = true;
    b.button("Button2", "Button2", Action::Nothing, Place::TabIndice).hidden = true;
    return std::move(b.rows);
}

}  // namespace

const std::vector<Command>& commandTable() {
    static const std::vector<Command> table = buildTable();
    return table;
}

const Command* findCommand(std::string_view name) {
    for (const auto& c : commandTable()) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

}  // namespace corvana::app
