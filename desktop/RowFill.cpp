#include "desktop/RowFill.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <optional>

namespace quorvel {

namespace {

QLineF lineOf(const RowLine& line) { return QLineF(line.x1, line.y, line.x2, line.y); }

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
    if (covered.isEmpty())
        return std::nullopt;
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        for (int x = covered.left(); x <= covered.right(); ++x) {
            if (scratch.pixel(x, y) != pen.color().rgb())
                return std::nullopt;
        }
    }
    return covered.translated(area.topLeft() * static_cast<int>(ratio));
}

}  // namespace

QPen linePen(Rgb colour, int width) { return QPen(QColor(colour.red, colour.green, colour.blue), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Lines one row apart are copies of each other shifted by whole device pixels only at a whole
// pixel ratio and on whole rows; then, if one line is a solid rectangle at least a row high, the
// run is one.
void paintRun(QPainter& painter, const LineRun& run)
{
    if (run.empty())
        return;
    const RowLine& first = run.first();
    const QPen pen = linePen(first.colour, first.penWidth);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const bool shiftsByWholePixels = run.rows() > 1 && std::floor(ratio) == ratio && std::floor(first.y) == first.y;
    const std::optional<QRect> cover = shiftsByWholePixels ? solidCover(lineOf(first), pen, ratio) : std::nullopt;
    if (cover && cover->height() >= ratio) {
        const auto shift = [&](float y) { return static_cast<int>((y - first.y) * ratio); };
        const QRect block = cover->translated(0, shift(run.top())) | cover->translated(0, shift(run.bottom()));
        // Edges on device pixels' borders fill exactly those pixels.
        painter.fillRect(QRectF(block.x() / ratio, block.y() / ratio, block.width() / ratio, block.height() / ratio), pen.color());
        return;
    }
    painter.setPen(pen);
    for (int row = 0; row < run.rows(); ++row)
        painter.drawLine(lineOf(run.line(row)));
}

}  // namespace quorvel
