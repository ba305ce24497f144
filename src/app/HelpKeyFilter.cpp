#include "app/HelpKeyFilter.h"

#include <QAction>
#include <QKeyEvent>

HelpKeyFilter::HelpKeyFilter(QAction& help, QObject* parent) : QObject(parent), m_help(help) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key->key() != Qt::Key_F1 || held != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    m_help.trigger();
    return true;
}
