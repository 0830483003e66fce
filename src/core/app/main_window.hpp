// The main window `TForm1`: start-up, the first-run test, the commands that open the
// calculators, the report font settings, the table updates and the index grid's rules.
#pragma once

#include <string>

#include "core/app/commands.hpp"
#include "core/app/context.hpp"
#include "core/app/window_model.hpp"

namespace corvana::app {

class App;

class TForm1 : public WindowModel {
  public:
    static constexpr const char* kDesignCaption = "Corvana Diferenças da URV ";
    // The URV calculator's default table: its absence means the tables were never installed.
    static constexpr const char* kFirstRunTable =
        "Justiça Federal - Ações Condenatórias em Geral.tab";
    static constexpr const char* kFirstRunQuestion =
        "O programa está ainda sem tabelas, é necessário baixá-las da Internet, continuar?";
    // What the installed tables will be, said with the first-run question.
    static constexpr const char* kFirstRunTablesNote =
        "Serão instaladas as tabelas oficiais que acompanham o programa (Tabela Prática do TJSP, "
        "Justiça Federal, INPC, IPCA, IPCA-15, IGP-M, TR, Selic e JAM) e algumas tabelas de "
        "exemplo, com valores fictícios, que as janelas e os relatórios marcam como \"TABELA DE "
        "EXEMPLO\"; \"Atualizar\" > \"Tabelas instaladas\" mostra a origem de cada uma.";
    static constexpr const char* kUpdateQuestion =
        "Para atualizar os índices o programa será finalizado, continuar?";
    static constexpr const char* kNoUpdater = "atualizador não encontrado";
    // Left in the data folder while the updater runs; the next start-up reports the tables.
    static constexpr const char* kUpdatePending = "atualizacao-pendente.tmp";
    static constexpr const char* kHelpUpdateSection = "atualizar";

    explicit TForm1(App& app);

    // Start-up steps.
    void FormCreate();
    void FormShow();
    // The first-run test; true when it started the updater and closed the program.
    bool abrirback1();
    bool FormCloseQuery() const { return true; }

    // Runs a command of the table (the report view's own operations are the view's).
    void execute(const Command& command);
    // The common shape of opening a calculator; false when its table is missing (the
    // message was shown) or the build has no such window.
    bool openWindow(const Command& c);

    // The progress bar position for a progress event of the report view.
    static int progressPosition(long long progress, long long maximum);
    void WBProgressChange(long long progress, long long maximum);

    // The font boxes: every click or exit rewrites font.ini.
    void CnomefontClick() { gravarFonte(); }
    void CnomefontExit() { gravarFonte(); }
    void CfontClick() { gravarFonte(); }
    void CfontExit() { gravarFonte(); }
    void gravarFonte();

    // Table updates and the vendor's page.
    void Atualizaodosndices1Click();
    void PginadeatualizaodosoftwarenaInternet1Click();
    void SpeedButton5Click();
    void Ajuda2Click();
    // Shows the help page, at `section` (an anchor of the page) when not empty.
    void showHelp(const std::string& section);

    // The hidden tab "Índice".
    void Button1Click();
    void indiceSelectCell(int col, int row);

    // Report view state as the main window sees it.
    void setEditing(bool on);
    bool editing() const { return editing_; }
    bool previewEnabled() const { return previewEnabled_; }
    int pb1() const { return pb1_; }
    bool closed() const { return closed_; }
    // Closes the main window, which ends the program.
    void Close();

    SharedContext& ctx();

  private:
    App& app_;
    bool editing_ = false;
    bool previewEnabled_ = false;
    int pb1_ = 0;
    bool closed_ = false;

    std::filesystem::path updater() const;
    void startUpdater();
};

// The About window.
class TAboutBox : public WindowModel {
  public:
    static constexpr const char* kProduct = "Corvana Diferenças da URV";
    explicit TAboutBox(App& app);
    void FormShow();
    void prepareOpen() override { FormShow(); }

    std::string ProductName;
    std::string Version;
    // The calculators of this build, written on showing.
    std::string Copyright;
    std::string Comments =
        "Tecla F1: ajuda. Os índices vêm das tabelas da pasta de dados; as tabelas de exemplo "
        "não são índices oficiais: confira-os antes de usar.";

  private:
    App& app_;
};

}  // namespace corvana::app
