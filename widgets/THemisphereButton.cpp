#include "THemisphereButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kInvSqrt3 = 0.5773502692;
constexpr double kPi = 3.14159265358979323846;
constexpr QRgb kMaskOpaque = 0xFF000000;
constexpr QRgb kMaskClear = 0xFFFFFFFF;

int clampByte(double value)
{
    return std::clamp(static_cast<int>(value), 0, 255);
}

// One colour component lit by the shading factor s.
int shade(int component, double s)
{
    return clampByte(component + std::round(component * s));
}

QRgb shadeRgb(QRgb colour, double s)
{
    return qRgb(shade(qRed(colour), s), shade(qGreen(colour), s), shade(qBlue(colour), s));
}

// Normalised squared distance of a pixel centre from the control's centre
// against an ellipse of the given half axes; <= 1 is inside.
double ellipseDistance(double dx, double dy, double halfWidth, double halfHeight)
{
    if (halfWidth <= 0 || halfHeight <= 0)
        return 2.0;
    return (dx / halfWidth) * (dx / halfWidth) + (dy / halfHeight) * (dy / halfHeight);
}

// Gray level of a ring pixel at offset (dx, dy) from the centre.
int ringGray(double dx, double dy, THemisphereBevel bevel)
{
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r == 0)
        return 128;
    const double sign = bevel == THemisphereBevel::hbRaised ? 1.0 : -1.0;
    const double scale = 1.0 / (r * std::sqrt(2.0));
    const double nx = sign * dx * scale;
    const double ny = sign * dy * scale;
    const double nz = r * scale;
    return clampByte(128 + std::round(128 * (-nx - ny + nz) * kInvSqrt3));
}

template <typename T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

THemisphereButton::THemisphereButton(QWidget* parent) : QWidget(parent)
{
    resize(25, 25);
}

const QImage& THemisphereButton::upImage() const
{
    ensureRendered();
    return upImage_;
}

const QImage& THemisphereButton::downImage() const
{
    ensureRendered();
    return downImage_;
}

const QImage& THemisphereButton::maskImage() const
{
    ensureRendered();
    return maskImage_;
}

void THemisphereButton::invalidateLook()
{
    lookChanged_ = true;
    update();
}

void THemisphereButton::ensureRendered() const
{
    if (lookChanged_ || upImage_.size() != size())
        render();
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
    if (assign(attenControl_, atten))
        invalidateLook();
}

void THemisphereButton::setBevelInner(THemisphereBevel bevel)
{
    if (assign(bevelInner_, bevel))
        invalidateLook();
}

void THemisphereButton::setBevelOuter(THemisphereBevel bevel)
{
    if (assign(bevelOuter_, bevel))
        invalidateLook();
}

void THemisphereButton::setBevelWidth(int width)
{
    if (width > 0 && assign(bevelWidth_, width))
        invalidateLook();
}

void THemisphereButton::setBorderColor(TColor colour)
{
    if (assign(borderColor_, colour))
        invalidateLook();
}

void THemisphereButton::setBorderStyle(THemisphereBorderStyle style)
{
    if (assign(borderStyle_, style))
        invalidateLook();
}

void THemisphereButton::setCaption(const QString& caption)
{
    if (assign(caption_, caption))
        invalidateLook();
}

void THemisphereButton::setDown(bool down)
{
    if (assign(down_, down))
        update();
}

void THemisphereButton::setFaceColor(TColor colour)
{
    if (assign(faceColor_, colour))
        invalidateLook();
}

void THemisphereButton::setFaceShaded(bool shaded)
{
    if (assign(faceShaded_, shaded))
        invalidateLook();
}

void THemisphereButton::setFaceTransparent(bool transparent)
{
    if (assign(faceTransparent_, transparent))
        invalidateLook();
}

void THemisphereButton::setGlyph(const QImage& glyph)
{
    // Compared in the stored format, so the same picture given again in
    // another format is no change.
    QImage converted = glyph.convertToFormat(QImage::Format_RGB32);
    if (glyph_ == converted)
        return;
    glyph_ = std::move(converted);
    invalidateLook();
}

void THemisphereButton::setGlyphIndex(int index)
{
    if (index >= 1 && index <= numGlyphs_ && assign(glyphIndex_, index))
        invalidateLook();
}

void THemisphereButton::setGlyphShaded(bool shaded)
{
    if (assign(glyphShaded_, shaded))
        invalidateLook();
}

void THemisphereButton::setGlyphMapped(bool mapped)
{
    if (assign(glyphMapped_, mapped))
        invalidateLook();
}

void THemisphereButton::setGlyphTransparent(bool transparent)
{
    if (assign(glyphTransparent_, transparent))
        invalidateLook();
}

void THemisphereButton::setGroupIndex(int index)
{
    groupIndex_ = index;
}

void THemisphereButton::setNumGlyphs(int count)
{
    if (count < 1 || !assign(numGlyphs_, count))
        return;
    glyphIndex_ = std::min(glyphIndex_, numGlyphs_);
    invalidateLook();
}

int THemisphereButton::ringsWidth() const
{
    const int rings = (bevelOuter_ != THemisphereBevel::hbNone) + (bevelInner_ != THemisphereBevel::hbNone);
    return rings * bevelWidth_;
}

bool THemisphereButton::isOnButton(QPoint point) const
{
    const double halfWidth = width() / 2.0;
    const double halfHeight = height() / 2.0;
    const int rings = ringsWidth();
    return ellipseDistance(point.x() - halfWidth, point.y() - halfHeight, halfWidth - rings, halfHeight - rings) <= 1.0;
}

void THemisphereButton::render() const
{
    lookChanged_ = false;
    const int w = width();
    const int h = height();
    if (w < 2 || h < 2)
        return;
    const double halfWidth = w / 2.0;
    const double halfHeight = h / 2.0;
    const int rings = ringsWidth();
    const QRgb face = toQColor(faceColor_).rgb();

    upImage_ = QImage(w, h, QImage::Format_RGB32);
    downImage_ = QImage(w, h, QImage::Format_RGB32);
    maskImage_ = QImage(w, h, QImage::Format_RGB32);
    upImage_.fill(face);
    downImage_.fill(face);
    maskImage_.fill(kMaskClear);

    // The glyph strip's part to draw, and its transparent colour.
    QImage glyph;
    QRgb glyphClear = 0;
    if (!glyph_.isNull() && numGlyphs_ > 0 && glyph_.width() >= numGlyphs_) {
        const int partWidth = glyph_.width() / numGlyphs_;
        glyph = glyph_.copy((glyphIndex_ - 1) * partWidth, 0, partWidth, glyph_.height());
        glyphClear = glyph_.pixel(0, glyph_.height() - 1);
    }
    const int glyphLeft = (w - glyph.width()) / 2;
    const int glyphTop = (h - glyph.height()) / 2;

    // The rings from the edge inwards, outer one first.
    struct Ring {
        THemisphereBevel bevel;
        double inset;
    };
    Ring ringList[2];
    int ringCount = 0;
    for (THemisphereBevel bevel : {bevelOuter_, bevelInner_})
        if (bevel != THemisphereBevel::hbNone) {
            ringList[ringCount] = {bevel, double(ringCount * bevelWidth_)};
            ++ringCount;
        }

    for (int y = 0; y < h; ++y) {
        auto* up = reinterpret_cast<QRgb*>(upImage_.scanLine(y));
        auto* down = reinterpret_cast<QRgb*>(downImage_.scanLine(y));
        auto* mask = reinterpret_cast<QRgb*>(maskImage_.scanLine(y));
        const double dy = y + 0.5 - halfHeight;
        for (int x = 0; x < w; ++x) {
            const double dx = x + 0.5 - halfWidth;
            if (ellipseDistance(dx, dy, halfWidth, halfHeight) > 1.0)
                continue;
            mask[x] = kMaskOpaque;

            if (ellipseDistance(dx, dy, halfWidth - rings, halfHeight - rings) <= 1.0) {
                const double nx = dx / halfWidth;
                const double ny = dy / halfHeight;
                const double nz = 1.0 - std::sqrt(nx * nx + ny * ny);
                const double s = (-nx - ny + nz) * kInvSqrt3 * attenControl_;

                QRgb colour = face;
                bool shaded = faceShaded_;
                bool covered = false;
                if (!glyph.isNull()) {
                    int gx;
                    int gy;
                    if (glyphMapped_) {
                        gx = int((std::asin(std::clamp(nx, -1.0, 1.0)) / kPi + 0.5) * glyph.width());
                        gy = int((std::asin(std::clamp(ny, -1.0, 1.0)) / kPi + 0.5) * glyph.height());
                    } else {
                        gx = x - glyphLeft;
                        gy = y - glyphTop;
                    }
                    if (gx >= 0 && gy >= 0 && gx < glyph.width() && gy < glyph.height()) {
                        const QRgb pixel = glyph.pixel(gx, gy);
                        if (!glyphTransparent_ || pixel != glyphClear) {
                            colour = pixel;
                            shaded = glyphShaded_;
                            covered = true;
                        }
                    }
                }
                if (faceTransparent_ && !covered)
                    mask[x] = kMaskClear;
                up[x] = shaded ? shadeRgb(colour, s) : colour;
                down[x] = shaded ? shadeRgb(colour, -s) : colour;
                continue;
            }

            for (int i = 0; i < ringCount; ++i) {
                const double inner = ringList[i].inset + bevelWidth_;
                if (ellipseDistance(dx, dy, halfWidth - inner, halfHeight - inner) > 1.0) {
                    const int gray = ringGray(dx, dy, ringList[i].bevel);
                    up[x] = down[x] = qRgb(gray, gray, gray);
                    break;
                }
            }
        }
    }

    if (!caption_.isEmpty()) {
        const QFontMetrics metrics(font());
        const QRect textRect = metrics.boundingRect(caption_);
        const QPoint topLeft(int(std::lround((w - textRect.width() - 2) / 2.0)),
                             int(std::lround((h - metrics.height() - 2) / 2.0)));
        const QRect area(topLeft, QSize(textRect.width() + 2, metrics.height() + 2));
        for (QImage* image : {&upImage_, &downImage_, &maskImage_}) {
            QPainter painter(image);
            painter.setFont(font());
            painter.setPen(image == &maskImage_ ? QColor(Qt::black) : palette().color(QPalette::WindowText));
            if (image != &maskImage_ || faceTransparent_)
                painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
        }
    }

    if (borderStyle_ == THemisphereBorderStyle::bsSingle) {
        for (QImage* image : {&upImage_, &downImage_}) {
            QPainter painter(image);
            painter.setPen(toQColor(borderColor_));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QRect(rings, rings, w - 2 * rings - 1, h - 2 * rings - 1));
        }
    }

    // What painting copies: each face with the parent showing through
    // wherever the mask is white.
    const auto compose = [&](const QImage& face) {
        QImage result(w, h, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < h; ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(face.constScanLine(y));
            const auto* mask = reinterpret_cast<const QRgb*>(maskImage_.constScanLine(y));
            auto* target = reinterpret_cast<QRgb*>(result.scanLine(y));
            for (int x = 0; x < w; ++x)
                target[x] = mask[x] == kMaskOpaque ? source[x] : 0;
        }
        return result;
    };
    upPaint_ = compose(upImage_);
    downPaint_ = compose(downImage_);
}

void THemisphereButton::paintEvent(QPaintEvent*)
{
    ensureRendered();
    QPainter painter(this);
    painter.drawImage(0, 0, down_ ? downPaint_ : upPaint_);
}

void THemisphereButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !caption_.isEmpty())
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
    if (tracking_ && !pressState_)
        setDown(isOnButton(point));
    emit mouseMove(event->modifiers(), point);
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
