#pragma once

class QWidget;

// The wheel over a spin box or a slider that does not have the focus scrolls what holds it
// instead of changing the value the pointer happens to pass: applies to every such control
// under container.
void LetWheelPassUnfocusedControls(QWidget& container);
