#include "view/SliderWithBox.h"

#include <QSlider>
#include <QSpinBox>

QSlider* SliderWithBox(QSpinBox& box, const QString& name, int minimum, int maximum, int step,
                       QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setAccessibleName(name);
    slider->setRange(minimum, maximum);
    slider->setPageStep(step);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(step);
    box.setAccessibleName(name);
    box.setRange(minimum, maximum);
    QObject::connect(slider, &QSlider::valueChanged, &box, &QSpinBox::setValue);
    QObject::connect(&box, &QSpinBox::valueChanged, slider, &QSlider::setValue);
    return slider;
}
