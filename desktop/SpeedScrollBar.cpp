#include "desktop/SpeedScrollBar.h"

#include <QKeyEvent>

namespace quorvel {

SpeedScrollBar::SpeedScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void SpeedScrollBar::keyPressEvent(QKeyEvent* event)
{
    const bool rightToLeft = isRightToLeft();
    switch (event->key()) {
    case Qt::Key_Left:
        triggerAction(rightToLeft ? SliderSingleStepAdd : SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        triggerAction(rightToLeft ? SliderSingleStepSub : SliderSingleStepAdd);
        break;
    default:
        QScrollBar::keyPressEvent(event);
    }
}

}  // namespace quorvel
