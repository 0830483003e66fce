#include "gui/common/page_focus.hpp"

#include <QAbstractItemModel>
#include <QStackedWidget>
#include <QTableView>

namespace corvana::gui {

void focusFirstControl(QStackedWidget* pages) {
    QWidget* page = pages != nullptr ? pages->currentWidget() : nullptr;
    if (page == nullptr || !page->window()->isVisible()) return;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w)) break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled()) {
            if (auto* t = qobject_cast<QTableView*>(w); t != nullptr && t->model() != nullptr) {
                for (int c = 0; c < t->model()->columnCount(); ++c) {
                    const QModelIndex i = t->model()->index(0, c);
                    if (i.isValid() && (t->model()->flags(i) & Qt::ItemIsEditable)) {
                        t->setCurrentIndex(i);
                        break;
                    }
                }
            }
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace corvana::gui
