// The About window `TAboutBox`.
#pragma once

#include <QDialog>

#include "core/app/main_window.hpp"

class QLabel;

namespace corvana::gui {

// The program's icon, drawn once.
QIcon programIcon();

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(app::TAboutBox& model, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    app::TAboutBox& model_;
    QLabel* product_;
    QLabel* version_;
    QLabel* copyright_;
};

}  // namespace corvana::gui
