#pragma once

#include "core/draw/DrawingSurface.h"
#include "core/draw/LineRun.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QSize>

class QRect;
class QRectF;
class QWidget;

namespace quorvel {

// Draws on a window's client area. The picture is kept in an image at the screen's full
// resolution, so it survives the window being covered, minimised or resized; the window paints
// it under its child controls. What is drawn reaches the screen when showDrawn is called: one
// repaint for many operations costs a fraction of one repaint each.
class WindowSurface : public DrawingSurface {
public:
    // The picture covers at least minimumSize, and grows with the window up to the largest screen.
    WindowSurface(QWidget& window, QSize minimumSize);

    void resetToPixels() override;
    void setPenWidth(int width) override;
    void setFillStyle(FillStyle style) override;
    void setFillColour(Colour colour) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;

    // Repaints the region drawn since the last call, before it returns.
    void showDrawn();

    // For the window's paint event.
    void paint(QPainter& painter, const QRect& area) const;

    const QImage& picture() const;

private:
    void coverWindow();
    Rgb resolve(Colour colour) const;
    QPainter& beginDrawing(const QPen& pen);
    void paintHeldRows() const;
    void endDrawing() const;
    QSize largestScreenArea() const;
    void noteDrawn(const QRectF& area);

    QWidget& window_;
    QSize minimumSize_;
    mutable QImage picture_;  // held lines are painted in before it is read
    mutable QPainter painter_;  // ended before the picture is read, shown or replaced
    mutable LineRun lineRun_;
    QRegion drawn_;
    int penWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Colour fillColour_ = Rgb{0, 0, 0};
};

}  // namespace quorvel
