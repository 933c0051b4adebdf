#include "widgets/ShapedPicture.h"

#include "widgets/RegionData.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

ShapedPicture::ShapedPicture(QWidget* parent) : QWidget(parent)
{
    QWidget* form = window();
    if (form != this) {
        form->setWindowFlags(form->windowFlags() | Qt::FramelessWindowHint);
        form->installEventFilter(this);
        setGeometry(form->rect());
    }
}

QImage ShapedPicture::picture() const
{
    return source_ ? source_(devicePixelRatioF()) : QImage();
}

void ShapedPicture::setPicture(const QPixmap& picture)
{
    setPictureSource([image = picture.toImage()](qreal) { return image; });
}

void ShapedPicture::setPictureSource(PictureSource source)
{
    source_ = std::move(source);
    region_ = QRegion();
    update();
}

QByteArray ShapedPicture::maskStream() const
{
    return RegionData::toMaskStream(region_);
}

void ShapedPicture::setMaskStream(const QByteArray& stream)
{
    region_ = RegionData::fromMaskStream(stream);
    QWidget* form = window();
    if (region_.isEmpty())
        form->clearMask();
    else
        form->setMask(region_);
}

bool ShapedPicture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Resize)
        setGeometry(window()->rect());
    return false;
}

void ShapedPicture::paintEvent(QPaintEvent*)
{
    if (!source_)
        return;
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    // A window's mask lets whole logical pixels through, and a finer
    // picture may leave parts of them clear along its edge; the picture for
    // ratio 1 beneath it fills them as a screen of that ratio shows them.
    if (dpr != 1.0)
        painter.drawImage(0, 0, source_(1.0));
    painter.drawImage(0, 0, source_(dpr));
}

void ShapedPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The picture moves its window itself rather than through the window
    // system's move, which takes the pointer until the button goes up: the
    // release and a double-click's second press would never reach it.
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void ShapedPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        window()->move(event->globalPosition().toPoint() - dragOffset_);
}

void ShapedPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void ShapedPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
