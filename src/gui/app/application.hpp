// Process-wide set-up of the window program: Portuguese Qt dialogs, title, icon.
#pragma once

class QApplication;

namespace corvana::gui {

// Application title, Brazilian locale and Qt's pt_BR translations (dialog buttons "Sim",
// "Não", "Cancelar"). Call once after creating the QApplication.
void setUpApplication(QApplication& application);

}  // namespace corvana::gui
