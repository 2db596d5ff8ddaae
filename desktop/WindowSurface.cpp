#include "desktop/WindowSurface.h"

#include "desktop/RowFill.h"
#include "desktop/ThemeColours.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRectF>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quorvel {

WindowSurface::WindowSurface(QWidget& window, QSize minimumSize) : window_(window), minimumSize_(minimumSize) {}

// The picture is always addressed in pixels from the client area's corner; there is no other
// unit or origin to return from.
void WindowSurface::resetToPixels() {}

void WindowSurface::setPenWidth(int width) { penWidth_ = width; }

void WindowSurface::setFillStyle(FillStyle style) { fillStyle_ = style; }

void WindowSurface::setFillColour(Colour colour) { fillColour_ = colour; }

void WindowSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    // A line through a non-finite point has nothing that could be shown.
    if (!allFinite({x1, y1, x2, y2}))
        return;
    coverWindow();
    const Rgb rgb = resolve(colour);
    const RowLine row{x1, x2, y1, penWidth_, rgb};
    const bool horizontal = y1 == y2;
    if (!horizontal || !lineRun_.take(row)) {
        QPainter& painter = beginDrawing(linePen(rgb, penWidth_));
        if (!horizontal || !lineRun_.take(row))
            painter.drawLine(QLineF(x1, y1, x2, y2));
    }
    noteDrawn(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void WindowSurface::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    if (!allFinite({x, y, radius}))
        return;
    coverWindow();
    // The window's foreground colour is the desktop's button-text colour.
    QPainter& painter = beginDrawing(linePen(resolve(outline.value_or(SystemColour::ButtonText)), penWidth_));
    if (fillStyle_ == FillStyle::Solid) {
        const Rgb fill = resolve(fillColour_);
        painter.setBrush(QColor(fill.red, fill.green, fill.blue));
    }
    painter.drawEllipse(QPointF(x, y), radius, radius);
    noteDrawn(QRectF(x - radius, y - radius, 2 * radius, 2 * radius));
}

const QImage& WindowSurface::picture() const
{
    endDrawing();
    return picture_;
}

void WindowSurface::paint(QPainter& painter, const QRect& area) const
{
    endDrawing();
    const qreal ratio = picture_.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawImage(QRectF(area), picture_, source);
}

void WindowSurface::showDrawn()
{
    endDrawing();
    if (window_.isVisible() && !drawn_.isEmpty())
        window_.repaint(drawn_);
    drawn_ = QRegion();
}

void WindowSurface::coverWindow()
{
    const QSize current = picture_.deviceIndependentSize().toSize();
    const QSize needed = minimumSize_.expandedTo(window_.size()).expandedTo(current).boundedTo(largestScreenArea());
    const qreal ratio = window_.devicePixelRatioF();
    if (!picture_.isNull() && needed == current && picture_.devicePixelRatio() == ratio)
        return;
    endDrawing();
    QImage grown(needed * ratio, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(ratio);
    grown.fill(Qt::transparent);
    QPainter painter(&grown);
    painter.drawImage(QPointF(0, 0), picture_);
    painter.end();
    picture_ = std::move(grown);
}

Rgb WindowSurface::resolve(Colour colour) const { return themeColours(window_).resolve(colour); }

void WindowSurface::endDrawing() const
{
    paintHeldRows();
    if (painter_.isActive())
        painter_.end();
}

void WindowSurface::paintHeldRows() const
{
    if (lineRun_.empty())
        return;
    if (!painter_.isActive())
        painter_.begin(&picture_);
    paintRun(painter_, lineRun_);
    lineRun_.clear();
}

// One painter serves every operation until the picture is shown or replaced; lines held in a
// run are painted before anything else. The operation has made the picture cover the window.
QPainter& WindowSurface::beginDrawing(const QPen& pen)
{
    paintHeldRows();
    if (!painter_.isActive())
        painter_.begin(&picture_);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    return painter_;
}

// No window shows more than its screen can, so the picture needs no more than the largest
// screen, however large the window is made; it still always holds the whole scene.
QSize WindowSurface::largestScreenArea() const
{
    QSize largest = minimumSize_;
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size());
    return largest;
}

void WindowSurface::noteDrawn(const QRectF& area)
{
    const qreal margin = penWidth_ + 1;
    const QRectF touched = area.adjusted(-margin, -margin, margin, margin).intersected(QRectF(window_.rect()));
    if (!touched.isEmpty())
        drawn_ += touched.toAlignedRect();
}

}  // namespace quorvel
