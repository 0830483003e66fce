// The common face of every window model: its class name, its caption, and the few hooks the
// main window's commands and start-up call on a calculator.
#pragma once

#include <filesystem>
#include <string>

namespace corvana::app {

class App;

class WindowModel {
  public:
    WindowModel(std::string className, std::string caption)
        : className_(std::move(className)), caption_(std::move(caption)) {}
    virtual ~WindowModel() = default;
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // "TForm2", "TFurv": the name the registries, the commands and Ui::showWindow use.
    const std::string& className() const { return className_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

    // Called once after every window model exists: take references to the other models
    // (the plan table of TForm3, the overrides of TForm4, ...).
    virtual void wire(App&) {}
    // The main window's first showing empties the plan check-list `CPlanos`.
    virtual void clearPlanChecklist() {}
    // Sets the wizard's current page number (the shown page follows when the view refreshes).
    virtual void setPage(int) {}
    // Calculators that read their own month tables into a hidden grid do it here; the
    // command that opens them calls it before showing the window.
    virtual void loadOwnTables() {}
    // What the opening command sets up besides the shared grids (button states, grid size).
    virtual void prepareOpen() {}
    // The index table the main window's "Calcular" button loads for this calculator
    // ("<court table>.tab"); empty when the calculator has none.
    virtual std::string indiceTable() const { return {}; }
    // "Abrir" with the file already chosen (a calculation given on the command line or
    // double-clicked); a window that overrides it answers true to opensFiles().
    virtual bool opensFiles() const { return false; }
    virtual void abrirArquivo(const std::filesystem::path&) {}

  private:
    std::string className_;
    std::string caption_;
};

}  // namespace corvana::app
