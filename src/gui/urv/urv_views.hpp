// The windows of the URV calculator: the wizard TFurv, the daily entries TFmanual and the law
// text TFtexto, over their core models.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "core/app/app.hpp"
#include "core/urv/urv_wizard.hpp"
#include "gui/common/grid_model.hpp"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;

namespace corvana::gui {

class ViewRegistry;

// Registers the three views of the URV family.
void registerUrvViews(ViewRegistry& views);

// What the URV windows share: a handler runs through the error wrapper, then every URV
// window is brought in line with its model (the daily entries window fills the wizard's grid).
class UrvWindow : public QWidget {
    Q_OBJECT
  public:
    UrvWindow(app::App& app, QWidget* parent);
    ~UrvWindow() override;
    Q_INVOKABLE virtual void refresh() = 0;

  protected:
    void run(const std::function<void()>& handler);
    app::App& app_;

  private:
    static std::vector<UrvWindow*>& all();
};

// "Cálculo das diferenças da aplicação URV".
class UrvWizardView : public UrvWindow {
    Q_OBJECT
  public:
    UrvWizardView(app::App& app, urv::TFurv& model, QWidget* parent);
    ~UrvWizardView() override;
    void refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    urv::TFurv& m_;
    QStackedWidget* pages_;
    QPushButton *anterior_, *proximo_, *finalizar_;
    QPlainTextEdit* memo1_;
    QRadioButton *r19_, *r22_;
    QCheckBox *c22dtpag_, *cescolher_, *cprescricao_, *chono_, *caplijur_, *jurmen_, *c2002_,
        *csalvar_;
    QComboBox *combourv_, *curv_, *combourvx_, *curvx_, *cb1_;
    QGroupBox* groupBox3_;
    QLabel* label19_;
    QLabel* labelExemplo_;  // "TABELA DE EXEMPLO" while a table loaded is sample data
    std::map<std::string, QLineEdit*> edits_;  // by domain name
    std::map<QObject*, std::string> moneyBoxes_, dateBoxes_;
    GridModel *svalores_ = nullptr, *surv_ = nullptr;
    QTableView* svaloresView_ = nullptr;
    bool refreshing_ = false;

    QLineEdit* edit(const char* name, bool readOnly = false);
    QLineEdit* moneyBox(const char* name);
    QLineEdit* dateBox(const char* name);
    QWidget* buildPage0();
    QWidget* buildPage1();
    QWidget* buildPage2();
    QWidget* buildPage3();
    QWidget* buildPage4();
    void takeFocusOff();
};

// "Lançar valores diariamente".
class DailyEntriesView : public UrvWindow {
    Q_OBJECT
  public:
    DailyEntriesView(app::App& app, urv::TFmanual& model, QWidget* parent);
    ~DailyEntriesView() override;
    void refresh() override;

  protected:
    // Opened by another calculator's handler, the window shows the grid as that handler left it.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    urv::TFmanual& m_;
    GridModel* sdia_ = nullptr;
    QTableView* view_ = nullptr;
    QCheckBox* demo_ = nullptr;
};

// "Lei 8.880/94".
class LawTextView : public UrvWindow {
    Q_OBJECT
  public:
    LawTextView(app::App& app, urv::TFtexto& model, QWidget* parent);
    void refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    urv::TFtexto& m_;
    QPlainTextEdit* text_;
};

}  // namespace corvana::gui
