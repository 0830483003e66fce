// The window views of the program by model class name (the GUI half of ModelRegistry).
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/app/app.hpp"

namespace corvana::gui {

// A view is a top-level window over its model. It refreshes its widgets from the model when
// shown (showEvent) and after each handler it calls; a view whose `refresh()` is Q_INVOKABLE
// is also refreshed after the main window changed its model (a calculation opened from the
// command line).
class ViewRegistry {
  public:
    using Factory = std::function<QWidget*(app::App&, app::WindowModel&, QWidget* parent)>;

    void add(std::string className, Factory factory);
    bool has(std::string_view className) const;
    QWidget* create(std::string_view className, app::App& app, app::WindowModel& model,
                    QWidget* parent) const;

  private:
    std::map<std::string, Factory, std::less<>> factories_;
};

// Keeps a calculator window or dialog above the main window: a dialog-type window transient
// for it, raised again whenever the main window comes forward (a click on the report, the end
// of a message box). Every view the registry creates gets this.
void keepAboveMainWindow(QWidget* view, QWidget* mainWindow);

// Registers the views of this build; one line per calculator, next to its model's line in
// src/core/app/calculators.cpp.
void registerViews(ViewRegistry& views);

}  // namespace corvana::gui
