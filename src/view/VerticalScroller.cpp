#include "view/VerticalScroller.h"

#include <QEvent>
#include <QScrollBar>

VerticalScroller::VerticalScroller(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize VerticalScroller::minimumSizeHint() const {
    QSize hint = QScrollArea::minimumSizeHint();
    if (widget() != nullptr)
        hint.setWidth(widget()->minimumSizeHint().width() +
                      verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    return hint;
}

bool VerticalScroller::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::viewportEvent(event);
}
