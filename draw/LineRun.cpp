#include "draw/LineRun.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <optional>

namespace quorvel {

namespace {

bool startsRun(const QLineF& line, const QPen& pen)
{
    return line.y1() == line.y2() && std::floor(line.y1()) == line.y1() && pen.color().alpha() == 255;
}

// The device pixels that one line covers, when they form a solid rectangle in the line's own
// colour; nothing when the ends are rounded off or the edges blended.
std::optional<QRect> solidCover(const QLineF& line, const QPen& pen, qreal ratio)
{
    const int margin = static_cast<int>(std::ceil(pen.widthF())) + 2;
    const QRect area = QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage scratch(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    scratch.fill(Qt::transparent);
    QPainter painter(&scratch);
    painter.setPen(pen);
    painter.drawLine(line.translated(-QPointF(area.topLeft())));
    painter.end();
    QRect covered;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (qAlpha(scratch.pixel(x, y)) != 0)
                covered |= QRect(x, y, 1, 1);
        }
    }
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        for (int x = covered.left(); x <= covered.right(); ++x) {
            if (scratch.pixel(x, y) != pen.color().rgb())
                return std::nullopt;
        }
    }
    if (covered.isEmpty())
        return std::nullopt;
    return covered.translated(area.topLeft() * static_cast<int>(ratio));
}

}  // namespace

bool LineRun::take(const QLineF& line, const QPen& pen)
{
    if (rows_ == 0) {
        if (!startsRun(line, pen))
            return false;
        first_ = line;
        pen_ = pen;
        rows_ = 1;
        step_ = 0;
        return true;
    }
    const qreal lastY = first_.y1() + step_ * (rows_ - 1);
    const int step = line.y1() == lastY + 1 ? 1 : line.y1() == lastY - 1 ? -1 : 0;
    const bool continues = line.y1() == line.y2() && line.x1() == first_.x1() && line.x2() == first_.x2() && pen == pen_ && step != 0
                           && (rows_ == 1 || step == step_);
    if (!continues)
        return false;
    step_ = step;
    ++rows_;
    return true;
}

// Lines one row apart are copies of each other shifted by whole device pixels only at a whole
// pixel ratio; then, if one line is a solid rectangle at least a row high, the run is one.
void LineRun::paint(QPainter& painter)
{
    if (rows_ == 0)
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const std::optional<QRect> cover = rows_ > 1 && std::floor(ratio) == ratio ? solidCover(first_, pen_, ratio) : std::nullopt;
    if (cover && cover->height() >= ratio) {
        const QRect run = *cover | cover->translated(0, static_cast<int>(step_ * (rows_ - 1) * ratio));
        // Edges on device pixels' borders fill exactly those pixels.
        painter.fillRect(QRectF(run.x() / ratio, run.y() / ratio, run.width() / ratio, run.height() / ratio), pen_.color());
    } else {
        paintLines(painter);
    }
    rows_ = 0;
}

void LineRun::paintLines(QPainter& painter) const
{
    painter.setPen(pen_);
    for (int row = 0; row < rows_; ++row)
        painter.drawLine(first_.translated(0, step_ * row));
}

}  // namespace quorvel
