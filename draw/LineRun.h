#pragma once

#include <QLineF>
#include <QPen>

class QPainter;

namespace quorvel {

// Horizontal lines of one pen and extent on consecutive rows, as the background band is drawn,
// held back and painted as one rectangle when that gives the very pixels the lines would:
// hundreds of stroked lines cost a hundred times one fill.
class LineRun {
public:
    // Takes the line if it continues the run, or starts a run when none is held.
    bool take(const QLineF& line, const QPen& pen);
    // Paints the lines held and lets them go.
    void paint(QPainter& painter);
    bool empty() const { return rows_ == 0; }

private:
    void paintLines(QPainter& painter) const;

    QLineF first_;
    QPen pen_;
    int rows_ = 0;
    int step_ = 0;  // +1 or -1 from one row to the next
};

}  // namespace quorvel
