#include "TCoolForm.h"

#include "RegionData.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TCoolForm::TCoolForm(QWidget* parent) : QWidget(parent)
{
    QWidget* form = window();
    if (form != this) {
        form->setWindowFlags(form->windowFlags() | Qt::FramelessWindowHint);
        form->installEventFilter(this);
        setGeometry(form->rect());
    }
}

void TCoolForm::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    region_ = QRegion();
    update();
}

QByteArray TCoolForm::mask2() const
{
    return RegionData::toMaskStream(region_);
}

void TCoolForm::setMask2(const QByteArray& stream)
{
    region_ = RegionData::fromMaskStream(stream);
    QWidget* form = window();
    if (region_.isEmpty())
        form->clearMask();
    else
        form->setMask(region_);
}

bool TCoolForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Resize)
        setGeometry(window()->rect());
    return false;
}

void TCoolForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TCoolForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The window system moves the window until the button is released;
    // where it will not (no window manager), the picture moves it itself.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void TCoolForm::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        window()->move(event->globalPosition().toPoint() - dragOffset_);
}

void TCoolForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void TCoolForm::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
