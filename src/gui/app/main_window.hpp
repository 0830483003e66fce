// The main window `TForm1`: tabs of buttons and font settings, the menus built from the
// command table, the report view with its editing toolbar, printing and PDF export.
#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <filesystem>
#include <map>

#include "core/app/app.hpp"
#include "gui/app/gui_ui.hpp"
#include "gui/app/views.hpp"

class QAction;
class QComboBox;
class QFontComboBox;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QVBoxLayout;
class QPagedPaintDevice;
class QTextDocument;

namespace corvana::gui {

class GridModel;
class ReportView;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(app::App& app, GuiUi& ui, const ViewRegistry& views, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The first showing: FormShow and the first-run test. False when the program ended.
    bool startUp();

    // Runs a command of the table as its menu entry or button does.
    void trigger(const app::Command& command);
    void trigger(const QString& commandName);
    // Opens a saved calculation in the window its extension or first line names, as that
    // window's "Abrir" would; a message for a file no window opens.
    void openCalculation(const std::filesystem::path& file);

    const std::filesystem::path& dataFolder() const { return app_.context().meudir; }
    ReportView* reportView() const { return wb_; }
    QPrinter& printer() { return printer_; }
    QMenu* popupMenu(app::Place place) const;
    QWidget* view(const std::string& className) const;

    // Ui effects.
    void showReport(const std::filesystem::path& file);
    void setEditingMode(bool on);
    void enableCommand(const std::string& name, bool enabled);
    void showView(const std::string& className);
    void closeView(const std::string& className);
    void endProgram(bool quitApplication);

    // The report view's operations.
    void WBImprimir();
    void WBvisualizar();
    void WBConfigurarPagina();
    void WBselecionar();
    void exportPdf();
    // Writes the report as PDF to the file (atomically), with the page settings in use.
    void printToPdf(const std::filesystem::path& file);
    // Prints the shown document on a printer or PDF writer.
    void printDocument(QPagedPaintDevice* device);
    // Marks the header row of each spreadsheet table of a (printed) document to repeat.
    static void repeatTableHeaders(QTextDocument* doc);

    // The editing toolbar's form files.
    void abrirFormulario();
    void salvarFormulario();
    void inserirFigura();

    // Brings every widget in line with the main window's model.
    void refresh();
    // Brings every calculator window in line with its model (their refresh() is invokable).
    void refreshViews();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    app::App& app_;
    GuiUi& ui_;
    const ViewRegistry& viewRegistry_;
    QPrinter printer_{QPrinter::HighResolution};
    QTabWidget* topTabs_ = nullptr;
    QTabWidget* pages_ = nullptr;
    ReportView* wb_ = nullptr;
    QProgressBar* pb1_ = nullptr;
    QComboBox* cnomefont_ = nullptr;
    QComboBox* cfont_ = nullptr;
    QFontComboBox* combofont_ = nullptr;
    QComboBox* comboSize_ = nullptr;
    QAction* modoEditar_ = nullptr;
    QAction* bold_ = nullptr;
    QAction* italic_ = nullptr;
    QAction* underline_ = nullptr;
    QTableView* indiceView_ = nullptr;
    QTableView* taburvView_ = nullptr;
    GridModel* indiceModel_ = nullptr;
    GridModel* taburvModel_ = nullptr;
    std::map<app::Place, QMenu*> popups_;
    std::map<std::string, QWidget*> views_;
    bool ending_ = false;

    void buildMenus();
    QWidget* buildTopTabs();
    QWidget* buildReportPage();
    QWidget* buildIndexPage();
    QWidget* buildTaburvPage();
    void buildEditingToolbar(QWidget* page, QVBoxLayout* layout);
    QAction* addCommandAction(QMenu* menu, const app::Command& c);
    QPushButton* addCommandButton(QWidget* parent, const app::Command& c);
    void showPopup(app::Place place, QWidget* at);
    void fontBoxChanged(bool exit);
    void updateFormatButtons();
    // Tells in the status bar where a file was written.
    void savedTo(const std::filesystem::path& file);
    bool commandAvailable(const app::Command& c) const;
    // The start page shown until the first report: calculators, tables, where the help is.
    QString startPage() const;
};

}  // namespace corvana::gui
