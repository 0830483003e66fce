// The page set-up of the printout where the platform has no page dialog for the printer
// (no system printer: output to PDF).
#pragma once

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace corvana::gui {

class PageSetupDialog : public QDialog {
    Q_OBJECT
  public:
    PageSetupDialog(const QPageLayout& layout, QWidget* parent);
    QPageLayout pageLayout() const;

  private:
    QComboBox* paper_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QDoubleSpinBox* left_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* right_;
    QDoubleSpinBox* bottom_;
};

}  // namespace corvana::gui
