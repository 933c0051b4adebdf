#include "widgets/LinkLabel.h"

#include "widgets/FocusFrame.h"
#include "widgets/LampPictures.h"
#include "widgets/ParentColour.h"
#include "widgets/ProgramStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr QSize kNewSize(100, 17);
const char* const kNewFontFamily = "MS Sans Serif";
constexpr int kNewFontPoints = 8;

const char* shapeWord(LinkLamp type)
{
    switch (type) {
    case LinkLamp::TriangleDown: return "3DWN";
    case LinkLamp::TriangleUp: return "3UP";
    case LinkLamp::Round: break;
    }
    return "RND";
}

// Lamps of every shape share the width, so the text starts at one place.
int lampWidth()
{
    return LampPictures::pixmap(QStringLiteral("OFFRND")).width();
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : FlatControl(kAnyButtonPresses, parent)
{
    resize(kNewSize);
    setFont(QFont(kNewFontFamily, kNewFontPoints));
}

void LinkLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void LinkLabel::setLabelColor(ColourNumber colour)
{
    labelColor_ = colour;
    update();
}

void LinkLabel::setLampShape(LinkLamp type)
{
    lampShape_ = type;
    update();
}

void LinkLabel::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

QString LinkLabel::lampName() const
{
    return LampPictures::stateName(isHot(), isPressed()) + QString::fromLatin1(shapeWord(lampShape_));
}

QRect LinkLabel::textRect() const
{
    const int left = lampWidth() + kTextGap;
    return QRect(QPoint(left, 1), QPoint(width() - 1, height() - 2));
}

QRect LinkLabel::focusRect() const
{
    const QRect text = textRect();
    return QRect(QPoint(text.left() - kFocusMargin, 0), QPoint(width() - 2, height() - 1));
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = transparent_ ? parentColour(this) : toQColor(labelColor_);
    if (!transparent_)
        painter.fillRect(rect(), background);

    // The lamp sits level with the first line of text.
    const QPixmap lamp = LampPictures::pixmap(lampName());
    const int lineBand = std::min(height(), kNewSize.height());
    painter.drawPixmap(0, std::max(0, (lineBand - lamp.height()) / 2), lamp);

    painter.setFont(font());
    painter.setPen(ProgramStyle::looksEnabled(this) ? palette().color(QPalette::Active, QPalette::WindowText)
                                                    : toQColor(kClGray));
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption_);

    // A 1-pixel pen draws a rectangle one pixel wider and taller than it.
    const QRect frame = focusRect().adjusted(0, 0, -1, -1);
    if ((isHot() && isPressed()) || showsFocus()) {
        painter.setPen(focusPen(Qt::black));
        painter.drawRect(frame);
    } else if (!isHot() && erasePending_) {
        painter.setPen(focusPen(background));
        painter.drawRect(frame);
        erasePending_ = false;
    }
}

void LinkLabel::pointerLeft()
{
    // A disabled label ignores the pointer, its leaving too.
    if (isEnabled())
        erasePending_ = true;
}

bool LinkLabel::followsArrow(int key) const
{
    return key == Qt::Key_Up || key == Qt::Key_Down;
}

void LinkLabel::clickedOnControl()
{
    erasePending_ = true;
    emit clicked();
}
