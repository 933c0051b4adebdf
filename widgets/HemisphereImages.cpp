#include "widgets/HemisphereImages.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

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

// Gray level of a ring pixel at offset (dx, dy) from the centre.
int ringGray(double dx, double dy, HemisphereBevel bevel)
{
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r == 0)
        return 128;
    const double sign = bevel == HemisphereBevel::Raised ? 1.0 : -1.0;
    const double scale = 1.0 / (r * std::sqrt(2.0));
    const double nx = sign * dx * scale;
    const double ny = sign * dy * scale;
    const double nz = r * scale;
    return clampByte(128 + std::round(128 * (-nx - ny + nz) * kInvSqrt3));
}

// Pixel access without QImage's check for sharing on every pixel; the
// images are the renderer's alone, so their memory stays put.
class Pixels {
public:
    explicit Pixels(QImage& image)
        : bits_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / sizeof(QRgb))
    {
    }

    QRgb& operator()(int x, int y) const { return bits_[y * stride_ + x]; }

private:
    QRgb* bits_;
    qsizetype stride_;
};

// A face with the parent showing through wherever the mask is white.
QImage composed(const QImage& face, const QImage& mask)
{
    const int width = face.width();
    QImage result(face.size(), QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(face.devicePixelRatio());
    for (int y = 0; y < face.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(face.constScanLine(y));
        const auto* opacity = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x)
            target[x] = opacity[x] == kMaskOpaque ? source[x] : 0;
    }
    return result;
}

// A pixel of the face with its light: the normal's x and y and the shading
// factor of the up image.
struct FacePixel {
    int x;
    int y;
    double nx;
    double ny;
    double s;
};

// Paints the look into a set of pictures, one layer a step. The pictures
// have the control's size times the device pixel ratio; every formula is
// evaluated at the centre of each device pixel in the control's own
// (logical) coordinates, so a finer screen gets a smoother dome of the
// same shape.
class Renderer {
public:
    Renderer(const HemisphereLook& look, QSize size, qreal dpr, HemisphereImages& images);

    void mask();
    void face();
    void glyph();
    void rings();
    void caption(const QFont& font, const QColor& textColour);
    void border();

private:
    // Where a pixel's centre lies: outside the button, on the face, or in
    // the ring of that number, counted from the edge.
    enum Zone : qint8 { kOutside = -2, kFace = -1 };

    static HemisphereImages& created(HemisphereImages& images, QSize pixels, qreal dpr);
    qint8 zoneOf(double dx, double dy) const;

    // Offset of a device pixel's centre from the control's centre, along
    // one axis of the given logical length.
    double offset(int pixel, int length) const { return (pixel + 0.5) / dpr_ - length / 2.0; }

    // Calls step(x, y, dx, dy, zone) for every device pixel, with the
    // offset of its centre from the control's centre.
    template <typename Step>
    void forEachPixel(Step step) const
    {
        for (int y = 0; y < pixels_.height(); ++y) {
            const double dy = offset(y, size_.height());
            for (int x = 0; x < pixels_.width(); ++x)
                step(x, y, offset(x, size_.width()), dy, zones_[y * pixels_.width() + x]);
        }
    }

    // The face is lit as a dome from the upper left front.
    template <typename Step>
    void forEachFacePixel(Step step) const
    {
        forEachPixel([&](int x, int y, double dx, double dy, qint8 zone) {
            if (zone != kFace)
                return;
            const double nx = dx / (size_.width() / 2.0);
            const double ny = dy / (size_.height() / 2.0);
            const double nz = 1.0 - std::sqrt(nx * nx + ny * ny);
            step(FacePixel{x, y, nx, ny, (-nx - ny + nz) * kInvSqrt3 * look_.attenControl});
        });
    }

    // The control pixel a device pixel lies in: a flat glyph stays a
    // bitmap, its pixels drawn larger on a finer screen.
    QPoint logicalPixel(const FacePixel& pixel) const
    {
        return QPoint(int(std::floor((pixel.x + 0.5) / dpr_)), int(std::floor((pixel.y + 0.5) / dpr_)));
    }

    // The down image is lit from the lower right: the opposite shading.
    void setFacePixel(const FacePixel& pixel, QRgb colour, bool shaded)
    {
        up_(pixel.x, pixel.y) = shaded ? shadeRgb(colour, pixel.s) : colour;
        down_(pixel.x, pixel.y) = shaded ? shadeRgb(colour, -pixel.s) : colour;
    }

    const HemisphereLook& look_;
    const QSize size_;   // logical
    const qreal dpr_;
    const QSize pixels_; // device
    HemisphereImages& images_;
    const Pixels up_;
    const Pixels down_;
    const Pixels mask_;
    const int rings_;
    HemisphereBevel ringBevels_[2]; // the rings drawn, from the edge inwards
    int ringCount_ = 0;
    std::vector<qint8> zones_;
};

Renderer::Renderer(const HemisphereLook& look, QSize size, qreal dpr, HemisphereImages& images)
    : look_(look), size_(size), dpr_(dpr), pixels_(qRound(size.width() * dpr), qRound(size.height() * dpr)),
      images_(created(images, pixels_, dpr)), up_(images.up), down_(images.down), mask_(images.mask),
      rings_(look.ringsWidth())
{
    for (HemisphereBevel bevel : {look.bevelOuter, look.bevelInner})
        if (bevel != HemisphereBevel::None)
            ringBevels_[ringCount_++] = bevel;
    zones_.reserve(size_t(pixels_.width()) * pixels_.height());
    for (int y = 0; y < pixels_.height(); ++y)
        for (int x = 0; x < pixels_.width(); ++x)
            zones_.push_back(zoneOf(offset(x, size.width()), offset(y, size.height())));
}

HemisphereImages& Renderer::created(HemisphereImages& images, QSize pixels, qreal dpr)
{
    for (QImage* image : {&images.up, &images.down, &images.mask}) {
        *image = QImage(pixels, QImage::Format_RGB32);
        image->setDevicePixelRatio(dpr);
    }
    return images;
}

qint8 Renderer::zoneOf(double dx, double dy) const
{
    if (!HemisphereLook::isInEllipse(dx, dy, size_, 0))
        return kOutside;
    if (HemisphereLook::isInEllipse(dx, dy, size_, rings_))
        return kFace;
    // Each ring is the band outside the ellipse one ring width further in.
    for (int i = 0; i < ringCount_; ++i)
        if (!HemisphereLook::isInEllipse(dx, dy, size_, (i + 1) * look_.bevelWidth))
            return qint8(i);
    return kFace;
}

void Renderer::mask()
{
    images_.mask.fill(kMaskClear);
    forEachPixel([&](int x, int y, double, double, qint8 zone) {
        if (zone != kOutside)
            mask_(x, y) = kMaskOpaque;
    });
}

void Renderer::face()
{
    const QRgb colour = toQColor(look_.faceColor).rgb();
    images_.up.fill(colour);
    images_.down.fill(colour);
    forEachFacePixel([&](const FacePixel& pixel) { setFacePixel(pixel, colour, look_.faceShaded); });
}

void Renderer::glyph()
{
    const QImage& strip = look_.glyph;
    const bool hasGlyph = !strip.isNull() && look_.numGlyphs > 0 && strip.width() >= look_.numGlyphs;
    if (!hasGlyph && !look_.faceTransparent)
        return;
    QImage part;
    QRgb clear = 0;
    if (hasGlyph) {
        const int partWidth = strip.width() / look_.numGlyphs;
        part = strip.copy((look_.glyphIndex - 1) * partWidth, 0, partWidth, strip.height());
        clear = strip.pixel(0, strip.height() - 1);
    }
    const QPoint flatOrigin((size_.width() - part.width()) / 2, (size_.height() - part.height()) / 2);

    forEachFacePixel([&](const FacePixel& pixel) {
        // Mapped, the angles of the normal pick the glyph pixel, so the
        // picture wraps over the dome.
        const QPoint at = look_.glyphMapped
            ? QPoint(int((std::asin(std::clamp(pixel.nx, -1.0, 1.0)) / kPi + 0.5) * part.width()),
                     int((std::asin(std::clamp(pixel.ny, -1.0, 1.0)) / kPi + 0.5) * part.height()))
            : logicalPixel(pixel) - flatOrigin;
        const bool covered = part.rect().contains(at) && (!look_.glyphTransparent || part.pixel(at) != clear);
        if (covered)
            setFacePixel(pixel, part.pixel(at), look_.glyphShaded);
        else if (look_.faceTransparent)
            mask_(pixel.x, pixel.y) = kMaskClear;
    });
}

void Renderer::rings()
{
    forEachPixel([&](int x, int y, double dx, double dy, qint8 zone) {
        if (zone < 0)
            return;
        const int gray = ringGray(dx, dy, ringBevels_[zone]);
        up_(x, y) = down_(x, y) = qRgb(gray, gray, gray);
    });
}

void Renderer::caption(const QFont& font, const QColor& textColour)
{
    if (look_.caption.isEmpty())
        return;
    const QFontMetrics metrics(font);
    const QRect textRect = metrics.boundingRect(look_.caption);
    const QPoint topLeft(int(std::lround((size_.width() - textRect.width() - 2) / 2.0)),
                         int(std::lround((size_.height() - metrics.height() - 2) / 2.0)));
    const QRect area(topLeft, QSize(textRect.width() + 2, metrics.height() + 2));
    // In the mask only a see-through face needs it, to keep it opaque.
    for (QImage* image : {&images_.up, &images_.down, &images_.mask}) {
        QPainter painter(image);
        painter.setFont(font);
        painter.setPen(image == &images_.mask ? QColor(Qt::black) : textColour);
        if (image != &images_.mask || look_.faceTransparent)
            painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, look_.caption);
    }
}

void Renderer::border()
{
    if (look_.borderStyle != HemisphereBorder::Single)
        return;
    for (QImage* image : {&images_.up, &images_.down}) {
        QPainter painter(image);
        painter.setPen(toQColor(look_.borderColor));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(rings_, rings_, size_.width() - 2 * rings_ - 1, size_.height() - 2 * rings_ - 1));
    }
}

} // namespace

HemisphereImages HemisphereImages::render(const HemisphereLook& look, QSize size, const QFont& font,
                                          const QColor& textColour, qreal dpr)
{
    HemisphereImages images;
    Renderer renderer(look, size, dpr, images);
    renderer.mask();
    renderer.face();
    renderer.glyph();
    renderer.rings();
    renderer.caption(font, textColour);
    renderer.border();
    images.upPaint = composed(images.up, images.mask);
    images.downPaint = composed(images.down, images.mask);
    return images;
}
