#include "widgets/DeferredIcon.h"

#include <QPainter>

#include <utility>

DeferredIcon::DeferredIcon(std::function<QIcon()> make) : make_(std::move(make)) {}

const QIcon& DeferredIcon::icon()
{
    if (!made_) {
        made_ = true;
        icon_ = make_();
    }
    return icon_;
}

void DeferredIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QPixmap DeferredIcon::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QSize DeferredIcon::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

QIconEngine* DeferredIcon::clone() const
{
    return new DeferredIcon(*this);
}

QString DeferredIcon::key() const
{
    return QStringLiteral("DeferredIcon");
}
