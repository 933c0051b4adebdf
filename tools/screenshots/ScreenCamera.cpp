#include "tools/screenshots/ScreenCamera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <cstdio>

namespace {

// How long a change may take to reach the X server's screen.
constexpr int kPaintPatienceMs = 3000;
constexpr int kPollMs = 20;

QImage grabScreen(const QRect& area)
{
    // Window 0 is the whole screen as the X server shows it.
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

} // namespace

QImage ScreenCamera::settledPicture(const QRect& area, const QImage& before) const
{
    // The paint goes out at the next turns of the event loop; the picture
    // counts once two grabs in a row agree and it is no longer `before`.
    QElapsedTimer patience;
    patience.start();
    QImage last;
    while (patience.elapsed() < kPaintPatienceMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
        QThread::msleep(kPollMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
        const QImage now = grabScreen(area);
        if (now == last && now != before)
            return now;
        last = now;
    }
    return before.isNull() ? last : QImage();
}

void ScreenCamera::waitUntilShown(const QWidget& window) const
{
    QElapsedTimer patience;
    patience.start();
    while (!window.isVisible() && patience.elapsed() < kPaintPatienceMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
}

bool ScreenCamera::shoot(const QString& name, const QRect& area, const QString& changedFrom)
{
    const QImage before = changedFrom.isEmpty() ? QImage() : taken_.value(changedFrom);
    const QImage picture = settledPicture(area, before);
    const QString path = folder_.filePath(name + QStringLiteral(".png"));
    const bool saved = !picture.isNull() && picture.save(path);
    if (saved)
        taken_.insert(name, picture);
    else
        ++failures_;
    std::printf("%s %s%s\n", saved ? "saved" : "FAILED", qPrintable(path),
                picture.isNull() && !before.isNull() ? qPrintable(QStringLiteral(" (still shows ") + changedFrom + ")") : "");
    return saved;
}
