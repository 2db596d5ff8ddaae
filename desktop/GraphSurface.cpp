#include "desktop/GraphSurface.h"

#include "desktop/Fonts.h"
#include "desktop/RowFill.h"
#include "desktop/ThemeColours.h"

#include <QWidget>

#include <cmath>

namespace quorvel {

namespace {

QColor qColour(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

}  // namespace

GraphSurface::GraphSurface(QWidget& view, QSize size) : view_(view), size_(size), picture_(size, QImage::Format_ARGB32_Premultiplied)
{
    picture_.fill(Qt::transparent);
}

void GraphSurface::resetToPixels()
{
    rows_.clear();
    if (painter_.isActive())
        painter_.end();
    const qreal ratio = view_.devicePixelRatioF();
    if (picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(size_ * ratio, QImage::Format_ARGB32_Premultiplied);
        picture_.setDevicePixelRatio(ratio);
    }
    picture_.fill(Qt::transparent);
}

// The curves are 700 short strokes each, whose ends meet. Square ends show the pixels that round
// ones would at the graph's pens, at a fraction of the cost.
void GraphSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    const Rgb rgb = resolve(colour);
    const RowLine row{x1, x2, y1, penWidth_, rgb};
    if (y1 == y2 && rows_.take(row))
        return;
    paintHeldRows();
    if (y1 != y2 || !rows_.take(row))
        painter(qColour(rgb)).drawLine(QLineF(x1, y1, x2, y2));
}

void GraphSurface::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius))
        return;
    paintHeldRows();
    QPainter& painter = this->painter(qColour(resolve(outline.value_or(SystemColour::ButtonText))));
    painter.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(qColour(resolve(fillColour_))) : QBrush());
    painter.drawEllipse(QPointF(x, y), radius, radius);
    painter.setBrush(QBrush());
}

void GraphSurface::text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    paintHeldRows();
    QPainter& painter = this->painter(qColour(resolve(colour)));
    painter.setFont(sans(size, false));
    const QString shown = QString::fromStdString(words);
    const int advance = painter.fontMetrics().horizontalAdvance(shown);
    const qreal left = anchor == TextAnchor::Start ? x : anchor == TextAnchor::Middle ? x - advance / 2.0 : x - advance;
    painter.drawText(QPointF(left, y), shown);
}

// The theme is asked only for its own colours, not for every stroke of a curve.
Rgb GraphSurface::resolve(Colour colour) const
{
    const auto* rgb = std::get_if<Rgb>(&colour);
    return rgb ? *rgb : themeColours(view_).resolve(colour);
}

// One painter serves every operation until the image is read; its pen changes only when the
// colour or the width does.
QPainter& GraphSurface::painter(QColor pen)
{
    beginPainting();
    if (painter_.pen().color() != pen || painter_.pen().width() != penWidth_)
        painter_.setPen(QPen(pen, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    return painter_;
}

void GraphSurface::beginPainting() const
{
    if (!painter_.isActive())
        painter_.begin(&picture_);
}

void GraphSurface::paintHeldRows() const
{
    if (rows_.empty())
        return;
    beginPainting();
    paintRun(painter_, rows_);
    rows_.clear();
}

const QImage& GraphSurface::picture() const
{
    paintHeldRows();
    if (painter_.isActive())
        painter_.end();
    return picture_;
}

void GraphSurface::showDrawn()
{
    picture();
    if (view_.isVisible())
        view_.repaint();
}

void GraphSurface::paint(QPainter& painter, const QRect& area) const
{
    const qreal ratio = picture().devicePixelRatio();
    painter.drawImage(QRectF(area), picture_, QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

}  // namespace quorvel
