#include "gui/common/masked_box.hpp"

#include <QEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

namespace corvana::gui {

namespace {

class EmptyMaskFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            // After the line edit's own focus handling, which may move the cursor.
            QTimer::singleShot(0, box, [box] {
                if (!box->text().contains(QRegularExpression("[0-9]"))) box->setCursorPosition(0);
            });
        }
        return false;
    }
};

}  // namespace

void typeFromStartWhenEmpty(QLineEdit* box) {
    box->installEventFilter(new EmptyMaskFocus(box));
}

}  // namespace corvana::gui
