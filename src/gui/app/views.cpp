// The views of this build.
#include "gui/app/views.hpp"

#include "gui/app/about_box.hpp"
#include "gui/savings/savings_views.hpp"
#include "gui/configured/configured_view.hpp"
#include "gui/fgts/revision_view.hpp"
#include "gui/urv/urv_views.hpp"
#include "gui/fgts/fgts_views.hpp"
#include "gui/tables/tables_views.hpp"

namespace corvana::gui {

void ViewRegistry::add(std::string className, Factory factory) {
    factories_[std::move(className)] = std::move(factory);
}

bool ViewRegistry::has(std::string_view className) const {
    return factories_.find(className) != factories_.end();
}

QWidget* ViewRegistry::create(std::string_view className, app::App& app, app::WindowModel& model,
                              QWidget* parent) const {
    const auto it = factories_.find(className);
    return it == factories_.end() ? nullptr : it->second(app, model, parent);
}

void registerViews(ViewRegistry& views) {
    views.add("TAboutBox", [](app::App&, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new AboutBox(static_cast<app::TAboutBox&>(m), parent);
    });
    registerSavingsViews(views);
    registerConfiguredViews(views);
    registerRevisionViews(views);
    registerUrvViews(views);
    registerFgtsViews(views);
    registerTablesViews(views);
}

}  // namespace corvana::gui
