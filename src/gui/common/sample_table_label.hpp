// The red "TABELA DE EXEMPLO" label a calculator window shows beside the date of its table
// while the table it loaded holds sample values.
#pragma once

#include <QLabel>

namespace corvana::gui {

// A hidden label (named "LabelExemplo" unless a window shows it on two pages); its window's
// refresh shows it with the model's flag.
QLabel* sampleTableLabel(QWidget* parent, const char* objectName = "LabelExemplo");

}  // namespace corvana::gui
