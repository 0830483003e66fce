// The sample-table label of the calculator windows.
#include "gui/common/sample_table_label.hpp"

#include "core/tables/provenance.hpp"

namespace corvana::gui {

QLabel* sampleTableLabel(QWidget* parent, const char* objectName) {
    auto* label = new QLabel(QString::fromUtf8(tables::kSampleLabel), parent);
    label->setObjectName(objectName);
    label->setStyleSheet("color: #c00000; font-weight: bold;");
    label->setToolTip(QString::fromUtf8(tables::kSampleWarning));
    label->setVisible(false);
    return label;
}

}  // namespace corvana::gui
