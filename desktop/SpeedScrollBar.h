#pragma once

#include <QScrollBar>

namespace quorvel {

// The speed scroll bar: a horizontal scroll bar whose wheel turns as every other scroll bar's of
// the platform does, while its Left and Right keys move the thumb the way they point. The
// toolkit ties both to one setting, under which Right would move the thumb left.
class SpeedScrollBar : public QScrollBar {
public:
    explicit SpeedScrollBar(QWidget* parent);

    // An arrow or the track held down steps no more until it is pressed again.
    void stopRepeating() { setRepeatAction(SliderNoAction); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvel
