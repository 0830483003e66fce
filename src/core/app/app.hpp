// The composition root: creates every window model once, in the fixed order, and wires them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/commands.hpp"
#include "core/app/context.hpp"
#include "core/app/data_folder.hpp"
#include "core/app/main_window.hpp"
#include "core/app/registry.hpp"

namespace corvana::app {

struct AppOptions {
    std::filesystem::path dataDir;       // `meudir`
    std::filesystem::path programDir;    // `meudirx2`
    std::string version = GetVersion();  // the version text of the caption and About
};

class App {
  public:
    // Uses the calculators of this build (registerWindowModels).
    App(Ui& ui, AppOptions options);
    // Uses the given registry (tests bring their own calculators).
    App(Ui& ui, AppOptions options, const ModelRegistry& registry);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The main window's first showing: FormShow, then the first-run test. False when the
    // program ended during it (the updater was started).
    bool start();

    Ui& ui() { return *ui_; }
    SharedContext& context() { return ctx_; }
    const AppOptions& options() const { return options_; }
    TForm1& form1() { return *form1_; }
    TAboutBox& about() { return *about_; }

    // A window model by class name; null when this build has no such window.
    WindowModel* model(std::string_view className);
    template <class T>
    T* modelAs(std::string_view className) {
        return dynamic_cast<T*>(model(className));
    }
    // Every model, in creation order.
    const std::vector<WindowModel*>& models() const { return order_; }

    // Whether the command can run in this build (its window exists).
    bool available(const Command& command);
    // Runs a command through the error wrapper; false when it failed or cannot run.
    bool run(const Command& command);
    bool run(std::string_view commandName);

  private:
    Ui* ui_;
    AppOptions options_;
    SharedContext ctx_;
    std::vector<std::unique_ptr<WindowModel>> owned_;
    std::vector<WindowModel*> order_;
    TForm1* form1_ = nullptr;
    TAboutBox* about_ = nullptr;

    void build(const ModelRegistry& registry);
};

}  // namespace corvana::app
