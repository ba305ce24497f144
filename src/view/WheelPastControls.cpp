#include "view/WheelPastControls.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QEvent>
#include <QObject>
#include <QScrollBar>
#include <QWidget>

namespace {

class WheelPasser : public QObject {
public:
    using QObject::QObject;

protected:
    // An event the filter takes but leaves ignored goes on to the parent widgets.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* control = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Wheel || control == nullptr || control->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void LetWheelPassUnfocusedControls(QWidget& container) {
    auto* passer = new WheelPasser(&container);
    QList<QWidget*> controls;
    for (QAbstractSpinBox* box : container.findChildren<QAbstractSpinBox*>())
        controls.append(box);
    // A scroll bar's wheel is the scrolling itself.
    for (QAbstractSlider* slider : container.findChildren<QAbstractSlider*>())
        if (qobject_cast<QScrollBar*>(slider) == nullptr)
            controls.append(slider);
    for (QWidget* control : controls) {
        // The wheel no longer gives the focus either: a click or Tab does.
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(passer);
    }
}
