#pragma once

#include <QString>

class QSlider;
class QSpinBox;
class QWidget;

// A horizontal slider beside the spin box, holding one value from minimum to maximum: each
// follows the other. Both take the name for screen readers; the slider has a tick and a page
// step every `step`.
QSlider* SliderWithBox(QSpinBox& box, const QString& name, int minimum, int maximum, int step,
                       QWidget* parent);
