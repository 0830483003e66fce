// The FGTS windows over their core models: purges ("Expurgos FGTS") and progressive interest.
#pragma once

#include <QWidget>
#include <functional>

#include "core/app/app.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "gui/common/grid_model.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;

namespace corvana::gui {

class ViewRegistry;

void registerFgtsViews(ViewRegistry& views);

// What the FGTS windows share: each handler through the error wrapper, then a refresh.
class FgtsView : public QWidget {
    Q_OBJECT
  public:
    FgtsView(app::App& app, QWidget* parent) : QWidget(parent), app_(app) {}
    Q_INVOKABLE virtual void refresh() = 0;

  protected:
    void run(const std::function<void()>& handler);
    QPushButton* button(const char* name, const QString& caption);
    // A money box: digits enter from the right through `onEdit`; Delete acts as Backspace.
    QLineEdit* moneyBox(const char* name, std::function<void(const std::string&)> onEdit,
                        bool allowComma = false);
    // A date box with its mask; `onExit` repairs it when the caret leaves.
    QLineEdit* dateBox(const char* name, std::function<void(const std::string&)> onEdit,
                       std::function<void()> onExit);
    static void setBox(QLineEdit* box, const std::string& text);
    bool eventFilter(QObject* watched, QEvent* event) override;
    app::App& app_;
    bool refreshing_ = false;
};

class FgtsPurgesView : public FgtsView {
    Q_OBJECT
  public:
    FgtsPurgesView(app::App& app, fgts::TFormFGTS& model, QWidget* parent);
    void refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    fgts::TFormFGTS& m_;
    QStackedWidget* pages_;
    QPlainTextEdit* Edit1_;
    QLineEdit *Dataini_, *Datajuros_, *Txjur_, *hono_, *cust_, *JCsaldos_, *JCollor_;
    QCheckBox *Cjuros_, *Chonorarios_, *Ccustas_, *Cverao_, *Ccollor_;
    QRadioButton *Rsaldo_, *Rrendimento_, *JR3_, *JR6_;
    QLabel *JCsaldosLabel_, *JCollorLabel_;
    QLabel* labelExemplo_;  // "TABELA DE EXEMPLO" while a table loaded is sample data
    QPushButton *Bfim_, *Anterior_, *Proximo_;
};

class ProgressiveInterestView : public FgtsView {
    Q_OBJECT
  public:
    ProgressiveInterestView(app::App& app, fgts::TForm_FGTS& model, QWidget* parent);
    void refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    fgts::TForm_FGTS& m_;
    QPlainTextEdit* Memo1_;
    QComboBox* ComboBox1_;
    QCheckBox* Cipc_;
    QLabel* labelExemplo_;  // "TABELA DE EXEMPLO" while fgtsjuros.tab is sample data
    QTableView *sfgtsView_, *svaloresView_;
    GridModel *sfgts_, *svalores_;
};

}  // namespace corvana::gui
