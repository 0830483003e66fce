// The About window: product, version and two lines about the program.
#include "gui/app/about_box.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvana::gui {

QIcon programIcon() {
    static const QIcon icon = [] {
        QPixmap pm(64, 64);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x1f, 0x4e, 0x79));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(2, 2, 60, 60, 12, 12);
        p.setPen(Qt::white);
        QFont f("Liberation Sans", 30, QFont::Bold);
        p.setFont(f);
        p.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, "C");
        p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 3));
        p.drawLine(14, 50, 50, 50);
        return QIcon(pm);
    }();
    return icon;
}

AboutBox::AboutBox(app::TAboutBox& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("AboutBox");
    setWindowTitle(QString::fromStdString(model.caption()));
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(programIcon().pixmap(64, 64));
    product_ = new QLabel(this);
    product_->setObjectName("ProductName");
    QFont big = product_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    product_->setFont(big);
    version_ = new QLabel(this);
    version_->setObjectName("Version");
    copyright_ = new QLabel(QString::fromStdString(model.Copyright), this);
    auto* copyright = copyright_;
    copyright->setObjectName("Copyright");
    copyright->setWordWrap(true);
    auto* comments = new QLabel(QString::fromStdString(model.Comments), this);
    comments->setObjectName("Comments");
    comments->setWordWrap(true);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* text = new QVBoxLayout;
    text->addWidget(product_);
    text->addWidget(version_);
    text->addSpacing(8);
    text->addWidget(copyright);
    text->addWidget(comments);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setFixedSize(480, 300);
}

void AboutBox::showEvent(QShowEvent* event) {
    model_.FormShow();
    product_->setText(QString::fromStdString(model_.ProductName));
    version_->setText(QString::fromStdString(model_.Version));
    copyright_->setText(QString::fromStdString(model_.Copyright));
    if (parentWidget() != nullptr) {
        const QRect pr = parentWidget()->frameGeometry();
        move(pr.center() - rect().center());
    }
    QDialog::showEvent(event);
}

}  // namespace corvana::gui
