// "Diferenças do FGTS": the window of the FGTS index revision over its core model.
#pragma once

#include "core/fgts/fgts_revision.hpp"
#include "gui/savings/savings_views.hpp"

class QComboBox;
class QGroupBox;

namespace corvana::gui {

// Registers the view of the revision window.
void registerRevisionViews(ViewRegistry& views);

class RevisionView : public SavingsView {
    Q_OBJECT
  public:
    RevisionView(app::App& app, fgts::TFFGTSdif& model, QWidget* parent);
    ~RevisionView() override;
    void refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    fgts::TFFGTSdif& m_;
    QStackedWidget* pages_;
    QLabel *label7_, *label8_;
    QLabel *labelExemplo_, *labelExemplo8_;  // "TABELA DE EXEMPLO" by Label7 and Label8
    QPlainTextEdit* memo1_;
    QCheckBox *caplijur_, *jurmen_, *c2002_, *chono_;
    QLineEdit *dtacitacao_ = nullptr, *eq_ = nullptr, *ehono_ = nullptr;
    QGroupBox* start_;
    QRadioButton *rjan_, *rfev_;
    QComboBox *ctaxa_, *combo1_, *combo2_;
    QPushButton *anterior_, *proximo_, *finalizar_;
    GridModel *svalores_ = nullptr, *sfgts_ = nullptr;
    QTableView *svaloresView_ = nullptr, *sfgtsView_ = nullptr;
    bool refreshing_ = false;

    QWidget* buildOptionsPage();
    QWidget* buildGridsPage();
};

}  // namespace corvana::gui
