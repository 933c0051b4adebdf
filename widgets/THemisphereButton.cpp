#include "widgets/THemisphereButton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

THemisphereButton::THemisphereButton(QWidget* parent) : QWidget(parent)
{
    resize(25, 25);
}

const QImage& THemisphereButton::upImage() const
{
    ensureRendered();
    return images_.up;
}

const QImage& THemisphereButton::downImage() const
{
    ensureRendered();
    return images_.down;
}

const QImage& THemisphereButton::maskImage() const
{
    ensureRendered();
    return images_.mask;
}

void THemisphereButton::invalidateLook()
{
    lookChanged_ = true;
    update();
}

void THemisphereButton::ensureRendered() const
{
    // A window moved to a screen of another pixel ratio renders anew.
    const qreal dpr = devicePixelRatioF();
    if (!lookChanged_ && images_.up.deviceIndependentSize() == QSizeF(size()) && images_.up.devicePixelRatio() == dpr)
        return;
    lookChanged_ = false;
    // Rendering needs 2 x 2 pixels; a smaller control keeps what it had.
    if (width() >= 2 && height() >= 2)
        images_ = HemisphereImages::render(look_, size(), font(), palette().color(QPalette::WindowText), dpr);
}

template <typename T>
void THemisphereButton::setLook(T HemisphereLook::*property, const T& value)
{
    if (look_.*property == value)
        return;
    look_.*property = value;
    invalidateLook();
}

void THemisphereButton::setAllowAllUp(bool allow)
{
    allowAllUp_ = allow;
    if (groupIndex_ == 0 || !parentWidget())
        return;
    for (auto* other : parentWidget()->findChildren<THemisphereButton*>(Qt::FindDirectChildrenOnly))
        if (other->groupIndex_ == groupIndex_)
            other->allowAllUp_ = allow;
}

void THemisphereButton::setAttenControl(double atten)
{
    setLook(&HemisphereLook::attenControl, atten);
}

void THemisphereButton::setBevelInner(THemisphereBevel bevel)
{
    setLook(&HemisphereLook::bevelInner, bevel);
}

void THemisphereButton::setBevelOuter(THemisphereBevel bevel)
{
    setLook(&HemisphereLook::bevelOuter, bevel);
}

void THemisphereButton::setBevelWidth(int width)
{
    if (width > 0)
        setLook(&HemisphereLook::bevelWidth, width);
}

void THemisphereButton::setBorderColor(ColourNumber colour)
{
    setLook(&HemisphereLook::borderColor, colour);
}

void THemisphereButton::setBorderStyle(THemisphereBorderStyle style)
{
    setLook(&HemisphereLook::borderStyle, style);
}

void THemisphereButton::setCaption(const QString& caption)
{
    setLook(&HemisphereLook::caption, caption);
}

void THemisphereButton::setDown(bool down)
{
    if (down_ == down)
        return;
    down_ = down;
    // At once, not at the next turn of the event loop: a press shows
    // before whatever its handlers go on to do.
    repaint();
}

void THemisphereButton::setFaceColor(ColourNumber colour)
{
    setLook(&HemisphereLook::faceColor, colour);
}

void THemisphereButton::setFaceShaded(bool shaded)
{
    setLook(&HemisphereLook::faceShaded, shaded);
}

void THemisphereButton::setFaceTransparent(bool transparent)
{
    setLook(&HemisphereLook::faceTransparent, transparent);
}

void THemisphereButton::setGlyph(const QImage& glyph)
{
    // Compared in the stored format, so the same picture given again in
    // another format is no change.
    setLook(&HemisphereLook::glyph, glyph.convertToFormat(QImage::Format_RGB32));
}

void THemisphereButton::setGlyphIndex(int index)
{
    if (index >= 1 && index <= look_.numGlyphs)
        setLook(&HemisphereLook::glyphIndex, index);
}

void THemisphereButton::setGlyphShaded(bool shaded)
{
    setLook(&HemisphereLook::glyphShaded, shaded);
}

void THemisphereButton::setGlyphMapped(bool mapped)
{
    setLook(&HemisphereLook::glyphMapped, mapped);
}

void THemisphereButton::setGlyphTransparent(bool transparent)
{
    setLook(&HemisphereLook::glyphTransparent, transparent);
}

void THemisphereButton::setGroupIndex(int index)
{
    groupIndex_ = index;
}

void THemisphereButton::setNumGlyphs(int count)
{
    if (count < 1 || count == look_.numGlyphs)
        return;
    look_.numGlyphs = count;
    look_.glyphIndex = std::min(look_.glyphIndex, count);
    invalidateLook();
}

bool THemisphereButton::isOnButton(QPoint point) const
{
    return HemisphereLook::isInEllipse(point.x() - width() / 2.0, point.y() - height() / 2.0, size(),
                                       look_.ringsWidth());
}

void THemisphereButton::paintEvent(QPaintEvent*)
{
    ensureRendered();
    QPainter painter(this);
    painter.drawImage(0, 0, down_ ? images_.downPaint : images_.upPaint);
}

void THemisphereButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !look_.caption.isEmpty())
        invalidateLook();
    QWidget::changeEvent(event);
}

void THemisphereButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!isOnButton(point)) {
        event->ignore();
        return;
    }
    emit mouseDown(event->button(), event->modifiers(), point);
    if (event->button() == Qt::LeftButton) {
        tracking_ = true;
        pressState_ = down_;
        setDown(true);
    }
}

void THemisphereButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (event->isAccepted())
        emit doubleClicked();
}

void THemisphereButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const bool onButton = isOnButton(point);
    if (tracking_ && !pressState_)
        setDown(onButton);
    if (onButton)
        emit mouseMove(event->modifiers(), point);
    else if (!tracking_)
        event->ignore();
}

void THemisphereButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!tracking_) {
        if (!isOnButton(point))
            event->ignore();
        return;
    }
    tracking_ = false;
    if (isOnButton(point)) {
        emit clicked();
        if (groupIndex_ == 0) {
            setDown(false);
        } else if (allowAllUp_ || !pressState_) {
            if (parentWidget())
                for (auto* other : parentWidget()->findChildren<THemisphereButton*>(Qt::FindDirectChildrenOnly))
                    if (other != this && other->groupIndex_ == groupIndex_)
                        other->setDown(false);
            setDown(!pressState_);
        } else {
            setDown(pressState_);
        }
    } else {
        // Released away from the button: whatever the press changed goes back.
        setDown(pressState_);
    }
    emit mouseUp(event->button(), event->modifiers(), point);
}
