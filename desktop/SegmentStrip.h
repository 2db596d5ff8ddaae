#pragma once

#include "core/mirror/Mirror.h"

#include <QAbstractSlider>

namespace quorvel {

// The mirror's thirty segments as one keyboard stop, drawn as a row of cells, on or scraped off.
// It is a slider over the segments, counted from 1, so that screen readers move along it as along
// any slider and read its name, the current segment and whether it reflects. A move or a switch
// only asks; the strip shows what the model then holds.
class SegmentStrip : public QAbstractSlider {
    Q_OBJECT

public:
    static constexpr int cellWidth = 10;
    static constexpr int cellHeight = 22;

    explicit SegmentStrip(QWidget* parent);

    void showMirror(const Mirror& mirror, int current);
    QSize sizeHint() const override;

signals:
    // The arrow keys, Home, End and the wheel ask to move the current segment by so many.
    void cursorMoved(int by);
    // Space asks to switch the current segment, a click the one under the mouse.
    void switched(int segment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect cell(int segment) const;

    Mirror mirror_ = Mirror::whole();
    int current_ = 0;  // as the model has it, counted from 0
};

}  // namespace quorvel
