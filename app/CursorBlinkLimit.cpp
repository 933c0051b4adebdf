#include "app/CursorBlinkLimit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

#include <utility>

CursorBlinkLimit::CursorBlinkLimit(int blinkForMs)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(blinkForMs);
    connect(&quiet_, &QTimer::timeout, this, &CursorBlinkLimit::stopBlinking);
    qGuiApp->installEventFilter(this);
    quiet_.start();
}

CursorBlinkLimit::~CursorBlinkLimit()
{
    if (flashTime_ != 0)
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

// The cursors follow the style hint at once, wherever they stand.
void CursorBlinkLimit::stopBlinking()
{
    flashTime_ = QGuiApplication::styleHints()->cursorFlashTime();
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

bool CursorBlinkLimit::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::FocusIn) {
        if (flashTime_ != 0)
            QGuiApplication::styleHints()->setCursorFlashTime(std::exchange(flashTime_, 0));
        quiet_.start();
    }
    return QObject::eventFilter(watched, event);
}
