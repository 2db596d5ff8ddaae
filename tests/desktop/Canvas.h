#pragma once

#include "desktop/WindowSurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace quorvel::testing {

// A window that shows a surface's picture the way the main window does, on its light grey, and
// counts how often it is painted.
class Canvas : public QWidget {
public:
    explicit Canvas(QSize size) : surface(*this, size)
    {
        QPalette background = palette();
        background.setColor(QPalette::Window, QColor(192, 192, 192));
        setPalette(background);
        resize(size);
    }

    QImage screen() const { return this->QWidget::screen()->grabWindow(winId()).toImage(); }
    QColor role(QPalette::ColorRole which) const { return palette().color(QPalette::Active, which); }

    WindowSurface surface;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        QPainter painter(this);
        surface.paint(painter, event->rect());
    }
};

}  // namespace quorvel::testing
