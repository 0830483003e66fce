// The commands of the main window as data: where each lives, its caption and its effect.
// The GUI builds its menus, pop-up menus and buttons from this table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvana::app {

// Where a command lives.
enum class Place {
    MenuArquivosCalcular,  // main menu "Arquivos" > "Calcular"
    MenuArquivos,          // main menu "Arquivos"
    MenuAjuda,             // main menu "Ajuda"
    MenuCalculosOnLine,    // main menu "Cálculos On-Line" (hidden)
    PopupCalcular,         // pop-up menu of the button "Calcular"
    PopupFgts,             // pop-up menu of the two "FGTS" buttons
    PopupAtualizar,        // pop-up menu of the button "Atualizar"
    TabBotoes,             // button on the tab "Botões"
    TabAtualizacoes,       // button on the tab "Atualizações do Software"
    TabIndice,             // button on the hidden tab "Índice"
};

enum class Action {
    OpenWindow,       // the common shape of opening a calculator or dialog (see Command)
    ReportSelectAll,  // the report view's own operations, done by the view
    ReportCopy,
    ReportPageSetup,
    ReportPreview,
    ReportPrint,
    ReportExportPdf,
    CloseMain,            // closes the main window, which ends the program
    Quit,                 // ends the program at once
    Help,                 // shows the help page of the data folder
    UpdateTables,         // runs the updater, then ends the program
    VendorPageInView,     // the vendor's page, report view's editing Off
    VendorPageInBrowser,  // the vendor's page in the user's web browser
    ReloadIndice,         // "Gravar": reloads `indice` from its table
    CarryMenu,            // a button whose click opens its pop-up menu
    Nothing,
};

// What a command does to `indice`.
enum class IndiceLoad {
    None,
    ClearAndLoad,         // empty it (2 rows, 1 column), then load `table` when it exists
    LoadWithoutClearing,  // load `table` over what it holds
    CalculatorTable,      // clear, then load the table the shown window names (indiceTable())
};

struct Command {
    std::string name;  // object name of the menu entry or button
    std::string caption;
    Place place = Place::MenuArquivos;
    bool hidden = false;  // defined but never shown
    std::string hint;
    Action action = Action::Nothing;
    Place menu = Place::MenuArquivos;  // for CarryMenu: the pop-up menu it carries

    // The steps of OpenWindow, in the order they run.
    std::string table;                 // the index table of the command
    std::string missing;               // message when `table` is missing (then nothing else runs)
    bool missingAfterEditing = false;  // the test runs after the editing switch
    bool vi = false;                   // enables "Visualizar Impressão"
    bool editingOn = false;            // report view's editing mode "On"
    IndiceLoad indice = IndiceLoad::None;
    bool loadTaburv = false;     // clear `Taburv` and load urvtab.tab into it
    bool loadOwnTables = false;  // the window reads its own month tables
    bool prepareOpen = false;    // the window's own set-up of this command
    std::string windowCaption;   // caption given to the window before it is shown
    std::string window;          // the window shown (model class name)
    bool firstPage = false;      // the window goes to its first page
    std::string resetPageOf;     // another window whose page number becomes 0
};

// The name a menu entry gets from its caption: letters and digits only, then a number
// counting the entries of that name ("Atualização dos índices" -> "Atualizaodosndices1").
std::string entryName(std::string_view caption, int number);

// The whole table, in menu order.
const std::vector<Command>& commandTable();
// A command by its object name; null when there is none.
const Command* findCommand(std::string_view name);

// Names used by the core itself.
inline constexpr const char* kVisualizarImpressao = "VisualizarImpresso1";
inline constexpr const char* kVendorPage = "https://corvana.example/atualizacoes";

}  // namespace corvana::app
