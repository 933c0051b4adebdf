#include "pictures/CommandIcons.h"

#include "pictures/PegBall.h"
#include "pictures/PictureCache.h"
#include "pictures/QuestionMark.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <stdexcept>
#include <string>

namespace pictures {

namespace {

using IconPainter = void (*)(QPainter&);

const QColor kOlive(128, 128, 0);
const QColor kOliveRim(64, 64, 0);
const QColor kGoldLight(255, 236, 140);
const QColor kGold(232, 176, 20);
const QColor kGoldRim(120, 76, 0);

// A rim line one pixel wide at ratio 1; icons are small enough that a
// wider rim would swallow their shapes.
QPen rimPen(const QColor& colour)
{
    return QPen(colour, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A four-pointed spark of light.
QPainterPath spark(const QPointF& centre, qreal radius)
{
    const qreal waist = radius * 0.3;
    QPainterPath path(centre + QPointF(0, -radius));
    path.lineTo(centre + QPointF(waist, -waist));
    path.lineTo(centre + QPointF(radius, 0));
    path.lineTo(centre + QPointF(waist, waist));
    path.lineTo(centre + QPointF(0, radius));
    path.lineTo(centre + QPointF(-waist, waist));
    path.lineTo(centre + QPointF(-radius, 0));
    path.lineTo(centre + QPointF(-waist, -waist));
    path.closeSubpath();
    return path;
}

// A fresh board whose pegs stand in the game's cross, with a spark for
// "new".
void paintNewGame(QPainter& painter)
{
    painter.setPen(rimPen(kOliveRim));
    painter.setBrush(kOlive);
    painter.drawRoundedRect(QRectF(0.5, 3.5, 12, 12), 2.5, 2.5);
    const QPointF centre(6.5, 9.5);
    constexpr qreal kPitch = 3.7;
    constexpr qreal kPeg = 3.6;
    for (const QPointF step : {QPointF(0, 0), QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) {
        const QPointF at = centre + step * kPitch;
        paintPegBall(painter, QRectF(at.x() - kPeg / 2, at.y() - kPeg / 2, kPeg, kPeg));
    }
    painter.setPen(rimPen(kGoldRim));
    painter.setBrush(QColor(255, 230, 60));
    painter.drawPath(spark(QPointF(12.5, 3.5), 3.3));
}

void paintBestTable(QPainter& painter)
{
    QLinearGradient gold(2, 0, 14, 0);
    gold.setColorAt(0, kGold);
    gold.setColorAt(0.35, kGoldLight);
    gold.setColorAt(1, kGold.darker(115));

    // The handles first, so the cup covers their inner ends.
    QPainterPath handles(QPointF(4, 3.5));
    handles.cubicTo(0.5, 3.5, 0.8, 8, 5, 8.5);
    handles.moveTo(12, 3.5);
    handles.cubicTo(15.5, 3.5, 15.2, 8, 11, 8.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGoldRim, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(handles);
    painter.setPen(QPen(kGold, 1, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(handles);

    QPainterPath cup(QPointF(3.5, 1.5));
    cup.lineTo(12.5, 1.5);
    cup.cubicTo(12.5, 7.5, 10.5, 10, 8, 10);
    cup.cubicTo(5.5, 10, 3.5, 7.5, 3.5, 1.5);
    cup.closeSubpath();
    painter.setPen(rimPen(kGoldRim));
    painter.setBrush(gold);
    painter.drawPath(cup);
    painter.drawRect(QRectF(7, 10, 2, 2.5));
    painter.drawRoundedRect(QRectF(4.5, 12.5, 7, 3), 1, 1);
}

// A round badge filling the icon, lit from the upper left.
void paintBadge(QPainter& painter, const QColor& light, const QColor& dark, const QColor& rim)
{
    QRadialGradient face(QPointF(6, 5), 10);
    face.setColorAt(0, light);
    face.setColorAt(1, dark);
    painter.setPen(rimPen(rim));
    painter.setBrush(face);
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
}

void paintHelp(QPainter& painter)
{
    paintBadge(painter, QColor(110, 170, 255), QColor(20, 70, 200), QColor(10, 40, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(questionMark(QRectF(5, 3, 6, 10.5)));
}

// An open book: two pages with lines of text over a blue cover.
void paintManual(QPainter& painter)
{
    const QColor cover(40, 60, 170);
    QPainterPath back(QPointF(0.5, 4));
    back.lineTo(0.5, 14.5);
    back.quadTo(4.5, 13.5, 8, 15.5);
    back.quadTo(11.5, 13.5, 15.5, 14.5);
    back.lineTo(15.5, 4);
    back.closeSubpath();
    painter.setPen(rimPen(cover.darker(160)));
    painter.setBrush(cover);
    painter.drawPath(back);

    QPainterPath pages(QPointF(8, 4));
    pages.quadTo(5, 2, 1.5, 2.5);
    pages.lineTo(1.5, 13);
    pages.quadTo(5, 12.5, 8, 14.5);
    pages.quadTo(11, 12.5, 14.5, 13);
    pages.lineTo(14.5, 2.5);
    pages.quadTo(11, 2, 8, 4);
    pages.closeSubpath();
    painter.setPen(rimPen(QColor(90, 90, 110)));
    painter.setBrush(QColor(252, 252, 244));
    painter.drawPath(pages);
    painter.drawLine(QPointF(8, 4), QPointF(8, 14));

    painter.setPen(QPen(QColor(120, 130, 170), 0.9));
    for (qreal y = 5.5; y < 12; y += 2) {
        painter.drawLine(QPointF(3, y), QPointF(6.5, y + 0.6));
        painter.drawLine(QPointF(9.5, y + 0.6), QPointF(13, y));
    }
}

void paintEndGame(QPainter& painter)
{
    paintBadge(painter, QColor(255, 110, 90), QColor(200, 10, 10), QColor(110, 0, 0));
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 5), QPointF(11, 11));
    painter.drawLine(QPointF(11, 5), QPointF(5, 11));
}

// A shield with a tick: the insurance against the boss.
void paintBossKey(QPainter& painter)
{
    QPainterPath shield(QPointF(8, 0.5));
    shield.cubicTo(10, 1.8, 12.5, 2.3, 14.5, 2.3);
    shield.cubicTo(14.5, 9, 12, 13, 8, 15.5);
    shield.cubicTo(4, 13, 1.5, 9, 1.5, 2.3);
    shield.cubicTo(3.5, 2.3, 6, 1.8, 8, 0.5);
    shield.closeSubpath();
    QLinearGradient green(2, 0, 14, 0);
    green.setColorAt(0, QColor(90, 200, 90));
    green.setColorAt(0.5, QColor(30, 150, 50));
    green.setColorAt(0.5001, QColor(20, 120, 40));
    green.setColorAt(1, QColor(10, 90, 30));
    painter.setPen(rimPen(QColor(0, 60, 10)));
    painter.setBrush(green);
    painter.drawPath(shield);

    QPainterPath tick(QPointF(4.8, 8));
    tick.lineTo(7.2, 10.5);
    tick.lineTo(11.5, 5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

constexpr std::array<IconPainter, kCommandIconCount> kPainters = {
    paintNewGame, paintBestTable, paintHelp, nullptr, paintManual, nullptr, nullptr, paintEndGame, paintBossKey,
};

QImage paintIcon(int index, qreal dpr)
{
    QImage image = transparentCanvas(QSize(kCommandIconSize, kCommandIconSize), dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    kPainters[index](painter);
    return image;
}

} // namespace

const QImage& commandIcon(int index, qreal dpr)
{
    if (index < 0 || index >= kCommandIconCount)
        throw std::out_of_range("command icon " + std::to_string(index) + " is not among 0.." +
                                std::to_string(kCommandIconCount - 1));
    static const QImage unused;
    if (!kPainters[index])
        return unused;
    static std::array<PictureCache, kCommandIconCount> icons;
    return icons[index].at(dpr, [index](qreal ratio) { return paintIcon(index, ratio); });
}

} // namespace pictures
