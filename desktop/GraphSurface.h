#pragma once

#include "core/draw/TextSurface.h"
#include "core/draw/LineRun.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSize>

class QRect;
class QWidget;

namespace quorvel {

// Draws the explore panel's graph into an image of its view's size, at the screen's resolution.
// The graph is drawn whole at every change, so unlike the window's picture the image never grows
// and keeps no account of what was drawn where: the whole view is put on the screen. Rows drawn
// one under another, as the graph's paper is, are painted as one fill.
class GraphSurface : public TextSurface {
public:
    GraphSurface(QWidget& view, QSize size);

    // Starts the image anew, at the view's current pixel ratio.
    void resetToPixels() override;
    void setPenWidth(int width) override { penWidth_ = width; }
    void setFillStyle(FillStyle style) override { fillStyle_ = style; }
    void setFillColour(Colour colour) override { fillColour_ = colour; }
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius, std::optional<Colour> outline) override;
    void text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour) override;

    // Repaints the view, before it returns.
    void showDrawn();
    // For the view's paint event.
    void paint(QPainter& painter, const QRect& area) const;
    const QImage& picture() const;

private:
    QPainter& painter(QColor pen);
    void beginPainting() const;
    void paintHeldRows() const;
    Rgb resolve(Colour colour) const;

    QWidget& view_;
    QSize size_;
    mutable QImage picture_;
    mutable QPainter painter_;  // ended before the image is read or shown
    mutable LineRun rows_;       // painted before anything else is drawn or the image is read
    int penWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Colour fillColour_ = Rgb{0, 0, 0};
};

}  // namespace quorvel
