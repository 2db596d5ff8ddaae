#include "ui/FormResultLabels.h"

#include <QLabel>

namespace quorvel {

FormResultLabels::FormResultLabels(const std::array<QLabel*, 5>& labels) : labels_(labels) {}

void FormResultLabels::setLeft(ResultLabel which, float left)
{
    QLabel& target = label(which);
    target.move(labelPixel(left), target.y());
}

void FormResultLabels::setTop(ResultLabel which, float top)
{
    QLabel& target = label(which);
    target.move(target.x(), labelPixel(top));
}

void FormResultLabels::show(ResultLabel which) { label(which).show(); }

QLabel& FormResultLabels::label(ResultLabel which) const { return *labels_.at(static_cast<std::size_t>(which)); }

}  // namespace quorvel
