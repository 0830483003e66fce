// Masked boxes ("  /  /    ") that take the focus while empty.
#pragma once

class QLineEdit;

namespace corvana::gui {

// While `box` holds no digit, taking the focus puts the cursor on its first position: a box
// focused by a step (after a message, or by a window's own rule) would otherwise keep its
// cursor after the blank mask, and the digits typed there would be dropped.
void typeFromStartWhenEmpty(QLineEdit* box);

}  // namespace corvana::gui
