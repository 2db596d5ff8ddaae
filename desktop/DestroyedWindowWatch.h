#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace quorvel {

// Closes a window whose native window another client of the X server has destroyed (as
// `xdotool windowclose` does). The toolkit only notes the loss, and the program would go on with
// no window; closed, it ends as it does when the desktop closes the window.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindowWatch(QWidget& window);
    ~DestroyedWindowWatch() override;
    DestroyedWindowWatch(const DestroyedWindowWatch&) = delete;
    DestroyedWindowWatch& operator=(const DestroyedWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
};

}  // namespace quorvel
