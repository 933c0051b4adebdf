#include "widgets/FlatButton.h"

#include "widgets/FocusFrame.h"
#include "widgets/LampPictures.h"
#include "widgets/ParentColour.h"
#include "widgets/ProgramStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr QSize kNewSize(100, 25);
constexpr int kHighlightWidth = 2;
constexpr int kHighlightDrop = 2;

// A rounded rectangle whose pen of width penWidth lies inset pixels inside
// the control, placed so that the pen covers whole pixels.
void drawOutline(QPainter& painter, const QRect& area, int inset, int penWidth, int roundSize)
{
    const qreal c = inset + (penWidth % 2) * 0.5;
    const QRectF rect(area.left() + c, area.top() + c, area.width() - 2 * c, area.height() - 2 * c);
    painter.drawRoundedRect(rect, roundSize / 2.0, roundSize / 2.0);
}

} // namespace

FlatButton::FlatButton(QWidget* parent) : FlatControl(kAnyButtonPresses, parent)
{
    resize(kNewSize);
}

void FlatButton::setBorderColor(ColourNumber colour)
{
    borderColor_ = colour;
    update();
}

void FlatButton::setBorderWidth(quint8 width)
{
    borderWidth_ = width;
    update();
}

void FlatButton::setButtonColor(ColourNumber colour)
{
    buttonColor_ = colour;
    update();
}

void FlatButton::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void FlatButton::setRoundSize(int size)
{
    roundSize_ = size;
    update();
}

void FlatButton::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

QString FlatButton::lampName() const
{
    return LampPictures::stateName(isHot(), isPressed());
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = transparent_ ? parentColour(this) : toQColor(buttonColor_);

    // Body: a gray outline when hot, a faint silver one otherwise.
    painter.setBrush(fill);
    if (isHot()) {
        painter.setPen(QPen(toQColor(borderColor_), borderWidth_ + 1));
        drawOutline(painter, rect(), borderWidth_, borderWidth_ + 1, roundSize_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, kHighlightWidth, Qt::SolidLine, Qt::FlatCap));
        const int y = borderWidth_ + kHighlightDrop;
        painter.drawLine(roundSize_ / 2, y, width() - roundSize_ / 2, y);
    } else {
        painter.setPen(QPen(toQColor(kClSilver), borderWidth_));
        drawOutline(painter, rect(), borderWidth_ - 1, borderWidth_, roundSize_);
    }

    // Lamp and caption, one pixel down and right while pressed.
    const int shift = shifted_ ? 1 : 0;
    const QPixmap lamp = LampPictures::pixmap(lampName());
    painter.drawPixmap(kLampX + shift, (height() - lamp.height()) / 2 + shift, lamp);

    painter.setPen(ProgramStyle::looksEnabled(this) ? palette().color(QPalette::Active, QPalette::WindowText)
                                                    : toQColor(kClGray));
    painter.setFont(font());
    painter.drawText(rect().translated(kCaptionShift + shift, shift), Qt::AlignCenter | Qt::TextSingleLine,
                     caption_);

    if (showsFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(focusPen(Qt::black));
        const qreal corner = std::max(0, roundSize_ / 2 - kFocusInset);
        painter.drawRoundedRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1), corner,
                                corner);
    }
}

void FlatButton::pointerLeft()
{
    shifted_ = false;
}

void FlatButton::pressBegan()
{
    shifted_ = true;
}

void FlatButton::pressEnded()
{
    shifted_ = false;
}

void FlatButton::clickedOnControl()
{
    emit clicked();
}
