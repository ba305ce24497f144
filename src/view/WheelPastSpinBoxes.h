#pragma once

class QWidget;

// The wheel over a spin box that does not have the focus scrolls what holds it instead of
// changing the value the pointer happens to pass: applies to every spin box under container.
void LetWheelPassUnfocusedSpinBoxes(QWidget& container);
