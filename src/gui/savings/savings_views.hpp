// The windows of the savings calculator and its dialogs, over their core models.
#pragma once

#include <QWidget>
#include <vector>

#include "core/app/app.hpp"
#include "core/savings/month_yield_dialog.hpp"
#include "core/savings/yield_override_dialog.hpp"
#include "core/savings/february_1989_notice.hpp"
#include "core/savings/savings_wizard.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "gui/common/grid_model.hpp"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;

namespace corvana::gui {

class ViewRegistry;

// Registers the views of the savings family (one line each in the view registry).
void registerSavingsViews(ViewRegistry& views);

// What every savings window does: run a model handler through the error wrapper, then bring
// every savings window in line with its model (a dialog may change the calculator's list).
class SavingsView : public QWidget {
    Q_OBJECT
public:
    SavingsView(app::App& app, QWidget* parent);
    ~SavingsView() override;
    // Invokable, so that the main window can bring a window in line after opening a file in it.
    Q_INVOKABLE virtual void refresh() = 0;

protected:
    void run(const std::function<void()>& handler);
    static void refreshAll();
    // Escape closes a dialog through its own closing handler.
    virtual bool escapeCloses() const { return false; }
    virtual void escape() {}
    void keyPressEvent(QKeyEvent* event) override;
    // Space on this column of the table toggles its "Sim"/"Não" cell.
    static void setToggleColumn(QTableView* view, int column);
    // A grid in a table view with its masks; `name` is the grid's domain name.
    QTableView* table(toolkit::StringGrid* grid, const QString& name, QSet<int> readOnly,
                      const QList<QPair<QString, QString>>& masks, GridModel** model);
    // Runs `rule` (through the error wrapper) whenever the focus leaves the table and its
    // cell editor: the grid's leaving rule.
    void whenLeft(QTableView* view, std::function<void()> rule);
    app::App& app_;

private:
    static std::vector<SavingsView*>& all();
    std::vector<QMetaObject::Connection> leaving_;
};

// What the windows of the savings family show differently (the pages follow the model's
// variant: no amortisation page where the family member has none).
struct WizardLook {
    bool indexConfig = true;     // "Configurar Índice" on the plan page
    bool interestModes = false;  // "Simples"/"Compostos" instead of the month-by-month group
    bool statementNote = true;   // the red note about the bank statements
    bool dayMask = true;         // the edit mask of "Dia base"
    QString menuCommand = "Poupança Diária";  // named by the closing text of the last page
};

// "Expurgos da Poupança" and, through its variant and look, the court-debt windows.
class SavingsWizardView : public SavingsView {
    Q_OBJECT
public:
    SavingsWizardView(app::App& app, savings::SavingsWizard& model, QWidget* parent,
                      WizardLook look = {});
    ~SavingsWizardView() override;
    void refresh() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    savings::SavingsWizard& m_;
    WizardLook look_;
    QStackedWidget* pages_;
    QLabel* label5_;
    QLabel* labelExemplo_;  // "TABELA DE EXEMPLO" beside Label5 for a sample table
    QListWidget* cplanos_;
    QRadioButton *rtr_, *rpoup_, *rsemjuros_, *rcomjuros_, *rsimples_, *rcomposto_;
    QCheckBox *cprorata_, *cnotas_;
    QPlainTextEdit *memo1_, *memo2_;
    QPushButton* finalizar_;
    QLabel* step_;
    QStringList stepCaptions_;
    std::vector<GridModel*> grids_;
    std::map<QObject*, std::string> gridNames_;
    bool refreshing_ = false;

    void markFocused(const std::string& name);
    void leaveRuleOn(QTableView* view, const std::string& name);
    void focusPage();
    QWidget* buildPlanPage();
    QWidget* buildSaldoPage();
    QWidget* buildBasePage();
    QWidget* buildJurosPage();
    QWidget* buildAmortizacaoPage();
    QWidget* buildPlanilhaPage();
    QWidget* buildNotasPage();
    QTableView* grid(toolkit::StringGrid* g, const QString& name, QSet<int> readOnly,
                     const QList<QPair<QString, QString>>& masks);
};

// A settings dialog over one table grid: the grid with its masks and its buttons
// "Nova Linha", "Excluir Linha", "Gravar" and "Fechar" in the order the dialog shows them.
class GridDialogView : public SavingsView {
    Q_OBJECT
public:
    void refresh() override;

protected:
    enum class Buttons { NovaFirst, GravarFirst };
    bool escapeCloses() const override { return true; }
    void escape() override { dialog_.FecharClick(); }
    GridDialogView(app::App& app, savings::GridDialog& model, QSize size, QSet<int> readOnly,
                   const QList<QPair<QString, QString>>& masks, Buttons order, QWidget* parent);
    void showEvent(QShowEvent* event) override;

    GridModel* grid_ = nullptr;
    QTableView* view_ = nullptr;

private:
    savings::GridDialog& dialog_;
};

// "Incluir Expurgo": the plan table.
class PlanTableView : public GridDialogView {
    Q_OBJECT
public:
    PlanTableView(app::App& app, savings::TForm3& model, QWidget* parent);
};

// "Aplicar Expurgos": the yield overrides ("Sim"/"Não" toggled by a click).
class OverridesView : public GridDialogView {
    Q_OBJECT
public:
    OverridesView(app::App& app, savings::TForm4& model, QWidget* parent);

private:
    savings::TForm4& m_;
};

// "Rendimento no mês".
class PurgeYieldView : public SavingsView {
    Q_OBJECT
public:
    PurgeYieldView(app::App& app, savings::TForm6& model, QWidget* parent);
    void refresh() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool escapeCloses() const override { return true; }
    void escape() override { m_.SairClick(); }

private:
    savings::TForm6& m_;
    QLineEdit *edit1_, *edit2_, *edit3_, *edit4_;
    QCheckBox *check1_, *check2_;
    GridModel* grid_ = nullptr;
};

// "Fevereiro de 1989".
class February1989View : public SavingsView {
    Q_OBJECT
public:
    February1989View(app::App& app, savings::TForm8& model, QWidget* parent);
    void refresh() override {}

protected:
    void showEvent(QShowEvent* event) override;
    bool escapeCloses() const override { return true; }
    void escape() override { m_.FecharClick(); }

private:
    savings::TForm8& m_;
};

}  // namespace corvana::gui
