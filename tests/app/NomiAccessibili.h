// Which of a window's visible controls a screen reader could not name.

#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace verbolario::prova {

// The controls a user can reach with the keyboard, press or read a list from, shown and
// without a name ("objectName:Class" each, blank-separated); empty when every one has one.
inline QString senzaNomeAccessibile(QWidget* finestra) {
    QStringList senzaNome;
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        const bool usabile = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QAbstractItemView*>(w);
        // A list's own viewport and scroll bars are named by the list.
        if (!w->isVisible() || !usabile || qobject_cast<QAbstractScrollArea*>(w->parent()))
            continue;
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
        if (!ai || ai->text(QAccessible::Name).trimmed().isEmpty())
            senzaNome << w->objectName() + ":" + w->metaObject()->className();
    }
    return senzaNome.join(' ');
}

} // namespace verbolario::prova
