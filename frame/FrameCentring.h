#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

class QWidget;

// Centres a framed window on the screen as a whole, title bar included, as
// framed windows stand on other desktops. The frame's size is known only
// once the window manager has framed the window and said so
// (_NET_FRAME_EXTENTS), so the window is placed by its client area before
// it is shown and once more by its frame then. Where no manager frames the
// window, the first place stands.
class FrameCentring : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Places `window`, whose client area will be `clientSize`, before it is shown.
    static void centre(QWidget& window, QSize clientSize);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    FrameCentring(QWidget& window, std::uint32_t extentsAtom);
    ~FrameCentring() override;
    // Places the window by the frame the manager declared, and ends the watch.
    void centreFrame();

    QWidget& window_;
    std::uint32_t extentsAtom_;
};
