// The configured-savings windows over their core model: one view for the three variants.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "core/app/app.hpp"
#include "core/configured/configured_wizard.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace corvana::gui {

class ViewRegistry;

// Registers the views of "Poupança - configurado" and its two Collor copies.
void registerConfiguredViews(ViewRegistry& views);

// Widgets named after their controls; every edit goes into the model, every event through the
// model's handler, and every widget is refreshed from the model afterwards.
class ConfiguredView : public QWidget {
    Q_OBJECT
public:
    ConfiguredView(app::App& app, configured::ConfiguredWizard& model, QWidget* parent);
    Q_INVOKABLE void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    app::App& app_;
    configured::ConfiguredWizard& m_;
    QStackedWidget* pages_ = nullptr;
    QLabel* label47_ = nullptr;
    QLabel* labelExemplo_ = nullptr;  // "TABELA DE EXEMPLO" beside Label47
    QPushButton* finalizar_ = nullptr;
    std::map<std::string, QLineEdit*> edits_;        // by field name
    std::map<std::string, QRadioButton*> radios_;    // by option name
    std::map<std::string, QCheckBox*> checks_;       // by option name
    bool refreshing_ = false;

    void run(const std::function<void()>& handler);
    QLineEdit* edit(const std::string& name, QWidget* parent);
    QRadioButton* radio(const std::string& name, const QString& caption, QWidget* parent);
    QCheckBox* check(const std::string& name, const QString& caption, bool configured::ConfiguredState::*flag,
                     QWidget* parent);
    QPushButton* ajuda(int number, QWidget* parent);
    QWidget* buildDados();
    QWidget* buildOpcoes();
    QWidget* buildStatementPage(int kind);
    QWidget* buildDatesPage(const char* title, const char* start, const char* end, const char* rate,
                            const char* objectName);
    QWidget* buildHonorarios();
    QWidget* buildFinal();
};

}  // namespace corvana::gui
