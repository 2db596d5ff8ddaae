#include "desktop/SegmentStrip.h"

#include "core/explore/ExploreWords.h"
#include "core/layout/SettingRanges.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace quorvel {

namespace {

const QColor reflecting(0x40, 0x40, 0x40);
const QColor scraped(0xFF, 0xFF, 0xFF);

}  // namespace

SegmentStrip::SegmentStrip(QWidget* parent) : QAbstractSlider(parent)
{
    setOrientation(Qt::Horizontal);
    // It stands for the mirror in the picture, which no layout direction turns round.
    setLayoutDirection(Qt::LeftToRight);
    setRange(1, Mirror::segmentCount);
    setPageStep(segmentPageStep);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAccessibleDescription(QCoreApplication::translate("SegmentStrip", "The mirror's segments: Left and Right move along them, Space switches one on or off"));
    // Every move, by key, wheel or a screen reader, goes to the model as steps from where it stood.
    connect(this, &QAbstractSlider::valueChanged, this, [this](int segment) { emit cursorMoved(segment - 1 - current_); });
}

QSize SegmentStrip::sizeHint() const { return {Mirror::segmentCount * cellWidth, cellHeight}; }

void SegmentStrip::showMirror(const Mirror& mirror, int current)
{
    {
        const QSignalBlocker quiet(this);
        setValue(current + 1);
    }
    mirror_ = mirror;
    current_ = current;
    setAccessibleName(QString::fromStdString(segmentName(current, mirror.on(current))));
    update();
}

QRect SegmentStrip::cell(int segment) const { return {segment * cellWidth, 0, cellWidth, cellHeight}; }

// The current segment is framed in the highlight colour while the strip has the focus.
void SegmentStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        const QRect inner = cell(segment).adjusted(1, 1, -1, -1);
        painter.fillRect(inner, mirror_.on(segment) ? reflecting : scraped);
        painter.setPen(reflecting);
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(cell(current_)).adjusted(1, 1, -1, -1));
    }
}

void SegmentStrip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        emit switched(current_);
    else
        QAbstractSlider::keyPressEvent(event);
}

void SegmentStrip::mousePressEvent(QMouseEvent* event)
{
    const int segment = static_cast<int>(event->position().x()) / cellWidth;
    if (event->button() == Qt::LeftButton && segment >= 0 && segment < Mirror::segmentCount)
        emit switched(segment);
    else
        event->ignore();
}

}  // namespace quorvel
