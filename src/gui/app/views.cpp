// The views of this build.
#include "gui/app/views.hpp"

#include <QEvent>
#include <QPointer>
#include <vector>

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
    QWidget* view = it == factories_.end() ? nullptr : it->second(app, model, parent);
    if (view != nullptr && parent != nullptr) keepAboveMainWindow(view, parent->window());
    return view;
}

namespace {
// Raises the main window's calculator windows whenever the main window is activated.
class AboveMainWindow : public QObject {
  public:
    explicit AboveMainWindow(QWidget* mainWindow) : QObject(mainWindow) {
        setObjectName("corvanaAboveMainWindow");
        mainWindow->installEventFilter(this);
    }
    void add(QWidget* view) { views_.emplace_back(view); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate)
            for (const auto& v : views_)
                if (v && v->isVisible()) v->raise();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::vector<QPointer<QWidget>> views_;
};
}  // namespace

void keepAboveMainWindow(QWidget* view, QWidget* mainWindow) {
    if (view->parentWidget() != mainWindow) view->setParent(mainWindow);
    view->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    auto* keeper = mainWindow->findChild<AboveMainWindow*>("corvanaAboveMainWindow",
                                                           Qt::FindDirectChildrenOnly);
    if (keeper == nullptr) keeper = new AboveMainWindow(mainWindow);
    keeper->add(view);
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
