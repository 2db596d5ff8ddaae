#include "ui/InputDeferral.h"

#include <QCoreApplication>
#include <QEvent>

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
    held_.emplace_back(static_cast<QWindow*>(receiver), event->clone());
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
    for (auto& [window, event] : held) {
        if (window)
            QCoreApplication::sendEvent(window, event.get());
    }
}

}  // namespace quorvel
