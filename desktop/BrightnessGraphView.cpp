#include "desktop/BrightnessGraphView.h"

#include "core/explore/BrightnessGraph.h"
#include "core/explore/PanelWords.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>

namespace quorvel {

namespace {

constexpr QSize graphSize(BrightnessGraph::width, BrightnessGraph::height);

}  // namespace

BrightnessGraphView::BrightnessGraphView(QWidget* parent) : QWidget(parent), surface_(*this, graphSize)
{
    setFixedSize(graphSize);
    setAccessibleName(QString::fromStdString(panelWord(panelWords::graph)));
    setAccessibleDescription(QCoreApplication::translate("BrightnessGraphView", "A click moves the source and the detector to the distance under it"));
}

void BrightnessGraphView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    surface_.paint(painter, event->rect());
}

void BrightnessGraphView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(static_cast<float>(event->position().x()));
    else
        event->ignore();
}

}  // namespace quorvel
