#include "widgets/LampPictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

enum class LampState { Off, On, Down };
enum class LampShape { Button, Round, TriangleDown, TriangleUp };

struct LampLook {
    QColor rim;
    QColor light; // highlight side of the glass
    QColor glass; // body of the glass
};

// Off is a dull gray, on a bright green, pressed a deep orange: told apart
// at a glance even at 11 pixels.
LampLook lookOf(LampState state)
{
    switch (state) {
    case LampState::On: return {QColor(20, 90, 20), QColor(200, 255, 190), QColor(40, 200, 40)};
    case LampState::Down: return {QColor(120, 40, 0), QColor(255, 210, 150), QColor(235, 110, 20)};
    case LampState::Off: break;
    }
    return {QColor(90, 90, 90), QColor(235, 235, 235), QColor(160, 160, 160)};
}

QSize sizeOf(LampShape shape)
{
    switch (shape) {
    case LampShape::Button: return {11, 11};
    case LampShape::Round: return {20, 16};
    case LampShape::TriangleDown:
    case LampShape::TriangleUp: break;
    }
    return {20, 11};
}

// The lamp's figure in its bitmap; the label lamps keep their left part
// free so the lamp sits a little away from the label's edge.
QPainterPath figureOf(LampShape shape)
{
    QPainterPath path;
    switch (shape) {
    case LampShape::Button: path.addEllipse(QRectF(0.5, 0.5, 10, 10)); break;
    case LampShape::Round: path.addEllipse(QRectF(4.5, 2.5, 11, 11)); break;
    case LampShape::TriangleDown:
        path.moveTo(4.5, 1.5);
        path.lineTo(15.5, 1.5);
        path.lineTo(10, 9.5);
        path.closeSubpath();
        break;
    case LampShape::TriangleUp:
        path.moveTo(4.5, 9.5);
        path.lineTo(15.5, 9.5);
        path.lineTo(10, 1.5);
        path.closeSubpath();
        break;
    }
    return path;
}

// Draws smoothly, then snaps every pixel to either the lamp or the
// transparent colour, since a colour-keyed bitmap has no partial pixels.
// A lamp pixel that happens to equal the key colour is nudged off it.
QImage drawLamp(LampShape shape, LampState state, ColourNumber key)
{
    const QSize size = sizeOf(shape);
    QImage smooth(size, QImage::Format_ARGB32);
    smooth.fill(Qt::transparent);
    const QPainterPath figure = figureOf(shape);
    const LampLook look = lookOf(state);
    const QRectF box = figure.boundingRect();
    {
        QPainter painter(&smooth);
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient glass(box.left() + box.width() * 0.35, box.top() + box.height() * 0.3, box.width() * 0.75);
        glass.setColorAt(0, look.light);
        glass.setColorAt(0.55, look.glass);
        glass.setColorAt(1, look.glass.darker(130));
        painter.setPen(QPen(look.rim, 1.0));
        painter.setBrush(glass);
        painter.drawPath(figure);
    }
    const QRgb keyRgb = toQColor(key).rgb();
    QImage bitmap(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb pixel = smooth.pixel(x, y);
            QRgb out = keyRgb;
            if (qAlpha(pixel) >= 128) {
                out = qRgb(qRed(pixel) * 255 / qAlpha(pixel), qGreen(pixel) * 255 / qAlpha(pixel),
                           qBlue(pixel) * 255 / qAlpha(pixel));
                if (out == keyRgb)
                    out = qRgb(qRed(out), qGreen(out), qBlue(out) ^ 1);
            }
            bitmap.setPixel(x, y, out);
        }
    return bitmap;
}

struct LampName {
    LampShape shape;
    LampState state;
};

const QHash<QString, LampName>& lampNames()
{
    static const QHash<QString, LampName> names{
        {"OFF", {LampShape::Button, LampState::Off}},
        {"ON", {LampShape::Button, LampState::On}},
        {"DOWN", {LampShape::Button, LampState::Down}},
        {"OFFRND", {LampShape::Round, LampState::Off}},
        {"ONRND", {LampShape::Round, LampState::On}},
        {"DOWNRND", {LampShape::Round, LampState::Down}},
        {"OFF3DWN", {LampShape::TriangleDown, LampState::Off}},
        {"ON3DWN", {LampShape::TriangleDown, LampState::On}},
        {"DOWN3DWN", {LampShape::TriangleDown, LampState::Down}},
        {"OFF3UP", {LampShape::TriangleUp, LampState::Off}},
        {"ON3UP", {LampShape::TriangleUp, LampState::On}},
        {"DOWN3UP", {LampShape::TriangleUp, LampState::Down}},
    };
    return names;
}

struct CachedLamp {
    QImage bitmap;
    QPixmap pixmap;
};

const CachedLamp& cachedLamp(const QString& name)
{
    static QHash<QString, CachedLamp> cache;
    static const CachedLamp none;
    if (auto found = cache.constFind(name); found != cache.cend())
        return *found;
    const auto known = lampNames().constFind(name);
    if (known == lampNames().cend())
        return none;
    const ColourNumber key = LampPictures::keyColour(name);
    CachedLamp lamp;
    lamp.bitmap = drawLamp(known->shape, known->state, key);
    QImage keyed = lamp.bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = toQColor(key).rgb();
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (keyed.pixel(x, y) == keyRgb)
                keyed.setPixel(x, y, qRgba(0, 0, 0, 0));
    lamp.pixmap = QPixmap::fromImage(keyed);
    return *cache.insert(name, lamp);
}

} // namespace

QImage LampPictures::bitmap(const QString& name)
{
    return cachedLamp(name).bitmap;
}

QPixmap LampPictures::pixmap(const QString& name)
{
    return cachedLamp(name).pixmap;
}

ColourNumber LampPictures::keyColour(const QString& name)
{
    const auto known = lampNames().constFind(name);
    if (known != lampNames().cend() && known->shape == LampShape::Button)
        return kButtonLampKey;
    return kLabelLampKey;
}

QString LampPictures::stateName(bool hot, bool pressed)
{
    if (!hot)
        return QStringLiteral("OFF");
    return pressed ? QStringLiteral("DOWN") : QStringLiteral("ON");
}
