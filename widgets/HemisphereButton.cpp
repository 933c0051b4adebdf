#include "widgets/HemisphereButton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <deque>

namespace {

// What a button's pictures are rendered from, and the pictures.
struct KeptRender {
    HemisphereLook look;
    QSize size;
    QString fontKey;
    QRgb textColour;
    qreal dpr;
    HemisphereImages images;
};

// The renders kept for buttons to share; the board's pegs come in a few looks.
constexpr std::size_t kKeptRenders = 8;

// Buttons of one look, size, font and ratio share one set of pictures: the
// idle screen's 33 pegs would otherwise keep 33 copies of the same images.
HemisphereImages sharedRender(const HemisphereLook& look, QSize size, const QFont& font, QColor textColour, qreal dpr)
{
    static std::deque<KeptRender> kept;
    const KeptRender wanted{look, size, font.key(), textColour.rgba(), dpr, {}};
    const auto same = std::find_if(kept.begin(), kept.end(), [&wanted](const KeptRender& render) {
        return render.look == wanted.look && render.size == wanted.size && render.fontKey == wanted.fontKey
            && render.textColour == wanted.textColour && render.dpr == wanted.dpr;
    });
    if (same != kept.end())
        return same->images;
    if (kept.size() == kKeptRenders)
        kept.pop_back();
    kept.push_front(wanted);
    kept.front().images = HemisphereImages::render(look, size, font, textColour, dpr);
    return kept.front().images;
}

} // namespace

HemisphereButton::HemisphereButton(QWidget* parent) : QWidget(parent)
{
    resize(25, 25);
}

const QImage& HemisphereButton::upImage() const
{
    ensureRendered();
    return images_.up;
}

const QImage& HemisphereButton::downImage() const
{
    ensureRendered();
    return images_.down;
}

const QImage& HemisphereButton::maskImage() const
{
    ensureRendered();
    return images_.mask;
}

void HemisphereButton::invalidateLook()
{
    lookChanged_ = true;
    update();
}

void HemisphereButton::ensureRendered() const
{
    // A window moved to a screen of another pixel ratio renders anew.
    const qreal dpr = devicePixelRatioF();
    if (!lookChanged_ && images_.up.deviceIndependentSize() == QSizeF(size()) && images_.up.devicePixelRatio() == dpr)
        return;
    lookChanged_ = false;
    // Rendering needs 2 x 2 pixels; a smaller control keeps what it had.
    if (width() >= 2 && height() >= 2)
        images_ = sharedRender(look_, size(), font(), palette().color(QPalette::WindowText), dpr);
}

template <typename T>
void HemisphereButton::setLook(T HemisphereLook::*property, const T& value)
{
    if (look_.*property == value)
        return;
    look_.*property = value;
    invalidateLook();
}

void HemisphereButton::setAllowAllUp(bool allow)
{
    allowAllUp_ = allow;
    if (groupIndex_ == 0 || !parentWidget())
        return;
    for (auto* other : parentWidget()->findChildren<HemisphereButton*>(Qt::FindDirectChildrenOnly))
        if (other->groupIndex_ == groupIndex_)
            other->allowAllUp_ = allow;
}

void HemisphereButton::setAttenControl(double atten)
{
    setLook(&HemisphereLook::attenControl, atten);
}

void HemisphereButton::setBevelInner(HemisphereBevel bevel)
{
    setLook(&HemisphereLook::bevelInner, bevel);
}

void HemisphereButton::setBevelOuter(HemisphereBevel bevel)
{
    setLook(&HemisphereLook::bevelOuter, bevel);
}

void HemisphereButton::setBevelWidth(int width)
{
    if (width > 0)
        setLook(&HemisphereLook::bevelWidth, width);
}

void HemisphereButton::setBorderColor(ColourNumber colour)
{
    setLook(&HemisphereLook::borderColor, colour);
}

void HemisphereButton::setBorderStyle(HemisphereBorder style)
{
    setLook(&HemisphereLook::borderStyle, style);
}

void HemisphereButton::setCaption(const QString& caption)
{
    setLook(&HemisphereLook::caption, caption);
}

void HemisphereButton::setDown(bool down)
{
    if (down_ == down)
        return;
    down_ = down;
    // At once, not at the next turn of the event loop: a press shows
    // before whatever its handlers go on to do.
    repaint();
}

void HemisphereButton::setFaceColor(ColourNumber colour)
{
    setLook(&HemisphereLook::faceColor, colour);
}

void HemisphereButton::setFaceShaded(bool shaded)
{
    setLook(&HemisphereLook::faceShaded, shaded);
}

void HemisphereButton::setFaceTransparent(bool transparent)
{
    setLook(&HemisphereLook::faceTransparent, transparent);
}

void HemisphereButton::setGlyph(const QImage& glyph)
{
    // Compared in the stored format, so the same picture given again in
    // another format is no change.
    setLook(&HemisphereLook::glyph, glyph.convertToFormat(QImage::Format_RGB32));
}

void HemisphereButton::setGlyphIndex(int index)
{
    if (index >= 1 && index <= look_.numGlyphs)
        setLook(&HemisphereLook::glyphIndex, index);
}

void HemisphereButton::setGlyphShaded(bool shaded)
{
    setLook(&HemisphereLook::glyphShaded, shaded);
}

void HemisphereButton::setGlyphMapped(bool mapped)
{
    setLook(&HemisphereLook::glyphMapped, mapped);
}

void HemisphereButton::setGlyphTransparent(bool transparent)
{
    setLook(&HemisphereLook::glyphTransparent, transparent);
}

void HemisphereButton::setGroupIndex(int index)
{
    groupIndex_ = index;
}

void HemisphereButton::setNumGlyphs(int count)
{
    if (count < 1 || count == look_.numGlyphs)
        return;
    look_.numGlyphs = count;
    look_.glyphIndex = std::min(look_.glyphIndex, count);
    invalidateLook();
}

bool HemisphereButton::isOnButton(QPoint point) const
{
    return HemisphereLook::isInEllipse(point.x() - width() / 2.0, point.y() - height() / 2.0, size(),
                                       look_.ringsWidth());
}

void HemisphereButton::paintEvent(QPaintEvent*)
{
    ensureRendered();
    QPainter painter(this);
    painter.drawImage(0, 0, down_ ? images_.downPaint : images_.upPaint);
}

void HemisphereButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !look_.caption.isEmpty())
        invalidateLook();
    QWidget::changeEvent(event);
}

void HemisphereButton::mousePressEvent(QMouseEvent* event)
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

void HemisphereButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (event->isAccepted())
        emit doubleClicked();
}

void HemisphereButton::mouseMoveEvent(QMouseEvent* event)
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

void HemisphereButton::mouseReleaseEvent(QMouseEvent* event)
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
                for (auto* other : parentWidget()->findChildren<HemisphereButton*>(Qt::FindDirectChildrenOnly))
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
