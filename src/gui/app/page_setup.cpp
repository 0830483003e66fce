// Paper, orientation and margins of the printout.
#include "gui/app/page_setup.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvana::gui {

PageSetupDialog::PageSetupDialog(const QPageLayout& layout, QWidget* parent) : QDialog(parent) {
    setObjectName("PageSetupDialog");
    setWindowTitle("Configurar Impressão");
    paper_ = new QComboBox(this);
    paper_->setObjectName("Papel");
    const std::pair<const char*, QPageSize::PageSizeId> papers[] = {
        {"A4 (210 x 297 mm)", QPageSize::A4},
        {"Carta (216 x 279 mm)", QPageSize::Letter},
        {"Ofício (216 x 356 mm)", QPageSize::Legal},
        {"A3 (297 x 420 mm)", QPageSize::A3},
    };
    for (const auto& [name, id] : papers) paper_->addItem(QString::fromUtf8(name), int(id));
    const int current = paper_->findData(int(layout.pageSize().id()));
    paper_->setCurrentIndex(current < 0 ? 0 : current);

    portrait_ = new QRadioButton("Retrato", this);
    landscape_ = new QRadioButton("Paisagem", this);
    (layout.orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    orientation->addStretch();

    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    auto spin = [this](double value, const char* name) {
        auto* s = new QDoubleSpinBox(this);
        s->setObjectName(name);
        s->setRange(0, 100);
        s->setDecimals(1);
        s->setSuffix(" mm");
        s->setValue(value);
        return s;
    };
    left_ = spin(m.left(), "MargemEsquerda");
    top_ = spin(m.top(), "MargemSuperior");
    right_ = spin(m.right(), "MargemDireita");
    bottom_ = spin(m.bottom(), "MargemInferior");

    auto* form = new QFormLayout;
    form->addRow("Papel:", paper_);
    form->addRow("Orientação:", orientation);
    form->addRow("Margem esquerda:", left_);
    form->addRow("Margem superior:", top_);
    form->addRow("Margem direita:", right_);
    form->addRow("Margem inferior:", bottom_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(buttons);
}

QPageLayout PageSetupDialog::pageLayout() const {
    const auto id = static_cast<QPageSize::PageSizeId>(paper_->currentData().toInt());
    return QPageLayout(QPageSize(id),
                       landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(left_->value(), top_->value(), right_->value(), bottom_->value()),
                       QPageLayout::Millimeter);
}

}  // namespace corvana::gui
