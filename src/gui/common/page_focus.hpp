// The keyboard focus of a wizard page just reached.
#pragma once

class QStackedWidget;

namespace corvana::gui {

// Puts the focus on the first control of the shown page the Tab key reaches (in a grid, on the
// first cell the user can type in), so typing after "Próximo" or "Anterior" lands on the page
// and not on a button the step has just disabled.
void focusFirstControl(QStackedWidget* pages);

}  // namespace corvana::gui
