#pragma once

#include "desktop/GraphSurface.h"

#include <QWidget>

namespace quorvel {

// The explore panel's graph of the brightness against the distance, as the core draws it; a
// click on it asks for the distance under the mouse.
class BrightnessGraphView : public QWidget {
    Q_OBJECT

public:
    explicit BrightnessGraphView(QWidget* parent);

    TextSurface& surface() { return surface_; }
    const QImage& picture() const { return surface_.picture(); }
    // Puts what was drawn since the last call on the screen.
    void showDrawn() { surface_.showDrawn(); }

signals:
    // At x in the graph's pixels.
    void clicked(float x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    GraphSurface surface_;
};

}  // namespace quorvel
