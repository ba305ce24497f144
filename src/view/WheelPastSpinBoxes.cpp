#include "view/WheelPastSpinBoxes.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

class WheelPasser : public QObject {
public:
    using QObject::QObject;

protected:
    // An event the filter takes but leaves ignored goes on to the parent widgets.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* box = qobject_cast<QAbstractSpinBox*>(watched);
        if (event->type() != QEvent::Wheel || box == nullptr || box->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void LetWheelPassUnfocusedSpinBoxes(QWidget& container) {
    auto* passer = new WheelPasser(&container);
    for (QAbstractSpinBox* box : container.findChildren<QAbstractSpinBox*>()) {
        // The wheel no longer gives the focus either: a click or Tab does.
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(passer);
    }
}
