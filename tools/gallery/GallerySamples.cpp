#include "tools/gallery/GallerySamples.h"

#include "widgets/BalloonShaper.h"
#include "widgets/FlatButton.h"
#include "widgets/LinkLabel.h"
#include "widgets/RegionData.h"
#include "widgets/ShapedPicture.h"

#include <QBitmap>
#include <QLabel>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace GallerySamples {

QImage boardPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 50, 10), 1));
    painter.setBrush(QColor(200, 140, 60));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(row == 1 && column == 1 ? QColor(40, 40, 40) : QColor(255, 128, 128));
            painter.drawEllipse(QRectF(5.5 + column * 8, 5.5 + row * 8, 6, 6));
        }
    return picture;
}

QImage figurePicture()
{
    QImage picture(120, 160, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawEllipse(QRectF(15, 60, 90, 95));
    painter.drawEllipse(QRectF(35, 10, 50, 50));
    QPainterPath beak;
    beak.moveTo(80, 30);
    beak.lineTo(118, 42);
    beak.lineTo(80, 48);
    beak.closeSubpath();
    painter.setBrush(QColor(255, 170, 40));
    painter.drawPath(beak);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(65, 25, 6, 6));
    return picture;
}

QString positionName(BalloonTail position)
{
    static const char* const names[] = {"bpTopLeft",    "bpLeftTop",     "bpTopRight",
                                        "bpRightTop",   "bpBottomLeft",  "bpLeftBottom",
                                        "bpBottomRight", "bpRightBottom", "bpNone"};
    return QString::fromLatin1(names[int(position)]);
}

QWidget* balloonWindow(BalloonTail position, QWidget* owner)
{
    constexpr QSize kBalloonSize(250, 100);
    auto* balloon = new QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint);
    balloon->setWindowTitle(positionName(position));
    balloon->setFixedSize(kBalloonSize);
    balloon->setAutoFillBackground(true);
    QPalette palette = balloon->palette();
    palette.setColor(QPalette::Window, toQColor(kBalloonColour));
    balloon->setPalette(palette);
    auto* shape = new BalloonShaper(balloon);
    shape->setBalloonPosition(position);
    shape->setReshape(true);

    // The content keeps clear of the tail's side.
    const QRect body = shape->shape().body().adjusted(12, 8, -12, -8);
    auto* name = new QLabel(positionName(position), balloon);
    name->setGeometry(body.left(), body.top(), body.width(), 18);
    auto* link = new LinkLabel(balloon);
    link->setGeometry(body.left(), body.top() + 24, 150, 17);
    link->setCaption(QStringLiteral("Standardní hra"));
    auto* button = new FlatButton(balloon);
    button->setGeometry(body.right() - 64, body.bottom() - 20, 64, 20);
    button->setCaption(QStringLiteral("Ok"));
    return balloon;
}

QWidget* figureWindow(QWidget* owner)
{
    const QImage picture = figurePicture();
    auto* window = new QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint);
    window->setWindowTitle(QStringLiteral("Pomocník"));
    window->setFixedSize(picture.size());
    auto* figure = new ShapedPicture(window);
    figure->setPicture(QPixmap::fromImage(picture));
    const QRegion outline(QBitmap::fromImage(picture.createAlphaMask()));
    figure->setMaskStream(RegionData::toMaskStream(outline));
    return window;
}

void makeHot(QWidget* control)
{
    const QPointF centre = QRectF(control->rect()).center();
    QEnterEvent enter(centre, control->mapToGlobal(centre), control->mapToGlobal(centre));
    QCoreApplication::sendEvent(control, &enter);
}

void makePressed(QWidget* control)
{
    makeHot(control);
    const QPointF centre = QRectF(control->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, control->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
}

} // namespace GallerySamples
