#include "ui/InputDeferral.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>

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

// Mouse and wheel events are kept as their values and built when handed on: an event's point is
// shared with the pointing device's own until the next event is built, which moves it.
InputDeferral::Remake remakeOf(const QEvent& event)
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

void InputDeferral::begin()
{
    ++runningCommands_;
    QCoreApplication::instance()->installEventFilter(this);
}

void InputDeferral::end()
{
    --runningCommands_;
    QMetaObject::invokeMethod(this, &InputDeferral::handOn, Qt::QueuedConnection);
}

// Input enters the widgets through their windows; holding it there keeps the widgets' own state
// (pressed buttons, focus) as if it had not arrived yet.
bool InputDeferral::eventFilter(QObject* receiver, QEvent* event)
{
    if (!receiver->isWindowType() || !isUserInput(event->type()))
        return false;
    held_.emplace_back(static_cast<QWindow*>(receiver), remakeOf(*event));
    return true;
}

void InputDeferral::handOn()
{
    // A command that started meanwhile hands everything on when it ends.
    if (runningCommands_ > 0)
        return;
    QCoreApplication::instance()->removeEventFilter(this);
    // A handed-on click may run a command that holds input anew.
    auto held = std::exchange(held_, {});
    for (auto& [window, remake] : held) {
        if (window) {
            const std::unique_ptr<QEvent> event = remake();
            QCoreApplication::sendEvent(window, event.get());
        }
    }
}

}  // namespace quorvel
