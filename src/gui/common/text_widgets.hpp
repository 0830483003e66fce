// The small pieces every view uses to show its model's texts in Qt widgets and read them back:
// the conversions, and setters that leave a widget alone when it already shows the text (so a
// refresh moves no cursor and sends no change signal of its own).
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace corvana::gui {

inline QString q(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string s(const QString& text) {
    return text.toStdString();
}

// A memo's text as its lines, and back.
inline std::vector<std::string> linesOf(const QString& text) {
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& l : text.split('\n')) lines.push_back(s(l));
    return lines;
}
inline QString textOf(const std::vector<std::string>& lines) {
    QStringList l;
    for (const auto& x : lines) l << q(x);
    return l.join('\n');
}

inline void setLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    const QString t = textOf(lines);
    if (memo->toPlainText() != t) memo->setPlainText(t);
}
inline void setText(QLineEdit* e, const std::string& text) {
    const QString t = q(text);
    if (e->text() != t) e->setText(t);
}
inline void setText(QComboBox* box, const std::string& text) {
    const QString t = q(text);
    if (box->currentText() != t) box->setCurrentText(t);
}
inline void setItems(QComboBox* box, const std::vector<std::string>& items) {
    QStringList l;
    for (const auto& i : items) l << q(i);
    bool same = box->count() == l.size();
    for (int i = 0; same && i < l.size(); ++i) same = box->itemText(i) == l[i];
    if (!same) {
        box->clear();
        box->addItems(l);
    }
}
// Checks or unchecks without the click handlers hearing it.
inline void setCheck(QAbstractButton* b, bool on) {
    const bool blocked = b->blockSignals(true);
    b->setChecked(on);
    b->blockSignals(blocked);
}

// A named push button; Enter presses it only while it has the focus.
inline QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace corvana::gui
