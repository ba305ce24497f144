#pragma once

#include <QScrollArea>

// A scroll area that scrolls down, never sideways: it is never narrower than what it holds,
// so no control of it is ever cut short at the side.
class VerticalScroller : public QScrollArea {
    Q_OBJECT

public:
    explicit VerticalScroller(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    // What it holds asked for another size: the width it needs may have changed with it.
    bool viewportEvent(QEvent* event) override;
};
