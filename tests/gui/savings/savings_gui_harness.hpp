// The whole program on a copy of the bundled data folder, for driving savings windows by their
// widgets: the main window, every registered view, and a scripted Ui behind the Qt one.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/savings/savings_wizard.hpp"
#include "gui/app/gui_ui.hpp"
#include "gui/app/main_window.hpp"
#include "gui/app/views.hpp"
#include "test_support.hpp"

namespace corvana::testing {

struct SavingsGuiHarness {
    TempDir data;
    TempDir prog;
    app::ScriptedUi script;
    gui::GuiUi ui{&script};
    std::unique_ptr<app::App> app;
    gui::ViewRegistry views;
    std::unique_ptr<gui::MainWindow> window;

    SavingsGuiHarness() {
        std::filesystem::copy(CORVANA_SAMPLE_DATA, data.path(),
                              std::filesystem::copy_options::recursive);
        gui::registerViews(views);
        app = std::make_unique<app::App>(ui, app::AppOptions{data.path(), prog.path(), "1.0.0.8"});
        window = std::make_unique<gui::MainWindow>(*app, ui, views);
        window->resize(1200, 800);
        window->show();
    }
    QWidget* view(const char* cls) { return window->view(cls); }
    template <class T>
    T* in(const char* cls, const char* name) {
        return view(cls)->findChild<T*>(name);
    }
    void click(const char* cls, const char* name) {
        auto* b = in<QPushButton>(cls, name);
        QVERIFY2(b != nullptr, name);
        QVERIFY2(b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Types a cell through the table's own model, as the editor commits it.
    void type(const char* cls, const char* grid, int row, int col, const QString& text) {
        auto* t = in<QTableView>(cls, grid);
        QVERIFY2(t != nullptr, grid);
        t->setFocus();
        QVERIFY(t->model()->setData(t->model()->index(row, col), text));
    }
    // The entry of the "Calcular" pop-up menu with this caption.
    QAction* action(const QString& caption) {
        for (QAction* a : window->popupMenu(app::Place::PopupCalcular)->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    savings::SavingsWizard& model(const char* cls) {
        return *app->modelAs<savings::SavingsWizard>(cls);
    }
    savings::TForm2& form2() { return *app->modelAs<savings::TForm2>("TForm2"); }
    // Saves a picture of the widget (the main window when null) when CORVANA_SCREENSHOTS names a folder.
    void shot(QWidget* w, const QString& name) {
        const QByteArray dir = qgetenv("CORVANA_SCREENSHOTS");
        if (dir.isEmpty()) return;
        if (w == nullptr) w = window.get();
        w->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
    void shot(const char* cls, const QString& name) { shot(cls == nullptr ? nullptr : view(cls), name); }
};

}  // namespace corvana::testing
