#include "desktop/DestroyedWindowWatch.h"

#include <QCoreApplication>
#include <QWidget>

#include <xcb/xproto.h>

namespace quorvel {

DestroyedWindowWatch::DestroyedWindowWatch(QWidget& window) : window_(window) { QCoreApplication::instance()->installNativeEventFilter(this); }

DestroyedWindowWatch::~DestroyedWindowWatch() { QCoreApplication::instance()->removeNativeEventFilter(this); }

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The high bit marks an event that a client sent rather than the server reported.
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    // Closed once the toolkit has finished with the event, not from inside its handling.
    if (window_.internalWinId() != 0 && destroyed->window == window_.internalWinId())
        QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
    return false;
}

}  // namespace quorvel
