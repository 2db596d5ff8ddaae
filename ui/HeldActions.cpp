#include "ui/HeldActions.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QWheelEvent>
#include <QWindow>

#include <memory>

namespace quorvel {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

using Remake = std::function<std::unique_ptr<QEvent>()>;

// Mouse and wheel events are kept as their values and built when handed on: an event's point is
// shared with the pointing device's own until the next event is built, which moves it.
Remake remakeOf(const QEvent& event)
{
    if (const auto* mouse = dynamic_cast<const QMouseEvent*>(&event)) {
        return [type = mouse->type(), position = mouse->position(), scene = mouse->scenePosition(), global = mouse->globalPosition(),
                button = mouse->button(), buttons = mouse->buttons(), modifiers = mouse->modifiers(), device = mouse->pointingDevice(),
                timestamp = mouse->timestamp()] {
            auto remade = std::make_unique<QMouseEvent>(type, position, scene, global, button, buttons, modifiers, device);
            remade->setTimestamp(timestamp);
            return remade;
        };
    }
    if (const auto* wheel = dynamic_cast<const QWheelEvent*>(&event)) {
        return [position = wheel->position(), global = wheel->globalPosition(), pixels = wheel->pixelDelta(), angle = wheel->angleDelta(),
                buttons = wheel->buttons(), modifiers = wheel->modifiers(), phase = wheel->phase(), inverted = wheel->inverted(),
                source = wheel->source(), device = wheel->pointingDevice()] {
            return std::make_unique<QWheelEvent>(position, global, pixels, angle, buttons, modifiers, phase, inverted, source, device);
        };
    }
    // Keys carry no point. Touch and tablet input, which this program does not expect, is kept
    // as a copy: held all the same, so that it cannot act during a run.
    return [copy = std::shared_ptr<QEvent>(event.clone())] { return std::unique_ptr<QEvent>(copy->clone()); };
}

}  // namespace

HeldActions::HeldActions(std::function<bool()> isRunning) : isRunning_(std::move(isRunning))
{
    QCoreApplication::instance()->installEventFilter(this);
}

HeldActions::~HeldActions() { QCoreApplication::instance()->removeEventFilter(this); }

void HeldActions::perform(Action action)
{
    if (holding())
        held_.push_back(std::move(action));
    else
        action();
}

void HeldActions::release()
{
    const QScopedValueRollback releasing(releasing_, true);
    while (!held_.empty() && !isRunning_()) {
        const Action action = std::move(held_.front());
        held_.pop_front();
        action();
    }
}

// Input enters the widgets through their windows; holding it there keeps the widgets' own state
// (pressed buttons, focus) as if it had not arrived yet.
bool HeldActions::eventFilter(QObject* receiver, QEvent* event)
{
    if (!receiver->isWindowType() || !isUserInput(event->type()) || !holding())
        return false;
    held_.push_back([window = QPointer(static_cast<QWindow*>(receiver)), remake = remakeOf(*event)] {
        if (window)
            QCoreApplication::sendEvent(window, remake().get());
    });
    return true;
}

}  // namespace quorvel
