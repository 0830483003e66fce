// The window models of the program by class name, and the fixed order they are created in.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/window_model.hpp"

namespace corvana::app {

class App;

// One window of the program: its class name and its design caption.
struct WindowSlot {
    std::string className;
    std::string caption;
};

// Every window in creation order, main window first. A window whose model is not registered
// is skipped; the commands that open it stay disabled.
const std::vector<WindowSlot>& windowOrder();

// Adding a calculator takes two registrations under its class name:
//   core  (src/core/app/calculators.cpp):
//       registry.add("TForm2", [](App& app) { return std::make_unique<savings::TForm2>(app); });
//   GUI   (src/gui/app/views.cpp):
//       views.add("TForm2", [](App& app, WindowModel& m, QWidget* parent) { ... });
// App then creates the model in its place of windowOrder(), calls wire() once all models
// exist, and every command of the main window that shows "TForm2" becomes enabled and does
// its whole effect (load the table into `indice`, editing mode, show the window).
class ModelRegistry {
  public:
    using Factory = std::function<std::unique_ptr<WindowModel>(App&)>;

    void add(std::string className, Factory factory);
    bool has(std::string_view className) const;
    std::unique_ptr<WindowModel> create(std::string_view className, App& app) const;

  private:
    std::map<std::string, Factory, std::less<>> factories_;
};

// Registers the calculators that exist (see ModelRegistry).
void registerWindowModels(ModelRegistry& registry);

}  // namespace corvana::app
